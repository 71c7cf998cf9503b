#include <QTest>

#include "link/frame_codec.h"
#include "sim/controller_model.h"
#include "sim/maintenance_commands.h"

using namespace vor;
using namespace vor::sim;

namespace {

const QDate kToday(2026, 12, 11);

QByteArray Ask(ControllerModel& model, quint8 command, const QByteArray& data) {
  const QByteArray reply = model.Answer(BuildFrame(command, ControllerModel::kAddress, data));
  return reply.mid(3, reply.size() - 4);
}

QByteArray Write(ControllerModel& model, int number, quint8 value) {
  QByteArray data;
  data.append(char(number)).append(char(value)).append('\0');
  return Ask(model, 0xF2, data);
}

QDate DateAt(const ControllerModel& model, int first) {
  return QDate(2000 + model.Parameter(first), model.Parameter(first + 1),
               model.Parameter(first + 2));
}

}  // namespace

class MaintenanceCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void maximumCyclesIsAWord() {
    ControllerModel model;
    MaintenanceCommands maintenance(model, [] { return kToday; });
    QCOMPARE(Ask(model, 0x23, QByteArray(1, 0)).toHex(), QByteArray("0c35"));
  }

  void datesAndCountersAreRealistic() {
    ControllerModel model;
    MaintenanceCommands maintenance(model, [] { return kToday; });
    for (int first : {55, 58, 61})
      QVERIFY2(DateAt(model, first).isValid(), QByteArray::number(first));
    QVERIFY(DateAt(model, 55) <= DateAt(model, 58));
    // Successful cycles never exceed the attempts.
    const auto counter = [&](int n) {
      return model.Parameter(n) << 16 | model.Parameter(n + 1) << 8 | model.Parameter(n + 2);
    };
    QVERIFY(counter(32) <= counter(29));
    QVERIFY(counter(42) <= counter(39));
  }

  void commandBitsActAndClearThemselves_data() {
    QTest::addColumn<quint8>("written");
    QTest::addColumn<bool>("errorsCleared");
    QTest::addColumn<bool>("batteryToday");
    QTest::addColumn<bool>("serviceToday");
    QTest::newRow("clear errors") << quint8(0x23) << true << false << false;
    QTest::newRow("battery") << quint8(0x43) << false << true << false;
    QTest::newRow("maintenance") << quint8(0x83) << false << false << true;
    QTest::newRow("all three") << quint8(0xE3) << true << true << true;
    QTest::newRow("functions only") << quint8(0x03) << false << false << false;
  }
  void commandBitsActAndClearThemselves() {
    QFETCH(quint8, written);
    QFETCH(bool, errorsCleared);
    QFETCH(bool, batteryToday);
    QFETCH(bool, serviceToday);
    ControllerModel model;
    MaintenanceCommands maintenance(model, [] { return kToday; });
    model.SetProblems(0x0090);
    const QDate battery = DateAt(model, 58);
    const QDate service = DateAt(model, 61);

    Write(model, 4, written);

    QCOMPARE(model.Parameter(4), quint8(written & 0x1F));
    QCOMPARE(model.Problems(), errorsCleared ? quint16(0) : quint16(0x0090));
    QCOMPARE(DateAt(model, 58), batteryToday ? kToday : battery);
    QCOMPARE(DateAt(model, 61), serviceToday ? kToday : service);
  }

  void otherParametersKeepTheirBits() {
    ControllerModel model;
    MaintenanceCommands maintenance(model, [] { return kToday; });
    model.SetProblems(0x0090);
    Write(model, 3, 0xE0);
    QCOMPARE(model.Parameter(3), quint8(0xE0));
    QCOMPARE(model.Problems(), quint16(0x0090));
  }
};

QTEST_MAIN(MaintenanceCommandsTest)
#include "maintenance_commands_test.moc"

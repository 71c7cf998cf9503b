#include <QTest>

#include "link/frame_codec.h"
#include "sim/console.h"
#include "sim/controller_model.h"
#include "sim/frame_assembler.h"

using namespace vor;
using namespace vor::sim;

class ControllerModelTest : public QObject {
  Q_OBJECT

 private slots:
  void answers_data() {
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("reply");
    QTest::newRow("ping") << "A5A500B6"
                          << "55A50FF7";
    QTest::newRow("date and OTK") << "A5A511210084"
                                  << "55A52D140B1E0597";
    QTest::newRow("model and version") << "A5A511200085"
                                       << "55A52D02010102D3";
    QTest::newRow("parameter 2 and 3") << "A5A5110202A1"
                                       << "55A51E0500E3";
    QTest::newRow("problems and reminders") << "A5A511220083"
                                            << "55A51E009058";
    QTest::newRow("unknown command")
        << BytesToHex(BuildFrame(0x7E, ControllerModel::kAddress, QByteArray(1, 0))) << "55A50FF7";
    QTest::newRow("bad checksum") << "A5A5110202A2"
                                  << "";
    QTest::newRow("other address")
        << BytesToHex(BuildFrame(0x02, "\x11\x22", QByteArray(1, 2))) << "";
  }
  void answers() {
    QFETCH(QString, request);
    QFETCH(QString, reply);
    ControllerModel model;
    QCOMPARE(BytesToHex(model.Answer(QByteArray::fromHex(request.toLatin1()))), reply);
  }

  void parameterReadAtTheEndsOfMemory() {
    ControllerModel model;
    model.SetParameter(63, 0x44);
    model.SetParameter(64, 0x99);  // outside the memory: ignored
    const QByteArray reply =
        model.Answer(BuildFrame(0x02, ControllerModel::kAddress, QByteArray(1, 63)));
    QCOMPARE(BytesToHex(reply.mid(3, 2)), QStringLiteral("4400"));
  }

  void parameterWriteStoresTheByteThenTellsTheHook() {
    ControllerModel model;
    QList<int> written;
    quint8 seenByHook = 0;
    model.SetParameterWriteHook([&](int number) {
      written.append(number);
      seenByHook = model.Parameter(number);
    });
    const QByteArray reply =
        model.Answer(BuildFrame(0xF2, ControllerModel::kAddress, QByteArray::fromHex("073C00")));
    QCOMPARE(BytesToHex(reply), QStringLiteral("55A50FF7"));
    QCOMPARE(int(model.Parameter(7)), 0x3C);
    QCOMPARE(written, QList<int>({7}));
    QCOMPARE(int(seenByHook), 0x3C);
  }

  void parameterWriteWithoutValueChangesNothing() {
    ControllerModel model;
    bool told = false;
    model.SetParameterWriteHook([&](int) { told = true; });
    model.Answer(BuildFrame(0xF2, ControllerModel::kAddress, QByteArray(1, 7)));
    QCOMPARE(int(model.Parameter(7)), 12);
    QVERIFY(!told);
  }

  void consoleCommands_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("parameter7");
    QTest::newRow("decimal") << "param 7 12" << true << 12;
    QTest::newRow("hex") << "param 7 0xA5" << true << 0xA5;
    QTest::newRow("number out of range") << "param 64 1" << false << 1;
    QTest::newRow("value out of range") << "param 7 256" << false << 1;
    QTest::newRow("unknown") << "reboot" << false << 1;
    QTest::newRow("empty") << "   " << true << 1;
  }
  void consoleCommands() {
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(int, parameter7);
    ControllerModel model;
    FaultPlan faults;
    model.SetParameter(7, 1);
    QCOMPARE(Console(model, faults).Execute(line).isEmpty(), ok);
    QCOMPARE(int(model.Parameter(7)), parameter7);
  }

  void consoleSetsTheProblemsWord_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("word");
    QTest::newRow("hex") << "problems 0x0901" << true << 0x0901;
    QTest::newRow("decimal") << "problems 0" << true << 0;
    QTest::newRow("too big") << "problems 0x10000" << false
                             << int(ControllerModel::kDefaultProblems);
    QTest::newRow("not a number") << "problems many" << false
                                  << int(ControllerModel::kDefaultProblems);
  }
  void consoleSetsTheProblemsWord() {
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(int, word);
    ControllerModel model;
    FaultPlan faults;
    QCOMPARE(Console(model, faults).Execute(line).isEmpty(), ok);
    QCOMPARE(int(model.Problems()), word);
  }

  void consoleFaultAppliesToTheNextRequest() {
    ControllerModel model;
    FaultPlan faults;
    QVERIFY(Console(model, faults).Execute("fault short").isEmpty());
    QCOMPARE(faults.Next(), Fault::Short);
    QCOMPARE(faults.Next(), Fault::None);
    QVERIFY(!Console(model, faults).Execute("fault melt").isEmpty());
  }

  void assemblerFindsFramesInNoise() {
    FrameAssembler assembler;
    QByteArray frame;
    QList<QByteArray> frames;
    for (char c : QByteArray::fromHex("3C91A5A500B6A5A5110202A1"))
      if (assembler.Push(quint8(c), frame)) frames.append(frame);
    QCOMPARE(frames, QList<QByteArray>(
                         {QByteArray::fromHex("A5A500B6"), QByteArray::fromHex("A5A5110202A1")}));
    QVERIFY(!assembler.InFrame());
  }
};

QTEST_APPLESS_MAIN(ControllerModelTest)
#include "controller_model_test.moc"

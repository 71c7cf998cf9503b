#include <QTest>

#include "link/dispatcher.h"
#include "link/frame_codec.h"

using namespace vor;

namespace {

// One transaction over a real request table.
struct Transaction : CurrentTransaction {
  RequestTable table;
  QByteArray frame;
  QString reply;
  int slot = -1;

  Transaction(quint8 command, QByteArray data, const char* replyHex, PageAction action) {
    table.Enqueue(QByteArray::fromHex("A5A5"), data, std::move(action), command);
    slot = table.PickNext(frame);
    reply = QString::fromLatin1(replyHex);
  }
  QByteArray CurrentFrame() const override { return frame; }
  QString ReplyText() const override { return reply; }
  int CurrentSlot() const override { return slot; }
  PageAction ActionOf(int s) const override { return table.ActionOf(s); }
  void FreeSlot(int s) override { table.FreeSlot(s); }
};

}  // namespace

class DispatcherTest : public QObject {
  Q_OBJECT

 private slots:
  void caseRunsEffectActionThenAfterAndFreesSlot() {
    Dispatcher dispatcher;
    QStringList steps;
    dispatcher.Register(
        0x20, 4, [&](const QString& r) { steps << "before " + r.mid(6, 4); },
        [&](const QString&) { steps << "after"; });
    Transaction t(0x20, QByteArray(1, 0), "55A52D02010102D3", [&] { steps << "action"; });
    dispatcher.Decode(t);
    QCOMPARE(steps, QStringList({"before 0201", "action", "after"}));
    QCOMPARE(t.table.StatusOf(t.slot), RequestTable::Status::Free);
  }

  void withoutCaseNoActionButSlotFreed_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("parameter");
    QTest::newRow("unknown command") << 0x7E << 0;
    QTest::newRow("parameter without case") << 0x02 << 3;
    QTest::newRow("write of a parameter without case") << 0xF2 << 7;
  }
  void withoutCaseNoActionButSlotFreed() {
    QFETCH(int, command);
    QFETCH(int, parameter);
    Dispatcher dispatcher;
    dispatcher.RegisterParameter(0x02, 7, 2, [](const QString&) {});
    bool ran = false;
    Transaction t(quint8(command), QByteArray(1, char(parameter)), "55A51E0500E3",
                  [&] { ran = true; });
    dispatcher.Decode(t);
    QVERIFY(!ran);
    QCOMPARE(t.table.StatusOf(t.slot), RequestTable::Status::Free);
  }

  void parameterCasesAreChosenByNumber() {
    Dispatcher dispatcher;
    QString seen;
    dispatcher.RegisterParameter(0x02, 7, 2, [&](const QString&) { seen = "7"; });
    dispatcher.RegisterParameter(0x02, 8, 2, [&](const QString&) { seen = "8"; });
    Transaction t(0x02, QByteArray(1, 8), "55A51E0500E3", [] {});
    dispatcher.Decode(t);
    QCOMPARE(seen, QStringLiteral("8"));
  }

  void pagesSharingAParameterEachGetTheReply() {
    Dispatcher dispatcher;
    QStringList steps;
    dispatcher.RegisterParameter(0x02, 4, 2, [&](const QString&) { steps << "functions"; });
    dispatcher.RegisterParameter(0x02, 4, 2, [&](const QString&) { steps << "maintenance"; });
    Transaction t(0x02, QByteArray(1, 4), "55A51E0500E3", [&] { steps << "action"; });
    dispatcher.Decode(t);
    QCOMPARE(steps, QStringList({"functions", "maintenance", "action"}));
  }

  void actionOnlyCommandsRunTheAction() {
    Dispatcher dispatcher;
    bool ran = false;
    Transaction t(0x57, QByteArray(1, 0), "55A50FF7", [&] { ran = true; });
    dispatcher.Decode(t);
    QVERIFY(ran);
  }

  void shortReplyIsNotReadPastItsEnd() {
    Dispatcher dispatcher;
    bool effect = false, ran = false;
    dispatcher.Register(0x21, 4, [&](const QString&) { effect = true; });
    Transaction t(0x21, QByteArray(1, 0), "55A51E0500E3", [&] { ran = true; });
    dispatcher.Decode(t);
    QVERIFY(!effect);
    QVERIFY(!ran);
    QCOMPARE(t.table.StatusOf(t.slot), RequestTable::Status::Free);
  }

  void slotFreeEvenWhenActionPlacesARequest() {
    Dispatcher dispatcher;
    Transaction* current = nullptr;
    Transaction t(0x57, QByteArray(1, 0), "55A50FF7", [&] {
      current->table.Enqueue(QByteArray::fromHex("A5A5"), QByteArray(1, 0), nullptr, 0x57);
    });
    current = &t;
    dispatcher.Decode(t);
    QCOMPARE(t.table.StatusOf(t.slot), RequestTable::Status::Free);
    QCOMPARE(t.table.StatusOf(1), RequestTable::Status::Pending);
  }

  void payloadBytes() {
    QCOMPARE(PayloadSize("55A52D140B1E0597"), 4);
    QCOMPARE(PayloadByte("55A52D140B1E0597", 1), 0x0B);
    QCOMPARE(PayloadByte("55A52D140B1E0597", 4), -1);
    QCOMPARE(PayloadSize("55A5"), 0);
  }
};

QTEST_APPLESS_MAIN(DispatcherTest)
#include "dispatcher_test.moc"

#include <QTest>

#include "link/frame_codec.h"
#include "link/request_table.h"

using namespace vor;

namespace {
const QByteArray kAddress = QByteArray::fromHex("A5A5");
}

class RequestTableTest : public QObject {
  Q_OBJECT

 private slots:
  void freshTableHasNothingToPick() {
    RequestTable table;
    QByteArray frame = "untouched";
    QCOMPARE(table.PickNext(frame), -1);
    QCOMPARE(frame, QByteArray("untouched"));
    QCOMPARE(table.StatusText(0), QStringLiteral("free"));
  }

  void enqueueBuildsFrameAndMarksPending() {
    RequestTable table;
    QCOMPARE(table.Enqueue(
                 kAddress, QByteArray::fromHex("02"), [] {}, 0x02),
             0);
    QCOMPARE(BytesToHex(table.FrameOf(0)), QStringLiteral("A5A5110202A1"));
    QCOMPARE(table.StatusText(0), QStringLiteral("pending"));
    QByteArray frame;
    QCOMPARE(table.PickNext(frame), 0);
    QCOMPARE(frame, table.FrameOf(0));
    QCOMPARE(table.StatusText(0), QStringLiteral("pocessing"));
    table.FreeSlot(0);
    QCOMPARE(table.StatusText(0), QStringLiteral("free"));
    QVERIFY(table.FrameOf(0).isEmpty());
    QVERIFY(!table.ActionOf(0));
  }

  void freedLowSlotIsReusedAndServedFirst() {
    RequestTable table;
    const int a = table.Enqueue(kAddress, QByteArray(1, 1), nullptr, 0x02);
    const int b = table.Enqueue(kAddress, QByteArray(1, 2), nullptr, 0x02);
    table.FreeSlot(a);
    const int c = table.Enqueue(kAddress, QByteArray(1, 3), nullptr, 0x02);
    QCOMPARE(c, 0);
    QByteArray frame;
    QCOMPARE(table.PickNext(frame), c);
    QCOMPARE(table.PickNext(frame), b);
  }

  void requestPlacedWhileProcessingTakesNextSlot() {
    RequestTable table;
    table.Enqueue(kAddress, QByteArray(1, 1), nullptr, 0x02);
    QByteArray frame;
    const int current = table.PickNext(frame);
    QCOMPARE(table.Enqueue(kAddress, QByteArray(1, 2), nullptr, 0x02), 1);
    table.FreeSlot(current);
    QCOMPARE(table.PickNext(frame), 1);
    QCOMPARE(quint8(frame.at(4)), quint8(2));
  }

  void fullTableRefusesWithoutChange() {
    RequestTable table;
    for (int i = 0; i < RequestTable::kSlots; ++i)
      QCOMPARE(table.Enqueue(kAddress, QByteArray(1, char(i)), nullptr, 0x02), i);
    QByteArray frame;
    QCOMPARE(table.PickNext(frame), 0);
    const QByteArray before = table.FrameOf(0);
    bool ran = false;
    QCOMPARE(table.Enqueue(
                 kAddress, QByteArray(1, 9), [&ran] { ran = true; }, 0x21),
             -1);
    QCOMPARE(table.FrameOf(0), before);
    QCOMPARE(table.StatusText(0), QStringLiteral("pocessing"));
    QCOMPARE(table.PendingCount(), RequestTable::kSlots - 1);
    QVERIFY(!ran);
  }

  void pendingCountFollowsEveryChange() {
    RequestTable table;
    table.Enqueue(kAddress, QByteArray(1, 1), nullptr, 0x02);
    table.Enqueue(kAddress, QByteArray(1, 2), nullptr, 0x02);
    QCOMPARE(table.PendingCount(), 2);
    table.FreeSlot(1);  // a pending request dropped
    QCOMPARE(table.PendingCount(), 1);
    QByteArray frame;
    table.PickNext(frame);
    QCOMPARE(table.PendingCount(), 0);
    table.FreeSlot(0);
    QCOMPARE(table.PendingCount(), 0);
  }
};

QTEST_APPLESS_MAIN(RequestTableTest)
#include "request_table_test.moc"

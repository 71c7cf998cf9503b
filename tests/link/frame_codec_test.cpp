#include <QTest>

#include "link/frame_codec.h"

using namespace vor;

class FrameCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void buildsKnownFrames_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("frame");
    QTest::newRow("identity first part") << 0x21 << QByteArray::fromHex("00") << "A5A511210084";
    QTest::newRow("identity second part") << 0x20 << QByteArray::fromHex("00") << "A5A511200085";
    QTest::newRow("read parameter 2") << 0x02 << QByteArray::fromHex("02") << "A5A5110202A1";
    QTest::newRow("write parameter 2")
        << 0xF2 << QByteArray::fromHex("025500") << "A5A522F20255004B";
  }
  void buildsKnownFrames() {
    QFETCH(int, command);
    QFETCH(QByteArray, data);
    QFETCH(QString, frame);
    QCOMPARE(BytesToHex(BuildFrame(quint8(command), QByteArray::fromHex("A5A5"), data)), frame);
  }

  void lengthNibbleRoundsHalfToEven_data() {
    QTest::addColumn<int>("dataLength");
    QTest::addColumn<int>("nibble");
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 2}, {6, 4}, {29, 15}, {30, 0}};
    for (const auto& c : cases) QTest::newRow(qPrintable(QString::number(c[0]))) << c[0] << c[1];
  }
  void lengthNibbleRoundsHalfToEven() {
    QFETCH(int, dataLength);
    QFETCH(int, nibble);
    const QByteArray frame =
        BuildFrame(0x02, QByteArray::fromHex("A5A5"), QByteArray(dataLength, 1));
    QCOMPARE(quint8(frame.at(2)) >> 4, nibble);
    QCOMPARE(frame.size(), dataLength + 5);
    QVERIFY(ChecksumHolds(frame));
  }

  void pingFromBufferHelpers() {
    quint8 buffer[4] = {0xA5, 0xA5, 0x00, 0x00};
    buffer[2] = CheckNibbleByte(buffer);
    buffer[3] = BufferChecksum(buffer, 3);
    QCOMPARE(BufferToHex(buffer, 4), QStringLiteral("A5A500B6"));
    QVERIFY(ChecksumHolds(kPingFrame));
    QVERIFY(ChecksumHolds(kPingAnswer));
  }

  void replyFrameInvertsFirstAddressNibble() {
    QCOMPARE(BuildReplyFrame(QByteArray::fromHex("A5A5"), {}), kPingAnswer);
    const QByteArray reply =
        BuildReplyFrame(QByteArray::fromHex("A5A5"), QByteArray::fromHex("140B1E05"));
    QCOMPARE(BytesToHex(reply.left(3)), QStringLiteral("55A52D"));
    QVERIFY(ChecksumHolds(reply));
  }

  void hexText() {
    QCOMPARE(BytesToHex({}), QString());
    QCOMPARE(BytesToHex(QByteArray::fromHex("000F")), QStringLiteral("000F"));
    QCOMPARE(HexByte(u"A5"), 165);
    QCOMPARE(HexByte(u"0f"), 15);
    QCOMPARE(HexByte(u"G1"), -1);
    QCOMPARE(HexByte(u"+1"), -1);
    QCOMPARE(HexByte(u"1"), -1);
    quint8 buffer[3] = {};
    CopyToBuffer(QByteArray::fromHex("0102"), buffer);
    QCOMPARE(buffer[1], quint8(2));
    QCOMPARE(buffer[2], quint8(0));
  }
};

QTEST_APPLESS_MAIN(FrameCodecTest)
#include "frame_codec_test.moc"

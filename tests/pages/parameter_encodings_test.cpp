#include <QTest>

#include "link/frame_codec.h"
#include "pages/parameter_encodings.h"

using namespace vor;
using namespace vor::pages;

namespace {

QString Reply(const char* payloadHex) {
  return BytesToHex(BuildReplyFrame(QByteArray::fromHex("A5A5"), QByteArray::fromHex(payloadHex)));
}

}  // namespace

class ParameterEncodingsTest : public QObject {
  Q_OBJECT

 private slots:
  void byteAndWordComeFromReplyBytesThreeAndFour() {
    QCOMPARE(ByteValue(Reply("FA07")), 250);
    QCOMPARE(WordValue(Reply("012C")), 300);
    QCOMPARE(WordValue(Reply("FFFF")), 65535);
  }

  void counterIsItsWordThenItsLowByte_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("low");
    QTest::addColumn<qint64>("counter");
    QTest::newRow("small") << "0001" << 0x2C << qint64(300);
    QTest::newRow("carry into the top byte") << "0100" << 0 << qint64(65536);
    QTest::newRow("largest") << "FFFF" << 0xFF << qint64(16777215);
  }
  void counterIsItsWordThenItsLowByte() {
    QFETCH(QString, word);
    QFETCH(int, low);
    QFETCH(qint64, counter);
    QCOMPARE(CounterValue(WordValue(Reply(word.toLatin1())), low), counter);
  }

  void dateIsYearFrom2000MonthDay() {
    QCOMPARE(DateValue(24, 2, 29), QDate(2024, 2, 29));
    QVERIFY(!DateValue(23, 2, 29).isValid());
    QVERIFY(!DateValue(24, 0, 1).isValid());
  }

  void flagsAreTheBitsOfOneParameter() {
    QVERIFY(Flag(0x81, 0) && Flag(0x81, 7) && !Flag(0x81, 1));
    QVERIFY(Flag(0x02, 1));  // the second byte of a read of 2 is parameter 3: flag 9
    QCOMPARE(int(WithFlag(0x03, 5, true)), 0x23);
    QCOMPARE(int(WithFlag(0xFF, 7, false)), 0x7F);
  }
};

QTEST_APPLESS_MAIN(ParameterEncodingsTest)
#include "parameter_encodings_test.moc"

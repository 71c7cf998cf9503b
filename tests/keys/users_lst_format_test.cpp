#include <QTest>

#include "keys/users_lst_format.h"
#include "three_users.h"
#include "user_row_printing.h"

using namespace vor::keys;
using Content = UsersLstContent;

class UsersLstFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void checkCharacter_data() {
    QTest::addColumn<QByteArray>("masked");
    QTest::addColumn<char>("check");
    QTest::newRow("abc") << QByteArray("abc") << char(0x60);
    QTest::newRow("empty") << QByteArray() << char(0);
    QTest::newRow("xor is CR") << QByteArray("\x0C\x01") << char(0x0D ^ 0xA5);
    QTest::newRow("xor is LF") << QByteArray("\x0B\x01") << char(0x0A ^ 0xA5);
  }
  void checkCharacter() {
    QFETCH(QByteArray, masked);
    QFETCH(char, check);
    QCOMPARE(CalcChs(masked), check);
  }

  void maskNeverBreaksALineAndUndoesItself() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      if (b != '\r' && b != '\n') all.append(char(b));
    const QByteArray masked = MaskUsersText(all);
    QVERIFY(!masked.contains('\r') && !masked.contains('\n'));
    QCOMPARE(MaskUsersText(masked), all);
  }

  void encodesTwoLinesPerUser() { QCOMPARE(EncodeUsersLst(kThreeRows), kThreeUsersLst); }

  void decodesWhatItEncoded() {
    const Content content = DecodeUsersLst(kThreeUsersLst);
    QCOMPARE(content.fault, Content::None);
    QCOMPARE(content.rows, kThreeRows);
    QVERIFY(DecodeUsersLst(QByteArray()).rows.isEmpty());
  }

  void takesLastLineWithoutLineEnd() {
    const Content content = DecodeUsersLst(kThreeUsersLst.chopped(2));
    QCOMPARE(content.fault, Content::None);
    QCOMPARE(content.rows, kThreeRows);
  }

  void faultKeepsRowsReadBeforeIt_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QList<UserRow>>("rows");
    QByteArray bytes = kThreeUsersLst;
    bytes[27 + 2] = '\x04';  // check character of the third key line
    QTest::newRow("key line check") << bytes << int(Content::KeyLine)
                                    << QList<UserRow>{kThreeRows[0], kThreeRows[1], {"2", "", ""}};
    bytes = kThreeUsersLst;
    bytes[13 + 11] = '\x87';  // check character of the second name line
    QTest::newRow("name line check")
        << bytes << int(Content::NameLine) << QList<UserRow>{kThreeRows[0], {"1", "7", ""}};
    QTest::newRow("odd line count")
        << kThreeUsersLst.left(27 + 5) << int(Content::NameLine)
        << QList<UserRow>{kThreeRows[0], kThreeRows[1], {"2", "12", ""}};
    QTest::newRow("empty line") << QByteArray("\r\n") + kThreeUsersLst << int(Content::KeyLine)
                                << QList<UserRow>{{"0", "", ""}};
    QTest::newRow("empty name line") << kThreeUsersLst.left(4) + "\r\n"
                                     << int(Content::NameLine) << QList<UserRow>{{"0", "3", ""}};
    const QByteArray masked = MaskUsersText("x1");
    QTest::newRow("key not a number") << masked + CalcChs(masked) + "\r\n" + kThreeUsersLst.mid(4)
                                      << int(Content::KeyLine) << QList<UserRow>{{"0", "", ""}};
  }
  void faultKeepsRowsReadBeforeIt() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, fault);
    QFETCH(QList<UserRow>, rows);
    const Content content = DecodeUsersLst(bytes);
    QCOMPARE(int(content.fault), fault);
    QCOMPARE(content.rows, rows);
  }
};

QTEST_APPLESS_MAIN(UsersLstFormatTest)
#include "users_lst_format_test.moc"

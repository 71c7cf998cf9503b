#include <QTest>

#include "keys/users_csv_format.h"
#include "user_row_printing.h"

using namespace vor::keys;

class UsersCsvFormatTest : public QObject {
  Q_OBJECT

 private slots:
  void splitsAtTheFirstTwoSemicolons_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<UserRow>("row");
    QTest::newRow("three fields") << "1;7;Иван" << UserRow{"1", "7", "Иван"};
    QTest::newRow("name keeps later semicolons") << "1;7;a;b;" << UserRow{"1", "7", "a;b;"};
    QTest::newRow("no second semicolon") << "1;Иван" << UserRow{"1", "", "Иван"};
    QTest::newRow("no semicolon") << "Иван" << UserRow{"", "", "Иван"};
    QTest::newRow("empty fields") << ";;" << UserRow{};
  }
  void splitsAtTheFirstTwoSemicolons() {
    QFETCH(QString, line);
    QFETCH(UserRow, row);
    QCOMPARE(DecodeUsersCsv({line}), QList<UserRow>{row});
  }

  void joinsCellsWithSemicolons() {
    QCOMPARE(EncodeUsersCsv({{"1", "7", "Иван"}, {"2", "12", ""}}),
             (QStringList{"1;7;Иван", "2;12;"}));
  }
};

QTEST_APPLESS_MAIN(UsersCsvFormatTest)
#include "users_csv_format_test.moc"

#include <QTest>

#include "pages/date_check.h"

using namespace vor::pages;

class DateCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void keepsCalendarDatesAndRefusesTheRest_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leap day") << "2024-2-29"
                              << "2024-2-29";
    QTest::newRow("no leap day") << "2023-2-29" << kWrongDate;
    QTest::newRow("century not leap") << "2100-2-29" << kWrongDate;
    QTest::newRow("ordinary") << "2024-3-15"
                              << "2024-3-15";
    QTest::newRow("leading zeros kept") << "2024-03-05"
                                        << "2024-03-05";
    QTest::newRow("month 0") << "2024-0-1" << kWrongDate;
    QTest::newRow("month 255") << "2024-255-1" << kWrongDate;
    QTest::newRow("day 0") << "2024-1-0" << kWrongDate;
    QTest::newRow("day 31 in April") << "2024-4-31" << kWrongDate;
    QTest::newRow("no day") << "2024-2" << kWrongDate;
    QTest::newRow("empty day") << "2024-2-" << kWrongDate;
    QTest::newRow("empty") << "" << kWrongDate;
    QTest::newRow("third dash") << "2024-2-2-1" << kWrongDate;
    QTest::newRow("sign") << "2024-+2-1" << kWrongDate;
    QTest::newRow("letters") << "2024-x-1" << kWrongDate;
    QTest::newRow("huge") << "2024-99999999999-1" << kWrongDate;
  }
  void keepsCalendarDatesAndRefusesTheRest() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(ChekDate(text), shown);
  }
};

QTEST_MAIN(DateCheckTest)
#include "date_check_test.moc"

#include <QTest>

#include "settings/key_positions.h"

using namespace vor;

class KeyPositionsTest : public QObject {
  Q_OBJECT

 private slots:
  void capacityGivesItsPositions_data() {
    QTest::addColumn<int>("keysMax");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("64") << 64 << QStringList{"Поз.1 -   64  кл."};
    QTest::newRow("110") << 110 << QStringList{"Поз.1 -   110  кл."};
    QTest::newRow("128") << 128
                         << QStringList{"Поз.1 -   16  кл.", "Поз.2 -   32  кл.",
                                        "Поз.3 -   64  кл.", "Поз.4 -   128  кл."};
    QTest::newRow("999") << 999 << QStringList{"Поз.1 -   16  кл.",  "Поз.2 -   32  кл.",
                                               "Поз.3 -   64  кл.",  "Поз.4 -   128  кл.",
                                               "Поз.5 -   256  кл.", "Поз.6 -   512  кл.",
                                               "Поз.7 -   999  кл.", "Поз.8 -   32  кл."};
    QTest::newRow("below 16") << 8 << QStringList();
  }

  void capacityGivesItsPositions() {
    QFETCH(int, keysMax);
    QFETCH(QStringList, texts);
    QCOMPARE(KeyPositionTextsForCapacity(keysMax), texts);
  }

  void schemeCellsGivePositionsWithSpacesDoubled_data() {
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("keys and records") << QStringList{"16/4064", "999/3081"}
                                      << QStringList{"Поз.  1  -    16  кл.  (4064  памет)",
                                                     "Поз.  2  -  999  кл.  (3081  памет)"};
    QTest::newRow("empty cells skipped, numbering goes on")
        << QStringList{"", "32/992", "", "64/960"}
        << QStringList{"Поз.  1  -    32  кл.  (  992  памет)",
                       "Поз.  2  -    64  кл.  (  960  памет)"};
    QTest::newRow("no slash: the whole text is the records")
        << QStringList{"500"} << QStringList{"Поз.  1  -      0  кл.  (  500  памет)"};
    QTest::newRow("numbers that do not parse become 0")
        << QStringList{"x/y"} << QStringList{"Поз.  1  -      0  кл.  (      0  памет)"};
  }

  void schemeCellsGivePositionsWithSpacesDoubled() {
    QFETCH(QStringList, cells);
    QFETCH(QStringList, texts);
    QCOMPARE(KeyPositionTextsFromScheme(cells), texts);
  }
};

QTEST_APPLESS_MAIN(KeyPositionsTest)
#include "key_positions_test.moc"

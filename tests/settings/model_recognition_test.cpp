#include <QTest>

#include "settings/model_recognition.h"

using namespace vor;

namespace {

// Rows in file order; the search sorts them.
CatalogueTable Models(const QList<QPair<QString, QString>>& rows) {
  CatalogueTable table(13);
  table.SetCell(0, kModelCode, "Модел:");
  for (int r = 0; r < rows.size(); ++r) {
    table.SetCell(r + 1, 0, QString::number(r + 1));
    table.SetCell(r + 1, kModelCode, rows[r].first);
    table.SetCell(r + 1, kModelVersion, rows[r].second);
  }
  return table;
}

enum Outcome { None, Exact, Similar };

}  // namespace

class ModelRecognitionTest : public QObject {
  Q_OBJECT

 private slots:
  void findsTheNearestRow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("row");
    // Rows: 1 0301-0101, 2 0150-0200, 3 0301-0301, 4 0301-0201, 5 0500-0100.
    QTest::newRow("same code and version") << "0301-0201" << int(Exact) << 4;
    QTest::newRow("entry sorted first") << "0150-0200" << int(Exact) << 2;
    QTest::newRow("entry sorted last") << "0500-0100" << int(Exact) << 5;
    QTest::newRow("between versions takes the one below") << "0301-0250" << int(Similar) << 4;
    QTest::newRow("below every version takes the lowest") << "0301-0050" << int(Similar) << 1;
    QTest::newRow("above every version takes the highest") << "0301-0999" << int(Similar) << 3;
    QTest::newRow("first code, other version") << "0150-0100" << int(Similar) << 2;
    QTest::newRow("last code, higher version") << "0500-0200" << int(Similar) << 5;
    QTest::newRow("three-character prefix") << "030" << int(Similar) << 1;
    QTest::newRow("code only") << "0500" << int(Similar) << 5;
    QTest::newRow("unknown code between known ones") << "0302-0101" << int(None) << -1;
    QTest::newRow("unknown code below all") << "0100-0101" << int(None) << -1;
    QTest::newRow("unknown code above all") << "0701-0101" << int(None) << -1;
  }

  void findsTheNearestRow() {
    QFETCH(QString, text);
    QFETCH(int, outcome);
    QFETCH(int, row);
    const CatalogueTable models = Models(
        {{"0301", "0101"}, {"0150", "0200"}, {"0301", "0301"}, {"0301", "0201"}, {"0500", "0100"}});
    const ModelMatch match = FindNearestModel(models, text);
    QCOMPARE(match.exact, outcome == Exact);
    QCOMPARE(match.similar, outcome == Similar);
    if (outcome != None) {
      QCOMPARE(match.row, row);
      QCOMPARE(match.entry, models.Cell(row, kModelCode) + "-" + models.Cell(row, kModelVersion) +
                                ":" + QString::number(row));
    }
  }

  void equalModelTextsGoByEntryOrder() {
    // Entries sort as text: "…:10" comes before "…:2".
    QList<QPair<QString, QString>> rows(10, {"0900", "0001"});
    rows[1] = {"0201", "0102"};
    rows[9] = {"0201", "0102"};
    QCOMPARE(FindNearestModel(Models(rows), "0201-0102").row, 10);
  }

  void emptyTableFindsNothing() {
    const ModelMatch match = FindNearestModel(Models({}), "0201-0102");
    QVERIFY(!match.Found());
    QCOMPARE(match.row, -1);
  }
};

QTEST_APPLESS_MAIN(ModelRecognitionTest)
#include "model_recognition_test.moc"

#include <QSet>
#include <QTest>

#include "settings/catalogue_file.h"
#include "settings/model_recognition.h"

using namespace vor;

// The catalogue shipped with the program.
class CatalogueDataTest : public QObject {
  Q_OBJECT

  Catalogue catalogue_;

  QSet<QString> ModelColumn(int column) const {
    QSet<QString> values;
    for (int r = 1; r < catalogue_.models.RowCount(); ++r)
      values.insert(catalogue_.models.Cell(r, column));
    return values;
  }

 private slots:
  void initTestCase() { QVERIFY(ReadSettingsFromIniFile(VOR_DATA_DIR "/VOR.ini", catalogue_)); }

  void simulatorIdentitiesAreExactSimilarAndUnknown_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<bool>("similar");
    QTest::addColumn<QString>("model");
    QTest::newRow("default identity") << "0201-0102" << true << false << "0201-0102";
    QTest::newRow("newer version") << "0201-0199" << false << true << "0201-0105";
    QTest::newRow("unknown code") << "0701-0102" << false << false << "";
  }

  void simulatorIdentitiesAreExactSimilarAndUnknown() {
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QFETCH(bool, similar);
    QFETCH(QString, model);
    const ModelMatch match = FindNearestModel(catalogue_.models, text);
    QCOMPARE(match.exact, exact);
    QCOMPARE(match.similar, similar);
    if (match.Found())
      QCOMPARE(catalogue_.models.Cell(match.row, kModelCode) + "-" +
                   catalogue_.models.Cell(match.row, kModelVersion),
               model);
  }

  void modelsCoverEveryCapacityAndSyncType() {
    QVERIFY(catalogue_.models.RowCount() > 6);
    QVERIFY(ModelColumn(kModelCode).size() >= 3);
    QCOMPARE(ModelColumn(kModelKeysMax), QSet<QString>({"64", "110", "128", "999"}));
    QCOMPARE(ModelColumn(kModelSync), QSet<QString>({"Auto", "Net", "IButton", "RFID"}));
    QCOMPARE(ModelColumn(kModelKeySize), QSet<QString>({"8", "16"}));
    for (int column : {kModelClock, kModelParameters, kModelProblems})
      QCOMPARE(ModelColumn(column), QSet<QString>({kYes, kNo}));
  }

  void everyTableAModelNamesExists() {
    const Catalogue& c = catalogue_;
    for (int r = 1; r < c.models.RowCount(); ++r) {
      const QString pf = c.models.Cell(r, kModelPfTable);
      const QString prophylaxis = c.models.Cell(r, kModelProphylaxis);
      const QString memory = c.models.Cell(r, kModelMemory);
      QVERIFY2(pf == kNo || c.programFunctions.FindColumn(pf) > 1, qPrintable(pf));
      QVERIFY2(prophylaxis == kNo || c.prophylaxis.FindColumn("T" + prophylaxis) > 0,
               qPrintable(prophylaxis));
      QVERIFY2(memory == kNo || c.keysScheme.FindColumn(memory) > 0, qPrintable(memory));
    }
  }

  void firstFunctionTableNamesThePageDefaults() {
    const CatalogueTable& pf = catalogue_.programFunctions;
    const int names = pf.FindColumn("T1");
    QCOMPARE(pf.RowCount(), 25);
    QCOMPARE(pf.Cell(1, names), QString("Автоматичен режим"));
    QCOMPARE(pf.Cell(9, names), QString("Аларма при разбиване на  врата"));
    QCOMPARE(pf.Cell(24, names), QString("Функция 23"));
    for (int r = 1; r <= 24; ++r) QCOMPARE(pf.Cell(r, names - 1), QString("PF"));
    for (const char* other : {"T2", "T3", "T4"}) {
      const int column = pf.FindColumn(other);
      int functions = 0;
      for (int r = 1; r <= 24; ++r) functions += pf.Cell(r, column - 1) == "PF";
      QVERIFY2(functions > 0 && functions < 24, other);
    }
  }
};

QTEST_APPLESS_MAIN(CatalogueDataTest)
#include "catalogue_data_test.moc"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "settings/catalogue_file.h"
#include "settings/cp1251_text.h"

using namespace vor;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A model table of a header and `rows` data rows, every cell named by its place.
CatalogueTable ModelTable(int rows) {
  CatalogueTable table(13);
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c < 13; ++c) table.SetCell(r, c, QStringLiteral("м%1.%2").arg(r).arg(c));
  return table;
}

}  // namespace

class CatalogueFileTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsBecomeKeysWithFramedCells() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    Catalogue written;
    written.models = ModelTable(2);
    QVERIFY(WriteSettingsToIniFile(path, written));

    const QStringList lines = *ReadCp1251Lines(path);
    const int header = int(lines.indexOf("[MODELS]"));
    QVERIFY(header >= 0);
    QCOMPARE(lines.mid(header + 1).size(), 3);
    for (int r = 0; r < 3; ++r) {
      const QString line = lines[header + 1 + r];
      QVERIFY(line.startsWith(QStringLiteral("RC%1CC0=;").arg(r)));
      QCOMPARE(line.count(';'), 14);
    }

    Catalogue read;
    QVERIFY(ReadSettingsFromIniFile(path, read));
    QCOMPARE(read.models, written.models);
    QCOMPARE(read.models.Row(2).size(), 13);
  }

  void sectionsAreReplacedInWritingOrderAndOthersKept() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path, "[MODELS]\r\nRC0CC0=;old;\r\n[OTHER]\r\nx=1\r\n");
    Catalogue catalogue;
    catalogue.keysScheme.SetCell(0, 1, "M1");
    QVERIFY(WriteSettingsToIniFile(path, catalogue));
    QCOMPARE(Bytes(path), QByteArray("[OTHER]\r\nx=1\r\n"
                                     "[KEYS SCHEME]\r\nRC0CC0=;;M1;;\r\n"
                                     "[PROPHYLAXIS]\r\nRC0CC0=;;;;;;;\r\n"
                                     "[PROGRAM FUNCTIONS]\r\nRC0CC0=;;;;;;;;;;;;\r\n"
                                     "[MODELS]\r\nRC0CC0=;;;;;;;;;;;;;;\r\n"));
  }

  void shippedCatalogueReadsAndWritesBackByteForByte() {
    const QString shipped = QStringLiteral(VOR_DATA_DIR "/VOR.ini");
    QTemporaryDir dir;
    const QString copy = dir.filePath("VOR.ini");
    QVERIFY(QFile::copy(shipped, copy));
    Catalogue catalogue;
    QVERIFY(ReadSettingsFromIniFile(copy, catalogue));
    QVERIFY(WriteSettingsToIniFile(copy, catalogue));
    QCOMPARE(Bytes(copy), Bytes(shipped));
  }

  void readingStopsAtAGapInTheRowKeys() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path,
               "[keys scheme]\r\nRC0CC0=;N;A;\r\nRC1CC0=;1;x;\r\nRC2CC0=;2;y;\r\n"
               "RC3CC0=;3;z;\r\nRC4CC0=;4;w;\r\nRC6CC0=;6;v;\r\n");
    Catalogue catalogue;
    QVERIFY(ReadSettingsFromIniFile(path, catalogue));
    QCOMPARE(catalogue.keysScheme.RowCount(), 5);
    QCOMPARE(catalogue.keysScheme.Cell(4, 1), QString("w"));
  }

  void missingSectionOrHeaderGivesEmptyRowZero() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path, "[PROPHYLAXIS]\r\nRC1CC0=;K1;да;\r\n");
    Catalogue catalogue;
    catalogue.models = ModelTable(3);
    QVERIFY(ReadSettingsFromIniFile(path, catalogue));
    QCOMPARE(catalogue.models.RowCount(), 1);
    QCOMPARE(catalogue.models.Row(0), QStringList(13, QString()));
    // Row 0 is missing, row 1 still counts.
    QCOMPARE(catalogue.prophylaxis.RowCount(), 2);
    QCOMPARE(catalogue.prophylaxis.Row(0), QStringList(6, QString()));
  }

  void missingFileLeavesTablesAndNamesThePath() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    Catalogue catalogue;
    catalogue.models = ModelTable(2);
    QVERIFY(!ReadSettingsFromIniFile(path, catalogue));
    QCOMPARE(catalogue.models, ModelTable(2));
    QCOMPARE(
        MissingCatalogueMessage(path).split('\n'),
        QStringList({"IniFile ", QDir::toNativeSeparators(path), " not Exist or is Corupted!"}));
  }

  void cellsAreTheTextsBetweenSemicolons_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("framed") << QByteArray(";a;b;c;") << QStringList({"a", "b", "c"});
    QTest::newRow("empty cells kept") << QByteArray(";;b;;") << QStringList({"", "b", ""});
    QTest::newRow("no semicolon") << QByteArray("abc") << QStringList();
    QTest::newRow("text outside dropped") << QByteArray("x;a;y") << QStringList({"a"});
    QTest::newRow("spaces around trimmed") << QByteArray("  ;a b; ") << QStringList({"a b"});
  }

  void cellsAreTheTextsBetweenSemicolons() {
    QFETCH(QByteArray, value);
    QFETCH(QStringList, cells);
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path, "[KEYS SCHEME]\r\nRC0CC0=" + value + "\r\n");
    Catalogue catalogue;
    QVERIFY(ReadSettingsFromIniFile(path, catalogue));
    cells.resize(3);
    QCOMPARE(catalogue.keysScheme.Row(0), cells);
  }

  void longValueIsCut() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    const QByteArray cell(3000, 'x');
    WriteBytes(path, "[KEYS SCHEME]\r\nRC0CC0=;a;" + cell + ";\r\n");
    Catalogue catalogue;
    QVERIFY(ReadSettingsFromIniFile(path, catalogue));
    // 2047 characters: ";a;" and 2044 of the rest, which has no closing ";" any more.
    QCOMPARE(catalogue.keysScheme.Row(0), QStringList({"a", "", ""}));
  }

  void tableWidensToItsWidestRowButNotBelowItsBase() {
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path,
               "[PROGRAM FUNCTIONS]\r\nRC0CC0=;NF;T1T;T1;T2T;T2;T3T;T3;T4T;T4;T5T;T5;T6T;T6;\r\n"
               "[KEYS SCHEME]\r\nRC0CC0=;N;\r\n");
    Catalogue catalogue;
    QVERIFY(ReadSettingsFromIniFile(path, catalogue));
    QCOMPARE(catalogue.programFunctions.ColumnCount(), 13);
    QCOMPARE(catalogue.programFunctions.Cell(0, 12), QString("T6"));
    QCOMPARE(catalogue.keysScheme.ColumnCount(), 3);

    QVERIFY(WriteSettingsToIniFile(path, catalogue));
    Catalogue again;
    QVERIFY(ReadSettingsFromIniFile(path, again));
    QCOMPARE(again.programFunctions, catalogue.programFunctions);
  }

  void rowThatWouldReadBackChangedRefusesTheWrite_data() {
    QTest::addColumn<QString>("cell");
    QTest::newRow("semicolon") << "a;b";
    QTest::newRow("line feed") << "a\nb";
    QTest::newRow("carriage return") << "a\rb";
    QTest::newRow("over-long row") << QString(2100, 'x');
  }

  void rowThatWouldReadBackChangedRefusesTheWrite() {
    QFETCH(QString, cell);
    QTemporaryDir dir;
    const QString path = dir.filePath("VOR.ini");
    WriteBytes(path, "[MODELS]\r\nRC0CC0=;old;\r\n");
    Catalogue catalogue;
    catalogue.prophylaxis.SetCell(1, 2, cell);
    QVERIFY(!WriteSettingsToIniFile(path, catalogue));
    QCOMPARE(Bytes(path), QByteArray("[MODELS]\r\nRC0CC0=;old;\r\n"));
  }

  void unwritablePlaceFailsAndNamesThePath() {
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/folder/VOR.ini");
    QVERIFY(!WriteSettingsToIniFile(path, Catalogue()));
    QCOMPARE(UnableToWriteMessage(path), "Unable to write to " + QDir::toNativeSeparators(path));
  }
};

QTEST_APPLESS_MAIN(CatalogueFileTest)
#include "catalogue_file_test.moc"

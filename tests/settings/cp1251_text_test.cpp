#include <QTemporaryDir>
#include <QTest>

#include "settings/cp1251_text.h"

using namespace vor;

class Cp1251TextTest : public QObject {
  Q_OBJECT

 private slots:
  void roundTripsEveryByte() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
      if (b != 0x98) all.append(char(b));  // 0x98 has no character
    QCOMPARE(EncodeCp1251(DecodeCp1251(all)), all);
    QCOMPARE(DecodeCp1251("\xC0\xFF\xB9"), QString::fromUtf8("Ая№"));
    QCOMPARE(EncodeCp1251(QString::fromUtf8("Ключ€✓")), QByteArray("\xCA\xEB\xFE\xF7\x88?"));
  }

  void linesEndWithCrLfAndReadBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    QVERIFY(WriteCp1251Lines(path, {QString::fromUtf8("Иван;1"), "", "x"}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xC8\xE2\xE0\xED;1\r\n\r\nx\r\n"));
    QCOMPARE(*ReadCp1251Lines(path), QStringList({QString::fromUtf8("Иван;1"), "", "x"}));
    QVERIFY(!ReadCp1251Lines(dir.filePath("missing.txt")));
  }

  void failedWriteKeepsOldFile() {
    QTemporaryDir dir;
    QString error;
    QVERIFY(!WriteCp1251Lines(dir.filePath("no/such/folder/a.txt"), {"x"}, &error));
    QVERIFY(!error.isEmpty());
  }
};

QTEST_APPLESS_MAIN(Cp1251TextTest)
#include "cp1251_text_test.moc"

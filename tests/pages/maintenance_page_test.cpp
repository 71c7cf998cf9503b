#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>

#include "page_fixture.h"
#include "pages/function_rows.h"
#include "pages/functions_page.h"
#include "pages/maintenance_page.h"
#include "settings/settings_store.h"
#include "ui/message_recorder.h"

using namespace vor;
using namespace vor::pages;

namespace {

using Memory = std::array<quint8, 65>;
using Bytes = QList<QPair<int, int>>;

// The page with a fake link that answers from a parameter memory.
struct Fixture {
  ui::MessageRecorder messages;
  SettingsViews views;
  Dispatcher dispatcher;
  FakeLink link{dispatcher};
  FakeProgress progress;
  TForm23 page{link, dispatcher, messages, progress, views};
  Memory memory{};
  QString maxCycles = "0C35";
  int answered = 0;

  // Answers every waiting request in the order placed: reads from the memory, writes into it.
  void Serve() {
    while (link.Waiting() > 0) {
      const QByteArray request = QByteArray::fromHex(link.sent.value(answered++).toLatin1());
      const int n = quint8(request.at(1));
      QString payload;
      if (quint8(request.at(0)) == 0x23) payload = maxCycles;
      if (quint8(request.at(0)) == 0x02)
        payload = QByteArray().append(char(memory[n])).append(char(memory[n + 1])).toHex();
      if (quint8(request.at(0)) == 0xF2) memory[n] = quint8(request.at(2));
      QVERIFY(link.Answer(payload));
    }
  }
  void Show() { OpenAndLeave(page); }
  void Click(const QString& caption) { ClickButton(page, caption); }
  QLineEdit* Field(const QString& row) const {
    return page.findChild<QWidget*>(row)->findChild<QLineEdit*>();
  }
  QStringList Fields() const {
    QStringList texts;
    for (int i = 1; i <= kCriterionRows; ++i) texts << page.Criterion(i)->text();
    for (int j = 1; j <= kCounterRows; ++j) texts << page.Counter(j)->text();
    return texts;
  }
};

// The parameters the page asks for, from `first` on: words and counters are read in steps.
QStringList ReadsFrom(int first) {
  QStringList reads;
  for (int n : {16, 17, 18, 19, 21, 23, 24, 25, 27, 29, 31, 32, 34, 35, 37, 38,
                39, 41, 42, 44, 45, 47, 48, 55, 56, 57, 58, 59, 60, 61, 62, 63})
    if (n >= first) reads << QString("02%1").arg(n, 2, 16, QChar('0')).toUpper();
  return reads;
}

}  // namespace

class MaintenancePageTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsCarryTheirNamesAndTexts_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("CR1") << "CR1"
                         << QStringList{"  1:",
                                        "Време до напомняне за смяната на акумулатор /в дни/"};
    QTest::newRow("CR9") << "CR9"
                         << QStringList{"   9:",
                                        "Общ Брой цикли с проблем - при които да спре за "
                                        "профилактика на  системата"};
    QTest::newRow("BR1") << "BR1" << QStringList{"   1:", "Брой цикли опити - отключване "};
    QTest::newRow("BR12") << "BR12"
                          << QStringList{"   12:", "Година-Месец-Дата на смяна на акумулатора."};
  }
  void rowsCarryTheirNamesAndTexts() {
    QFETCH(QString, row);
    QFETCH(QStringList, labels);
    Fixture f;
    QStringList texts;
    for (auto* label : f.page.findChild<QWidget*>(row)->findChildren<QLabel*>())
      texts << label->text();
    QCOMPARE(texts, labels);
    QCOMPARE(f.Field(row)->accessibleName(), labels.last());
  }

  void everyRowIsShownAndHiddenByName() {
    Fixture f;
    f.page.show();
    QStringList names;
    for (int i = 1; i <= kCriterionRows; ++i) names << CriterionRowName(i);
    for (int j = 1; j <= kCounterRows; ++j) names << CounterRowName(j);
    for (const QString& name : names) {
      f.views.ShowRow(name, false);
      QVERIFY2(!f.page.findChild<QWidget*>(name)->isVisible(), qPrintable(name));
    }
    for (const QString& name : names) f.views.ShowRow(name, true);
    for (const QString& name : names) QVERIFY(f.page.findChild<QWidget*>(name)->isVisible());
  }

  void fullReadAsksMaximumCyclesAndEveryParameterInTurn() {
    Fixture f;
    f.Show();
    QCOMPARE(f.link.sent, QStringList({"2300", "0210"}));
    QCOMPARE(f.progress.shown, 1);
    f.Serve();
    QCOMPARE(f.link.sent, QStringList({"2300"}) + ReadsFrom(16));
    QVERIFY(!f.progress.open);
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.page.Criterion(10)->text(), QStringLiteral("800000"));
  }

  void shownValues_data() {
    QTest::addColumn<Bytes>("parameters");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("shown");
    QTest::newRow("days, byte × 15") << Bytes{{16, 24}} << "CR1"
                                     << "360";
    QTest::newRow("cycles, word × 256") << Bytes{{19, 0x00}, {20, 0x64}} << "CR4"
                                        << "25600";
    QTest::newRow("byte") << Bytes{{24, 0xFF}} << "CR7"
                          << "255";
    QTest::newRow("word") << Bytes{{27, 0x01}, {28, 0x2C}} << "CR9"
                          << "300";
    QTest::newRow("counter") << Bytes{{29, 1}, {30, 2}, {31, 3}} << "BR1"
                             << "66051";
    QTest::newRow("largest counter") << Bytes{{42, 0xFF}, {43, 0xFF}, {44, 0xFF}} << "BR7"
                                     << "16777215";
    QTest::newRow("leap day") << Bytes{{55, 24}, {56, 2}, {57, 29}} << "BR11"
                              << "2024-2-29";
    QTest::newRow("no leap day") << Bytes{{55, 23}, {56, 2}, {57, 29}} << "BR11"
                                 << "Грешна";
    QTest::newRow("month 0") << Bytes{{58, 24}, {59, 0}, {60, 1}} << "BR12"
                             << "Грешна";
    QTest::newRow("month 255") << Bytes{{61, 24}, {62, 255}, {63, 1}} << "BR13"
                               << "Грешна";
    QTest::newRow("last date") << Bytes{{61, 25}, {62, 12}, {63, 31}} << "BR13"
                               << "2025-12-31";
  }
  void shownValues() {
    QFETCH(Bytes, parameters);
    QFETCH(QString, row);
    QFETCH(QString, shown);
    Fixture f;
    for (const auto& [n, value] : parameters) f.memory[n] = quint8(value);
    f.Show();
    f.Serve();
    QCOMPARE(f.Field(row)->text(), shown);
  }

  void counterIsShownInTwoStages() {
    Fixture f;
    f.memory[29] = 1;
    f.memory[30] = 2;
    f.memory[31] = 3;
    f.page.show();
    f.page.ReadCounters();
    QVERIFY(f.link.Answer("0102"));
    QCOMPARE(f.page.Counter(1)->text(), QString::number(0x01 * 65536 + 0x02 * 256));
    QVERIFY(f.link.Answer("0300"));
    QCOMPARE(f.page.Counter(1)->text(), QString::number(0x01 * 65536 + 0x02 * 256 + 3));
  }

  void countersReadStartsAtTwentyNineAndLeavesTheCriteria() {
    Fixture f;
    f.memory[16] = 24;
    f.memory[32] = 7;
    f.Show();
    f.Serve();
    const QStringList criteria = f.Fields().mid(0, kCriterionRows);
    f.memory[16] = 1;
    f.memory[32] = 8;
    f.link.sent.clear();
    f.answered = 0;
    f.page.Counter(1)->setText("stale");

    f.Click("Прочети Броячите");
    QCOMPARE(f.link.sent, QStringList({"021D"}));
    QCOMPARE(f.page.Counter(1)->text(), QString());
    QCOMPARE(f.progress.shown, 2);
    f.Serve();
    QCOMPARE(f.link.sent, ReadsFrom(29));
    QCOMPARE(f.Fields().mid(0, kCriterionRows), criteria);
    QCOMPARE(f.page.Counter(2)->text(), QString::number(8 * 65536));
    QVERIFY(!f.progress.open);
  }

  void readWithoutConnectionEmptiesTheFieldsAndSaysSo() {
    Fixture f;
    f.Show();
    f.Serve();
    f.link.connected = false;
    f.Click("Прочети Критерии и Броячи");
    QCOMPARE(f.Fields(), QStringList(kCriterionRows + kCounterRows, QString()));
    QCOMPARE(f.messages.Texts(), QStringList({"Нямате изградена връзка към Устройството!"}));
    QCOMPARE(f.progress.shown, 1);
  }

  void readStopsWhereARepliesGoMissing() {
    Fixture f;
    f.Show();
    QVERIFY(f.link.Answer("0C35"));
    QVERIFY(f.link.Answer("1800"));  // parameter 16
    QVERIFY(f.link.Answer(""));      // parameter 17 without its bytes: the chain ends
    QCOMPARE(f.link.Waiting(), 0);
    QCOMPARE(f.page.Criterion(1)->text(), QStringLiteral("360"));
    QCOMPARE(f.page.Criterion(2)->text(), QString());
    QVERIFY(f.progress.open);  // its own time-out reports it
  }

  void maximumCyclesWithoutItsWordShowNothing() {
    Fixture f;
    f.maxCycles = "";
    f.Show();
    f.Serve();
    QCOMPARE(f.page.Criterion(10)->text(), QString());
    QVERIFY(!f.progress.open);  // the read goes on without it
  }

  void maintenanceCommandSetsItsBitOfParameterFour_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("notice");
    QTest::newRow("clear errors")
        << "Изчистване на текущи грешки"
        << "ВНИМАНИЕ!\n\rВсички текущи грешки ще бъдат изчистени!\n\rЖелате ли да продължите?"
        << "F2042300"
        << "Текущите грешки\n\rса изчистени!";
    QTest::newRow("battery")
        << "Сменен Акумулатор                "
        << "ВНИМАНИЕ!\n\rЩе бъде отбелязанана подмяна на\n\rАкумулатор!\n\rЖелате ли да "
           "продължите?"
        << "F2044300"
        << "Потвърдена смяна на\n\rАкумулатор!";
    QTest::newRow("maintenance")
        << "Направена профилактика       "
        << "ВНИМАНИЕ!\n\rЩе бъде отбелязано за направена\n\rПрофилактика\n\rЖелате ли да "
           "продължите?"
        << "F2048300"
        << "Потвърдено за направена\n\r       Профилактика!";
  }
  void maintenanceCommandSetsItsBitOfParameterFour() {
    QFETCH(QString, button);
    QFETCH(QString, question);
    QFETCH(QString, written);
    QFETCH(QString, notice);
    Fixture f;
    f.memory[4] = 0x03;
    f.page.show();
    f.messages.answers = {1};
    f.Click(button);
    QCOMPARE(f.link.sent, QStringList({"0204"}));
    QCOMPARE(f.progress.shown, 1);
    QVERIFY(f.link.Answer("0300"));
    QCOMPARE(f.link.sent, QStringList({"0204", written}));
    QVERIFY(f.progress.open);
    QVERIFY(f.link.Answer(""));
    QVERIFY(!f.progress.open);
    QCOMPARE(f.messages.Texts(), QStringList({question}));  // the notice waits for its timer
    QTRY_COMPARE(f.messages.Texts(), QStringList({question, notice}));
    QCOMPARE(f.messages.shown[0].title, QStringLiteral("-Потвърждение-"));
    QCOMPARE(f.messages.shown[0].noCaption, QStringLiteral("Отказ"));
    QCOMPARE(f.messages.shown[1].title, QStringLiteral("-Уведомление-"));
  }

  void maintenanceCommandRefused_data() {
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("answered Отказ")
        << true
        << QStringList{
               "ВНИМАНИЕ!\n\rВсички текущи грешки ще бъдат изчистени!\n\rЖелате ли да продължите?"};
    QTest::newRow("no connection")
        << false << QStringList{"Нямате изградена връзка към Устройството!"};
  }
  void maintenanceCommandRefused() {
    QFETCH(bool, connected);
    QFETCH(QStringList, messages);
    Fixture f;
    f.link.connected = connected;
    f.messages.answers = {2};
    f.Click("Изчистване на текущи грешки");
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.messages.Texts(), messages);
    QCOMPARE(f.progress.shown, 0);
  }

  // Parameter 4 serves both pages: whichever asks, its reply reaches the functions page.
  void parameterFourReadByTheCommandReachesTheFunctionsPage() {
    Fixture f;
    QTemporaryDir dir;
    QtSettingsStore store(dir.filePath("settings.conf"));
    TApplicationSettings settings(store, f.messages, f.views, [](const QString&) {});
    TForm20 functions(f.link, f.dispatcher, f.messages, f.progress, settings, f.views);
    f.messages.answers = {1};
    f.Click("Сменен Акумулатор                ");
    QVERIFY(f.link.Answer("8100"));
    QVERIFY(functions.Rows()->Box(16)->isChecked());
    QVERIFY(functions.Rows()->Box(23)->isChecked());
    QCOMPARE(f.link.sent.last(), QStringLiteral("F204C100"));
    QVERIFY(f.link.Answer(""));
    QVERIFY(!f.progress.open);
    QCOMPARE(functions.StatusText(), QStringLiteral("Текущи настройки:Записани"));
  }
};

QTEST_MAIN(MaintenancePageTest)
#include "maintenance_page_test.moc"

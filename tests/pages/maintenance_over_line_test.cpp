#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "page_fixture.h"
#include "pages/function_rows.h"
#include "pages/functions_page.h"
#include "pages/maintenance_page.h"
#include "pages_on_line.h"
#include "settings/catalogue_file.h"

using namespace vor;
using namespace vor::pages;

namespace {

// Both pages on the worker, with the settings object and the catalogue of the program.
struct Bench : ControllerOnLine, PageSettings {
  FakeProgress progress;
  Catalogue catalogue;
  TForm20 functions{link, host.dispatcher, messages, progress, settings, views};
  TForm23 maintenance{link, host.dispatcher, messages, progress, views};

  explicit Bench(const QStringList& simOptions = {}) : ControllerOnLine(simOptions) {
    // Where the progress window would run its modal loop: until the sequence closes it.
    progress.whileShown = [this] { Until([this] { return !progress.open; }, 8000); };
    ReadSettingsFromIniFile(VOR_DATA_DIR "/VOR.ini", catalogue);
  }
  // What the main window does with the model reply.
  void Recognise(const QString& model) {
    settings.ApplyModel(model, catalogue.models, catalogue.keysScheme, catalogue.prophylaxis,
                        catalogue.programFunctions);
  }
  // Opens a page as the main window does; it closes once its read is through.
  void Open(QDialog& page) {
    QTimer::singleShot(0, &page, [&page, this] {
      Until([this] { return progress.closed > 0 && !progress.open; }, 8000);
      page.reject();
    });
    if (auto* f = qobject_cast<TForm20*>(&page)) f->Open(f, 0);
    if (auto* m = qobject_cast<TForm23*>(&page)) m->Open(m, 0);
  }
  void Click(QWidget& page, const QString& caption) { ClickButton(page, caption); }
  QList<int> Functions() const {
    QList<int> checked;
    for (int f = 0; f < kFunctionRows; ++f)
      if (functions.Rows()->Box(f)->isChecked()) checked << f;
    return checked;
  }
  QString Today() const {
    const QDate today = QDate::currentDate();
    return QString("%1-%2-%3").arg(today.year()).arg(today.month()).arg(today.day());
  }
};

}  // namespace

class MaintenanceOverLineTest : public QObject {
  Q_OBJECT

 private slots:
  void functionsReadChangeWriteAndReadBack() {
    Bench bench;
    QVERIFY(bench.Connected());
    bench.Open(bench.functions);
    QCOMPARE(bench.functions.StatusText(), QStringLiteral("Текущи настройки:Прочетени"));
    QCOMPARE(bench.Functions(), QList<int>({0, 2}));

    bench.functions.Rows()->Box(9)->click();
    bench.functions.Rows()->Box(18)->click();
    bench.Click(bench.functions, "Запиши");
    QVERIFY(Until([&] {
      return bench.functions.StatusText() == QStringLiteral("Текущи настройки:Записани");
    }));

    bench.functions.Rows()->UncheckAll();
    bench.Click(bench.functions, "Прочети");
    QCOMPARE(bench.Functions(), QList<int>({0, 2, 9, 18}));
    QVERIFY(bench.messages.shown.isEmpty());
  }

  void maintenanceShowsTheControllersCriteriaCountersAndDates() {
    Bench bench;
    QVERIFY(bench.Connected());
    bench.Tell("param 30 0x01");
    bench.Open(bench.maintenance);
    QCOMPARE(bench.maintenance.Criterion(1)->text(), QStringLiteral("360"));
    QCOMPARE(bench.maintenance.Criterion(4)->text(), QString::number(0xC8 * 256));
    QCOMPARE(bench.maintenance.Criterion(10)->text(), QStringLiteral("800000"));
    QCOMPARE(bench.maintenance.Counter(1)->text(), QString::number(0x000139));
    QCOMPARE(bench.maintenance.Counter(11)->text(), QStringLiteral("2023-3-15"));
    QCOMPARE(bench.maintenance.Counter(13)->text(), QStringLiteral("2025-1-20"));
    QVERIFY(bench.messages.shown.isEmpty());
  }

  void maintenanceCommandChangesWhatTheControllerReports_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("dateRow");  // 0: the problems word is cleared instead
    QTest::newRow("clear errors") << "Изчистване на текущи грешки" << 0;
    QTest::newRow("battery") << "Сменен Акумулатор                " << 12;
    QTest::newRow("maintenance") << "Направена профилактика       " << 13;
  }
  void maintenanceCommandChangesWhatTheControllerReports() {
    QFETCH(QString, button);
    QFETCH(int, dateRow);
    Bench bench({"--problems", "0090"});
    QVERIFY(bench.Connected());
    bench.Open(bench.maintenance);
    bench.messages.answers = {1};
    bench.Click(bench.maintenance, button);
    QVERIFY(Until([&] { return bench.messages.shown.size() == 2; }));
    QCOMPARE(bench.messages.shown.last().title, QStringLiteral("-Уведомление-"));

    bench.Click(bench.maintenance, "Прочети Броячите");
    QString problems;  // the problems page's command, answered without that page
    bench.host.dispatcher.Register(0x22, 2, {});
    bench.link.Enqueue(
        bench.link.Address(), QByteArray(1, 0), [&] { problems = bench.link.ReplyText(); }, 0x22);
    QVERIFY(Until([&] { return !problems.isEmpty(); }));
    QCOMPARE(problems.mid(6, 4), dateRow == 0 ? QStringLiteral("0000") : QStringLiteral("0090"));
    for (int row : {12, 13})
      QCOMPARE(bench.maintenance.Counter(row)->text() == bench.Today(), row == dateRow);
    // The bit has done its work: the functions page reads it back clear.
    bench.Open(bench.functions);
    QCOMPARE(bench.Functions(), QList<int>({0, 2}));
  }

  void rowsFollowTheRecognisedModel() {
    Bench bench;
    bench.maintenance.show();
    bench.functions.show();
    bench.Recognise("0201-0100");
    const auto shown = [&](QWidget& page, const QString& row) {
      return page.findChild<QWidget*>(row)->isVisible();
    };
    QVERIFY(shown(bench.functions, "Panel_P15"));
    QVERIFY(!shown(bench.functions, "Panel_P16"));
    QCOMPARE(bench.functions.Rows()->Box(1)->text(),
             QStringLiteral("  1.  Автоматично  Презаключване"));
    QVERIFY(shown(bench.maintenance, "CR3"));
    QVERIFY(!shown(bench.maintenance, "CR4"));
    QVERIFY(shown(bench.maintenance, "CR10"));
    QVERIFY(!shown(bench.maintenance, "BR6"));
    QVERIFY(shown(bench.maintenance, "BR13"));
  }
};

QTEST_MAIN(MaintenanceOverLineTest)
#include "maintenance_over_line_test.moc"

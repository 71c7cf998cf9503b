#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include "page_fixture.h"
#include "pages/parameters_page.h"
#include "pages/problems_page.h"
#include "pages_on_line.h"
#include "settings/key_positions.h"

using namespace vor;
using namespace vor::pages;

namespace {

// The pages on the worker, with vor-sim on the other end.
struct Bench : ControllerOnLine, PageSettings {
  FakeProgress progress;
  TForm22 parameters{link, host.dispatcher, messages, progress, settings};
  TForm21 problems{link, host.dispatcher, messages, progress};

  explicit Bench(const QStringList& simOptions = {}) : ControllerOnLine(simOptions) {
    settings.KeyPositionTexts = KeyPositionTextsForCapacity(999);
    // Where the progress window would run its modal loop: until the sequence closes it. Then
    // the page that Open showed closes as well.
    progress.whileShown = [this] {
      Until([this] { return !progress.open; }, 5000);
      if (openedPage) openedPage->reject();
      openedPage = nullptr;
    };
  }

  // Opens a page as the main window does; it closes once its read is through.
  template <typename Page>
  void Open(Page& page) {
    openedPage = &page;
    page.Open(&page, 0);
  }
  QDialog* openedPage = nullptr;

  QLineEdit* Edit(const QString& name) { return parameters.findChild<QLineEdit*>(name); }
  QCheckBox* Box(QWidget& page, const QString& name) { return page.findChild<QCheckBox*>(name); }
  QString Status(QWidget& page) { return StatusLine(page); }
  void Click(QWidget& page, const QString& caption) { ClickButton(page, caption); }
  // The parameters page's values: times, unlock, scheme and the sixteen events as bits.
  QString Values() {
    int events = 0;
    for (int k = 0; k < 16; ++k)
      if (Box(parameters, QString("CheckBox%1").arg(k + 2))->isChecked()) events |= 1 << k;
    return QString("%1 %2 %3 %4 %5 %6")
        .arg(Edit("Edit2")->text(), Edit("Edit1")->text(), Edit("Edit3")->text())
        .arg(Box(parameters, "CheckBox1")->isChecked())
        .arg(parameters.findChild<QComboBox*>("ComboBox1")->currentIndex())
        .arg(events, 4, 16, QChar('0'));
  }
};

}  // namespace

class PagesOverLineTest : public QObject {
  Q_OBJECT

 private slots:
  void parametersReadChangeWriteAndReadBack() {
    Bench bench;
    QVERIFY(bench.Connected());
    bench.Open(bench.parameters);
    QCOMPARE(bench.Status(bench.parameters), TForm22::kRead);
    QCOMPARE(bench.Values(), QStringLiteral("60 10 60 1 2 3fff"));

    bench.Edit("Edit2")->setText("125");
    bench.Edit("Edit1")->setText("0");
    bench.Edit("Edit3")->setText("250");
    bench.Box(bench.parameters, "CheckBox1")->setChecked(false);
    bench.parameters.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(5);
    bench.Box(bench.parameters, "CheckBox2")->setChecked(false);
    bench.Box(bench.parameters, "CheckBox17")->setChecked(true);
    bench.Click(bench.parameters, "Запиши");
    QCOMPARE(bench.Status(bench.parameters), TForm22::kWritten);

    bench.Click(bench.parameters, "Прочети");
    QCOMPARE(bench.Status(bench.parameters), TForm22::kRead);
    QCOMPARE(bench.Values(), QStringLiteral("125 256 250 0 5 bffe"));
    QVERIFY(bench.messages.shown.isEmpty());
  }

  void problemsFollowTheController() {
    Bench bench({"--problems", "0901"});
    QVERIFY(bench.Connected());
    bench.Open(bench.problems);
    QCOMPARE(bench.Status(bench.problems), TForm21::kRead);
    QList<int> checked;
    for (int k = 1; k <= 12; ++k)
      if (bench.Box(bench.problems, QString("CheckBox%1").arg(k))->isChecked()) checked << k;
    QCOMPARE(checked, QList<int>({1, 9, 12}));

    // The simulator takes the command in its own time: read until it shows.
    bench.sim.write("problems 0x0002\n");
    QCheckBox* second = bench.Box(bench.problems, "CheckBox2");
    for (QDeadlineTimer deadline(3000); !second->isChecked() && !deadline.hasExpired();) {
      RunEventsFor(20);
      bench.Click(bench.problems, "Прочети   ");
    }
    QVERIFY(second->isChecked());
    QVERIFY(!bench.Box(bench.problems, "CheckBox1")->isChecked());
  }
};

QTEST_MAIN(PagesOverLineTest)
#include "pages_over_line_test.moc"

#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "engine_fixture.h"
#include "fake_progress.h"
#include "pages/parameters_page.h"
#include "pages/problems_page.h"
#include "settings/key_positions.h"
#include "settings/settings_store.h"
#include "settings/settings_views.h"
#include "ui/message_recorder.h"

using namespace vor;
using namespace vor::pages;

namespace {

// The main window's part as far as the pages see it: identity as before, every other reply
// through the dispatcher and the cases the pages registered.
class DispatchingHost : public FakeHost {
 public:
  void Decode(TCommThread& worker) override {
    if (quint8(worker.CurrentFrame().at(3)) == 0x21) return FakeHost::Decode(worker);
    dispatcher.Decode(worker);
  }
  Dispatcher dispatcher;
};

class WorkerLink : public Link {
 public:
  explicit WorkerLink(DispatchingHost& host) : host_(host) {}
  bool Connected() const override { return host_.Connected(); }
  QString AddressText() const override { return host_.worker->AddressText(); }
  int Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
              quint8 command) override {
    return host_.worker->Enqueue(address, data, std::move(action), command);
  }
  QString ReplyText() const override { return host_.worker->ReplyText(); }

 private:
  DispatchingHost& host_;
};

// vor-sim on a pseudo-terminal, the real worker on the other end, and the pages on the worker.
struct Bench {
  QProcess sim;
  DispatchingHost host;
  FakeSync sync{0};
  WorkerLink link{host};
  ui::MessageRecorder messages;
  FakeProgress progress;
  QTemporaryDir dir;
  QtSettingsStore store{dir.filePath("settings.conf")};
  SettingsViews views;
  TApplicationSettings settings{store, messages, views, [](const QString&) {}};
  TForm22 parameters{link, host.dispatcher, messages, progress, settings};
  TForm21 problems{link, host.dispatcher, messages, progress};

  explicit Bench(const QStringList& simOptions = {}) {
    settings.KeyPositionTexts = KeyPositionTextsForCapacity(999);
    // Where the progress window would run its modal loop: until the sequence closes it. Then
    // the page that Open showed closes as well.
    progress.whileShown = [this] {
      Until([this] { return !progress.open; }, 5000);
      if (openedPage) openedPage->reject();
      openedPage = nullptr;
    };
    sim.start(VOR_SIM_PATH, QStringList{"--pty"} + simOptions);
    sim.waitForReadyRead(5000);
    OpenResult line = OpenLine(QString::fromLocal8Bit(sim.readLine()).trimmed(), 9600);
    if (!line.line) return;
    EngineTimings timings;
    timings.closePauseMs = 0;
    host.worker = new TCommThread(std::move(line.line), "A5A5", host, sync, timings);
    host.worker->start(QThread::LowPriority);
  }
  ~Bench() {
    if (host.worker) {
      host.worker->Terminate();
      QDeadlineTimer deadline(5000);
      while (!host.worker->isFinished() && !deadline.hasExpired()) RunEventsFor(5);
      delete host.worker;
    }
    sim.closeWriteChannel();  // its standard input closes: it ends
    sim.waitForFinished(3000);
  }
  bool Connected() {
    return host.worker && Until([this] { return host.connected; }, 5000);
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
  QString Status(QWidget& page) { return page.findChild<QLabel*>("StatusBar1")->text(); }
  void Click(QWidget& page, const QString& caption) {
    for (auto* button : page.findChildren<QPushButton*>())
      if (button->text() == caption) return button->click();
  }
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

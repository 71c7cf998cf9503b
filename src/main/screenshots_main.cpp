// vor-screenshots DIR: every window of the tool, filled from vor-sim, as PNG files to look at.
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstdio>

#include "main/application.h"
#include "ui/message_forms.h"

using namespace vor;

namespace {

// Runs the event loop until `done` holds or `ms` pass.
bool WaitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return done();
}

void Save(QWidget* window, const QString& path) {
  window->grab().save(path);
  std::printf("%s\n", qPrintable(path));
}

// Every modal window that opens is grabbed under the name given for it, then closed, so that
// nothing waits for a person. A window that is named is shot once it has been on top for two
// rounds, so that a page is shot after its reading, not under its progress window.
class ModalShooter {
 public:
  explicit ModalShooter(const QString& dir) : dir_(dir) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Shoot(); });
    timer_.start(300);
  }
  // The next modal window (or `window`, once it is on top) is saved as `name`.png; windows
  // nobody expects are saved as message-N.png.
  void Expect(const QString& name, QWidget* window = nullptr) {
    name_ = name;
    window_ = window;
    seen_ = 0;
  }

 private:
  void Shoot() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (window_ && (modal != window_ || ++seen_ < 2)) return;
    const QString name = name_.isEmpty() ? QString("message-%1").arg(++unnamed_) : name_;
    Expect({});
    Save(modal, dir_ + "/" + name + ".png");
    modal->close();
  }

  QString dir_;
  QString name_;
  QWidget* window_ = nullptr;
  int seen_ = 0;
  int unnamed_ = 0;
  QTimer timer_;
};

void ShootModal(ModalShooter& shooter, const QString& name, const std::function<void()>& open,
                QWidget* window = nullptr) {
  shooter.Expect(name, window);
  open();
}

// The windows besides the main one, each filled as a person would see it.
void ShootEveryWindow(VorApplication& vor, ModalShooter& shooter) {
  TForm1& main = vor.MainWindow();
  const int top = main.PageTop();
  ui::Messages& messages = vor.Messages();
  ShootModal(shooter, "message-question",
             [&] { ui::AskQuestion(messages, "Желаете ли изход от системата?", &main); });
  ShootModal(shooter, "message-notice",
             [&] { ui::ShowNotice(messages, "\n\r\n\r\n\rУСПЕШЕН PING!", &main); });
  ShootModal(shooter, "message-problem", [&] {
    ui::ShowProblem(messages, "Нямате изградена връзка към Устройството!", &main);
  });
  ShootModal(shooter, "progress-window", [&] { vor.ProgressWindow().execute(&main); });
  ShootModal(shooter, "about-box", [&] { vor.AboutBox().Execute(); });
  ShootModal(
      shooter, "parameters-page", [&] { vor.ParametersPage().Open(&main, top); },
      &vor.ParametersPage());
  ShootModal(
      shooter, "problems-page", [&] { vor.ProblemsPage().Open(&main, top); }, &vor.ProblemsPage());
  ShootModal(
      shooter, "functions-page", [&] { vor.FunctionsPage().Open(&main, top); },
      &vor.FunctionsPage());
  ShootModal(
      shooter, "maintenance-page", [&] { vor.MaintenancePage().Open(&main, top); },
      &vor.MaintenancePage());
  for (const auto& [key, name] : {std::pair{1, "Иван Петров"},
                                  {2, "Мария Георгиева"},
                                  {5, "Склад - резервен"},
                                  {12, "Охрана"}})
    vor.Users().Add(key, QString::fromUtf8(name));
  ShootModal(shooter, "users-window", [&] { vor.UsersWindow().Open(&main, top); });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: vor-screenshots DIR [--main-only]\n");
    return 2;
  }
  const QString dir = QDir(args[1]).absolutePath();
  QDir().mkpath(dir);
  const bool mainOnly = args.contains("--main-only");

  QProcess sim;
  sim.start(QApplication::applicationDirPath() + "/vor-sim", {"--pty"});
  if (!sim.waitForReadyRead(5000)) return 1;
  const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();

  ModalShooter shooter(dir);
  QTemporaryDir settings;
  VorApplication::Options options;
  options.port = port;
  options.settingsFile = settings.filePath("settings.conf");
  options.folder = QApplication::applicationDirPath();
  VorApplication vor(options);
  TForm1& main = vor.MainWindow();
  main.show();
  WaitFor([] { return false; }, 300);

  shooter.Expect("message-model-notice");
  main.findChild<QToolButton*>("Връзка")->click();
  if (!WaitFor([&] { return main.Connected() && main.Worker() && main.Worker()->ModelChecked(); },
               10000))
    std::fprintf(stderr, "vor-screenshots: the simulator did not answer\n");
  WaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 3000);
  WaitFor([] { return false; }, 300);
  Save(&main, dir + "/main-window.png");
  if (!mainOnly) ShootEveryWindow(vor, shooter);
  main.StopWorker();
  sim.closeWriteChannel();
  sim.waitForFinished(2000);
  return 0;
}

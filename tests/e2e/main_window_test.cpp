#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "main/application.h"
#include "support/event_loop.h"
#include "ui/message_recorder.h"

using namespace vor;

namespace {

// The program as it starts, with vor-sim on a pseudo-terminal selected as its port.
struct Program {
  QProcess sim;
  QTemporaryDir settings;
  ui::MessageRecorder messages;
  QStringList plainMessages;
  std::unique_ptr<VorApplication> vor;
  QString port;

  explicit Program(const QStringList& simOptions = {}) {
    sim.start(VOR_SIM_PATH, QStringList{"--pty"} + simOptions);
    sim.waitForReadyRead(5000);
    port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    VorApplication::Options options;
    options.port = port;
    options.settingsFile = settings.filePath("vor.conf");
    options.folder = QCoreApplication::applicationDirPath();
    options.messages = &messages;
    options.plainMessage = [this](const QString& text) { plainMessages.append(text); };
    vor = std::make_unique<VorApplication>(options);
    vor->MainWindow().show();
    messages.shown.clear();  // what start-up had to say is not under test here
  }
  ~Program() {
    vor.reset();
    sim.closeWriteChannel();
    sim.waitForFinished(3000);
  }

  TForm1& Main() { return vor->MainWindow(); }
  QToolButton* ConnectButton() { return Main().findChild<QToolButton*>("Връзка"); }
  QString Field(const QString& name) {
    for (QLineEdit* field : Main().findChildren<QLineEdit*>())
      if (field->accessibleName() == name) return field->text();
    return "?";
  }
  bool Identified() {
    return Main().StateText() == state::kEstablished && Main().Worker() &&
           Main().Worker()->ModelChecked();
  }
  void Connect() {
    ConnectButton()->click();
    QVERIFY(Until([this] { return Identified(); }));
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void connectShowsIdentityAndAppliesTheModel() {
    Program program;
    program.Connect();
    QCOMPARE(program.Field("Модел:"), QStringLiteral("0201"));
    QCOMPARE(program.Field("Версия:"), QStringLiteral("0102"));
    QCOMPARE(program.Field("Дата Прозв.:"), QStringLiteral("2020-11-30"));
    QCOMPARE(program.Field("ОТК:"), QStringLiteral("5"));
    QVERIFY(program.Main().Connected());
    QCOMPARE(program.messages.Texts(), QStringList({"Зареден е профил за модел 0201-0102!"}));
    QCOMPARE(program.messages.shown.first().title, QStringLiteral("-Уведомление-"));

    // A second model reply in the same connection applies nothing.
    bool replied = false;
    program.Main().Enqueue(
        program.Main().Address(), QByteArray(1, 0), [&] { replied = true; }, 0x20);
    QVERIFY(Until([&] { return replied; }));
    QCOMPARE(program.messages.shown.size(), 1);
  }

  void unknownModelLoadsTheDefaultProfile() {
    Program program({"--model", "0701"});
    program.Connect();
    QCOMPARE(program.messages.shown.size(), 1);
    QVERIFY(program.messages.Texts().first().startsWith(
        "Няма профил с настройки за система 0701-0102 или подобен на него! Зареден е "
        "стандартен Профил с ограничена функционалност! "));
    QCOMPARE(program.vor->Settings().ActiveProfileName, QStringLiteral("Default Profile"));
  }

  void pingAnnouncedOnce() {
    Program program;
    program.Connect();
    program.messages.shown.clear();
    program.Main().findChild<QPushButton*>("Ping")->click();
    QVERIFY(Until([&] { return !program.messages.shown.isEmpty(); }, 3000));
    Until([] { return false; }, 300);
    QCOMPARE(program.messages.Texts(), QStringList({"\n\r\n\r\n\rУСПЕШЕН PING!"}));
    QCOMPARE(program.messages.shown.first().kind, int(ui::Notice));
  }

  void pingWithoutConnectionIsRefused() {
    Program program;
    program.Main().findChild<QPushButton*>("Ping")->click();
    QCOMPARE(program.messages.Texts(), QStringList({"Нямате изградена връзка към Устройството!"}));
  }

  void disconnectPassesThroughClosing() {
    Program program;
    program.Connect();
    program.ConnectButton()->click();
    QCOMPARE(program.Main().StateText(), state::kClosing);
    QVERIFY(Until([&] { return program.Main().StateText() == state::kNoLink; }));
    QVERIFY(!program.Main().Connected());
    QVERIFY(program.ConnectButton()->isEnabled());
    QVERIFY(!program.ConnectButton()->isChecked());
    QCOMPARE(program.Field("Модел:"), QString());
  }

  void anotherPortWhileConnectedDisconnects() {
    Program program;
    program.Connect();
    program.Main().findChild<QComboBox*>()->setEditText("/dev/null-port");
    QVERIFY(Until([&] { return program.Main().StateText() == state::kNoLink; }));
    QVERIFY(!program.ConnectButton()->isChecked());
    Until([] { return false; }, 300);
    QCOMPARE(program.Main().StateText(), state::kNoLink);  // nothing connects by itself
  }

  void portThatDoesNotOpen() {
    Program program;
    program.Main().SelectPort("/nonexistent/ttyS9");
    program.ConnectButton()->click();
    QCOMPARE(program.Main().StateText(), state::kError);
    const QString message = "Грешка при отваряне на ComPort: /nonexistent/ttyS9!";
    QVERIFY(!program.messages.Texts().isEmpty());
    for (const QString& text : program.messages.Texts()) QCOMPARE(text, message);
    QVERIFY(program.ConnectButton()->isEnabled());
    QVERIFY(!program.ConnectButton()->isChecked());
  }

  void silentControllerKeepsBeingAskedWithoutFillingTheTable() {
    Program program({"--fault", "silent"});
    program.ConnectButton()->click();
    QVERIFY(Until([&] { return program.Main().Worker() != nullptr; }));
    QElapsedTimer clock;
    clock.start();
    int most = 0;
    Until(
        [&] {
          if (const TCommThread* worker = program.Main().Worker())
            if (worker->Table()) most = std::max(most, worker->Table()->PendingCount());
          return false;
        },
        5000);
    QCOMPARE(program.Main().StateText(), state::kNotAnswering);
    QVERIFY(!program.Main().Connected());
    QVERIFY2(most <= 2, qPrintable(QString::number(most)));
    QVERIFY(program.messages.shown.isEmpty());
  }

  void switchedOffPageIsRefused_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("memory") << "Памет"
                            << "За Tози Модел/Профил менюто \"Памет\" не е активно!";
    QTest::newRow("clock") << "Часовник"
                           << "За Tози Модел/Профил менюто \"Часовник\" не е активно!";
  }
  void switchedOffPageIsRefused() {
    QFETCH(QString, button);
    QFETCH(QString, message);
    Program program;
    program.vor->Settings().Memory = false;
    program.vor->Settings().Timer = false;
    program.Main().findChild<QAction*>(button)->trigger();
    QCOMPARE(program.messages.Texts(), QStringList({message}));
    QCOMPARE(program.messages.shown.first().title, QStringLiteral("-Проблем-"));
  }

  void exitAnsweredNoKeepsRunning() {
    Program program;
    program.messages.defaultAnswer = 2;
    QVERIFY(!program.Main().close());
    QVERIFY(program.Main().isVisible());
    QCOMPARE(program.messages.Texts(), QStringList({"Желаете ли изход от системата?"}));
    program.Connect();
    program.messages.answers = {1};
    QVERIFY(program.Main().close());
    QCOMPARE(program.Main().Worker(), nullptr);  // the worker has let the port go
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

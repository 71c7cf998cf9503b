#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "main/progress_window.h"
#include "ui/message_recorder.h"

using namespace vor;

namespace {

constexpr int kShortTimeOut = 300;

}  // namespace

class ProgressWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void stalledSequenceEndsWithAReadingError() {
    ui::MessageRecorder messages;
    TForm28 window(messages, kShortTimeOut);
    // Replies keep coming, but the time counts from execute.
    QTimer replies;
    int replyCount = 0;
    connect(&replies, &QTimer::timeout, [&] { ++replyCount; });
    replies.start(20);
    QElapsedTimer clock;
    clock.start();
    window.execute(nullptr);
    QVERIFY(clock.elapsed() >= kShortTimeOut - 20);
    QVERIFY(replyCount > 5);
    QVERIFY(!window.isOpen());
    QCOMPARE(messages.Texts(), QStringList{"Грешка При четенето!"});
    QCOMPARE(messages.shown[0].kind, int(ui::Problem));
    QCOMPARE(messages.shown[0].title, QString("-Проблем-"));
    QCOMPARE(messages.shown[0].noCaption, QString("Да"));
  }

  void closedInTimeStopsBothTimersQuietly_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("page closes it") << false;
    QTest::newRow("Cancel button") << true;
  }

  void closedInTimeStopsBothTimersQuietly() {
    QFETCH(bool, byButton);
    ui::MessageRecorder messages;
    TForm28 window(messages, kShortTimeOut);
    auto* bar = window.findChild<QProgressBar*>();
    int barWhileOpen = 0;
    QTimer::singleShot(100, &window, [&] {
      barWhileOpen = bar->value();
      if (byButton)
        QTest::mouseClick(window.findChild<QPushButton*>(), Qt::LeftButton);
      else
        window.close();
    });
    window.execute(nullptr);
    QVERIFY(barWhileOpen > 0);
    QCOMPARE(bar->value(), 0);
    QTest::qWait(kShortTimeOut + 100);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(bar->value(), 0);
  }

  void centresOnTheOwnerWithHalvesRoundedToEven() {
    ui::MessageRecorder messages;
    TForm28 window(messages, kShortTimeOut);
    QWidget owner;
    owner.setGeometry(101, 50, 301, 203);
    QPoint shownAt;
    QTimer::singleShot(0, &window, [&] {
      shownAt = window.pos();
      window.close();
    });
    window.execute(&owner);
    // 101 + 150 - 200 and 50 + 102 - 48.
    QCOMPARE(shownAt, QPoint(51, 104));
    QCOMPARE(window.size(), QSize(400, 96));
    QCOMPARE(window.windowTitle(), QString("-Чете на на контролера-"));
  }
};

QTEST_MAIN(ProgressWindowTest)
#include "progress_window_test.moc"

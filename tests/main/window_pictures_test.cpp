#include <QDir>
#include <QTest>
#include <QTimer>

#include "main/about_box.h"
#include "main/message_dialog.h"
#include "main/progress_window.h"
#include "ui/message_recorder.h"

using namespace vor;

// Grabs each window as it is shown; with VOR_SCREENSHOT_DIR set, keeps the pictures there.
class WindowPicturesTest : public QObject {
  Q_OBJECT

  QString dir_ = qEnvironmentVariable("VOR_SCREENSHOT_DIR");

  // Grabs `window` once it is up and closes it; `show` must block until then.
  void Grab(QDialog& window, const QString& name, QSize size, const std::function<void()>& show) {
    QImage picture;
    QTimer::singleShot(50, &window, [&] {
      picture = window.grab().toImage();
      window.reject();
    });
    show();
    QCOMPARE(picture.size() / picture.devicePixelRatio(), size);
    if (!dir_.isEmpty()) QVERIFY(picture.save(QDir(dir_).filePath(name + ".png")));
  }

 private slots:
  void messageDialogInItsThreeKinds_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("yes");
    QTest::addColumn<QString>("no");
    QTest::addColumn<QString>("text");
    QTest::newRow("question") << int(ui::Question) << "-Потвърждение-"
                              << "Да"
                              << "Отказ"
                              << "Желаете ли изход от системата?";
    QTest::newRow("notice") << int(ui::Notice) << "-Уведомление-"
                            << "Да"
                            << "Да"
                            << "Потвърдено за направена\n\r       Профилактика!";
    QTest::newRow("problem") << int(ui::Problem) << "-Проблем-"
                             << "Да"
                             << "Да"
                             << "Няма профил с настройки за система 0701-0102 или подобен на "
                                "него! Зареден е стандартен Профил с ограничена "
                                "функционалност! Моля истеглете си последната версия от сайта "
                                "на фирма TAVO!";
  }

  void messageDialogInItsThreeKinds() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, yes);
    QFETCH(QString, no);
    QFETCH(QString, text);
    TOKBottomDlg dialog;
    Grab(dialog, QStringLiteral("message_%1").arg(QTest::currentDataTag()), {313, 153},
         [&] { dialog.Execute(kind, yes, no, title, text, 1, nullptr); });
  }

  void progressWindow() {
    ui::MessageRecorder messages;
    TForm28 window(messages);
    Grab(window, "progress", {400, 96}, [&] { window.execute(nullptr); });
  }

  void aboutBox() {
    TForm3 box;
    Grab(box, "about", {454, 398}, [&] { box.Execute(); });
  }
};

QTEST_MAIN(WindowPicturesTest)
#include "window_pictures_test.moc"

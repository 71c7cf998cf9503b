#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "main/message_dialog.h"

using namespace vor;

namespace {

// Runs `act` once the dialog is up, then returns what Execute gave.
int ExecuteWhile(TOKBottomDlg& dialog, std::function<void()> act, int kind,
                 const QString& yes = "Да", const QString& no = "Отказ", const QString& title = {},
                 const QString& message = "Текст", QWidget* owner = nullptr) {
  QTimer::singleShot(0, &dialog, [&dialog, act] {
    if (!QTest::qWaitForWindowActive(&dialog)) qWarning("dialog not active");
    act();
    if (dialog.isVisible()) dialog.reject();  // never leave a test hanging
  });
  return dialog.Execute(kind, yes, no, title, message, 1, owner);
}

QPushButton* Button(TOKBottomDlg& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(name);
}

}  // namespace

class MessageDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void onlyTheYesButtonConfirms_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    QTest::newRow("click yes") << "yes" << 1;
    QTest::newRow("click no") << "no" << 2;
    QTest::newRow("Enter") << "enter" << 2;
    QTest::newRow("Esc") << "esc" << 2;
    QTest::newRow("close box") << "close" << 2;
    QTest::newRow("Tab then Enter") << "tab" << 1;
  }

  void onlyTheYesButtonConfirms() {
    QFETCH(QString, action);
    QFETCH(int, result);
    TOKBottomDlg dialog;
    QWidget* focused = nullptr;
    const int got = ExecuteWhile(
        dialog,
        [&] {
          focused = QApplication::focusWidget();
          if (action == "yes") QTest::mouseClick(Button(dialog, "OKBtn"), Qt::LeftButton);
          if (action == "no") QTest::mouseClick(Button(dialog, "CancelBtn"), Qt::LeftButton);
          if (action == "enter") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
          if (action == "esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
          if (action == "close") dialog.close();
          if (action == "tab") {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
          }
        },
        ui::Question);
    QCOMPARE(focused, Button(dialog, "CancelBtn"));
    QCOMPARE(got, result);
  }

  void kindChoosesPictureAndButtons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("yesShown");
    QTest::addColumn<int>("noLeft");
    QTest::newRow("question") << int(ui::Question) << true << 159;
    QTest::newRow("notice") << int(ui::Notice) << false << 125;
    QTest::newRow("problem") << int(ui::Problem) << false << 125;
  }

  void kindChoosesPictureAndButtons() {
    QFETCH(int, kind);
    QFETCH(bool, yesShown);
    QFETCH(int, noLeft);
    TOKBottomDlg dialog;
    QStringList pictures;
    QPushButton* yes = Button(dialog, "OKBtn");
    QPushButton* no = Button(dialog, "CancelBtn");
    ExecuteWhile(
        dialog,
        [&] {
          for (int k = 1; k <= 3; ++k)
            if (dialog.findChild<QLabel*>(QStringLiteral("Image%1").arg(k))->isVisible())
              pictures.append(QString::number(k));
          QCOMPARE(yes->isVisible(), yesShown);
          QCOMPARE(yes->geometry(), QRect(79, 120, 75, 25));
          QCOMPARE(no->geometry(), QRect(noLeft, 120, 75, 25));
        },
        kind, "Да", "Да", "-Проблем-");
    QCOMPARE(pictures, QStringList{QString::number(kind + 1)});
    QCOMPARE(dialog.size(), QSize(313, 153));
  }

  void loneButtonReturnsTwo() {
    TOKBottomDlg dialog;
    const int got = ExecuteWhile(
        dialog, [&] { QTest::mouseClick(Button(dialog, "CancelBtn"), Qt::LeftButton); },
        ui::Problem, "Да", "Да", "-Проблем-");
    QCOMPARE(got, 2);
    QCOMPARE(Button(dialog, "CancelBtn")->text(), QString("Да"));
  }

  void emptyArgumentsTakeTheirDefaults_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("notice") << int(ui::Notice) << "-Потвърждение-";
    QTest::newRow("problem") << int(ui::Problem) << "-Проблем-";
  }

  void emptyArgumentsTakeTheirDefaults() {
    QFETCH(int, kind);
    QFETCH(QString, title);
    TOKBottomDlg dialog;
    ExecuteWhile(
        dialog, [] {}, ui::Question, {}, {}, {}, "first");
    QCOMPARE(Button(dialog, "OKBtn")->text(), QString("Да"));
    ExecuteWhile(dialog, [] {}, kind, {}, {}, {}, {});
    QCOMPARE(Button(dialog, "CancelBtn")->text(), QString("Не"));
    QCOMPARE(dialog.windowTitle(), title);
    QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QString("first"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(dialog.pos(), QPoint(screen.width() / 2 - 160, screen.height() / 2 - 84));
  }

  void kindOutsideTheThreeKeepsTheLastLayout() {
    TOKBottomDlg dialog;
    ExecuteWhile(
        dialog, [] {}, ui::Notice);
    bool yesShown = true;
    ExecuteWhile(
        dialog, [&] { yesShown = Button(dialog, "OKBtn")->isVisible(); }, 7);
    QVERIFY(!yesShown);
    QVERIFY(dialog.findChild<QLabel*>("Image2")->isVisibleTo(&dialog));
  }

  void centresOnTheOwnerWithHalvesRoundedToEven_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QPoint>("position");
    // Halves 150.5 and 100.5 round down to 150 and 100; 151.5 and 101.5 up to 152 and 102.
    QTest::newRow("down to even") << QRect(100, 50, 301, 201) << QPoint(90, 66);
    QTest::newRow("up to even") << QRect(100, 50, 303, 203) << QPoint(92, 68);
  }

  void centresOnTheOwnerWithHalvesRoundedToEven() {
    QFETCH(QRect, owner);
    QFETCH(QPoint, position);
    QWidget window;
    window.setGeometry(owner);
    TOKBottomDlg dialog;
    QPoint shownAt;
    ExecuteWhile(
        dialog, [&] { shownAt = dialog.pos(); }, ui::Question, "Да", "Отказ", {}, "x", &window);
    QCOMPARE(window.frameGeometry(), owner);
    QCOMPARE(shownAt, position);
  }

  void lineFeedCarriageReturnBreaksTheLine() {
    TOKBottomDlg dialog;
    ExecuteWhile(
        dialog, [] {}, ui::Notice, "Да", "Да", {}, "Текущите грешки\n\rса изчистени!");
    QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(),
             QString("Текущите грешки\nса изчистени!"));
  }

  void messageWhileOneIsOpenGetsItsOwnDialog() {
    TOKBottomDlg dialog;
    int inner = 0;
    QString innerTitle;
    const int outer = ExecuteWhile(
        dialog,
        [&] {
          QTimer::singleShot(0, [&] {
            auto* nested = qobject_cast<TOKBottomDlg*>(QApplication::activeModalWidget());
            if (nested && nested != &dialog) {
              innerTitle = nested->windowTitle();
              QTest::mouseClick(nested->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
            }
          });
          inner = dialog.Execute(ui::Question, "Да", "Отказ", "-Второ-", "y", 1, nullptr);
          QTest::mouseClick(Button(dialog, "OKBtn"), Qt::LeftButton);
        },
        ui::Question);
    QCOMPARE(innerTitle, QString("-Второ-"));
    QCOMPARE(inner, 1);
    QCOMPARE(outer, 1);
  }
};

QTEST_MAIN(MessageDialogTest)
#include "message_dialog_test.moc"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <functional>

#include "main/about_box.h"

using namespace vor;

namespace {

// Runs `act` once the box is up; true when the box closed by itself.
bool ClosedBy(TForm3& box, std::function<void()> act) {
  bool closed = true;
  QTimer::singleShot(0, &box, [&] {
    if (!QTest::qWaitForWindowActive(&box)) qWarning("about box not active");
    act();
    QApplication::processEvents();
    if (box.isVisible()) {
      closed = false;
      box.reject();
    }
  });
  box.Execute();
  return closed;
}

}  // namespace

class AboutBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheProgramAndItsVersion() {
    TForm3 box;
    const QString rule(93, '-');
    QCOMPARE(box.findChild<QTextEdit*>()->toPlainText().split('\n'),
             QStringList({"VOR 3.0 Home", rule, "Комукационна програма",
                          "за конфигуриране, настройка и извличане на събития от ",
                          "електронни заключващи системи Sarnet", rule}));
    QCOMPARE(box.findChild<QLabel*>("Label1")->text(), QString("Версия:1-0-0-6"));
    QCOMPARE(box.size(), QSize(454, 398));
  }

  void closesOnAClickAnywhereButTheText_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("closes");
    QTest::newRow("panel") << "Panel1" << true;
    QTest::newRow("picture") << "Image2" << true;
    QTest::newRow("version label") << "Label1" << true;
    QTest::newRow("text area") << "Memo1" << false;
  }

  void closesOnAClickAnywhereButTheText() {
    QFETCH(QString, target);
    QFETCH(bool, closes);
    TForm3 box;
    QWidget* widget = box.findChild<QWidget*>(target);
    QVERIFY(widget);
    if (auto* text = qobject_cast<QTextEdit*>(widget)) widget = text->viewport();
    QCOMPARE(ClosedBy(box, [&] { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }),
             closes);
  }

  void closesOnEscAndWhenItLosesTheFocus() {
    TForm3 box;
    QVERIFY(ClosedBy(box, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }));
    QWidget other;
    QVERIFY(ClosedBy(box, [&] {
      other.show();
      other.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&other));
    }));
  }

  void showsTheTextFromItsStart() {
    TForm3 box;
    auto* text = box.findChild<QTextEdit*>();
    text->selectAll();
    int position = -1;
    bool selection = true;
    ClosedBy(box, [&] {
      position = text->textCursor().position();
      selection = text->textCursor().hasSelection();
    });
    QCOMPARE(position, 0);
    QVERIFY(!selection);
  }

  void sitsUnderTheConnectionBarAndNeverLeftOfTheScreen_data() {
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<int>("left");
    QTest::newRow("centred") << QRect(100, 40, 801, 500) << 100 + 400 - 227;
    QTest::newRow("wide window far left") << QRect(-900, 40, 1200, 500) << 0;
  }

  void sitsUnderTheConnectionBarAndNeverLeftOfTheScreen() {
    QFETCH(QRect, mainWindow);
    QFETCH(int, left);
    QMainWindow main;
    auto* toolBar = main.addToolBar("tools");
    toolBar->addAction("x");
    auto* central = new QWidget;
    auto* connectionBar = new QWidget(central);
    connectionBar->setGeometry(0, 30, 200, 40);
    main.setCentralWidget(central);
    main.setGeometry(mainWindow);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    TForm3 box;
    box.SetAnchors(&main, toolBar, connectionBar);
    QPoint shownAt;
    ClosedBy(box, [&] { shownAt = box.pos(); });
    const int top = toolBar->mapToGlobal(toolBar->contentsRect().topLeft()).y() +
                    connectionBar->mapTo(&main, QPoint(0, 0)).y() + toolBar->height();
    QCOMPARE(shownAt, QPoint(left, top));
  }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"

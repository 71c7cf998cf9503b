#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "keys/users_window.h"
#include "loaded_rows.h"
#include "three_users.h"
#include "ui/message_recorder.h"
#include "user_row_printing.h"

using namespace vor::keys;
using vor::ui::MessageRecorder;

namespace {

// Acts on the next modal dialog of type T as soon as it shows.
template <typename T>
class WhenShown {
 public:
  explicit WhenShown(std::function<void(T*)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act] {
      if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
        timer_.stop();
        seen_ = true;
        act(dialog);
        if (dialog->isVisible()) dialog->reject();  // a failed check must not leave it open
      }
    });
    timer_.start(5);
  }
  bool Seen() const { return seen_; }

 private:
  QTimer timer_;
  bool seen_ = false;
};

}  // namespace

class UsersWindowTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  UsersList users_;
  MessageRecorder messages_;
  std::unique_ptr<TForm24> window_;

  QTableView* Grid() const { return window_->findChild<QTableView*>("StringGrid1"); }
  QString Heading() const { return window_->findChild<QLabel*>("Panel1")->text(); }
  int SelectedRow() const {
    const QModelIndexList rows = Grid()->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows[0].row() : -1;
  }
  void Press(const QString& caption) {
    for (QPushButton* button : window_->findChildren<QPushButton*>())
      if (button->text() == caption) return button->click();
    QFAIL(qPrintable("no button " + caption));
  }
  void Choose(const QString& item) {
    for (QAction* action : window_->findChild<QMenu*>()->actions())
      if (action->text() == item) return action->trigger();
    QFAIL(qPrintable("no menu item " + item));
  }
  void ClickHeader(int section) {
    QHeaderView* header = Grid()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(section) + 5, header->height() / 2});
  }

 private slots:
  void init() {
    users_.SetRows(Loaded({{"1", "Ана"}, {"2", "Борис"}, {"4", "Вера"}}));
    users_.ResetSortStates();
    messages_ = MessageRecorder();
    window_ = std::make_unique<TForm24>(users_, messages_, dir_.path());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { window_.reset(); }

  void addProposesFreeKeyAndSelectsNewRow() {
    WhenShown<TForm2> dialog([](TForm2* d) {
      QCOMPARE(d->windowTitle(), "-Ключ/Потребител");
      QCOMPARE(d->findChild<QLabel*>("Panel1")->text(), "Добавяне на Нов Потребител");
      QCOMPARE(d->findChild<QSpinBox*>("SpinEdit1")->value(), 3);
      QCOMPARE(d->focusWidget(), d->findChild<QLineEdit*>("Edit1"));
      QTest::keyClicks(d->focusWidget(), "Dora");
      QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    Press("Добавяне");
    QVERIFY(dialog.Seen());
    QCOMPARE(users_.Count(), 4);
    QCOMPARE(users_.Row(3), (UserRow{"4", "3", "Dora"}));
    QCOMPARE(SelectedRow(), 3);
    QVERIFY(messages_.shown.isEmpty());
  }

  void addToEmptyListFillsFirstRow() {
    users_.Clear();
    WhenShown<TForm2> dialog([](TForm2* d) {
      QCOMPARE(d->findChild<QSpinBox*>("SpinEdit1")->value(), 1);
      d->findChild<QLineEdit*>("Edit1")->setText("Ана");
      QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    Choose("Добавяне");
    QCOMPARE(users_.Users(), (QList<UserRow>{{"1", "1", "Ана"}}));
  }

  void addOfTakenKeyNumberIsRefused() {
    WhenShown<TForm2> dialog([](TForm2* d) {
      d->findChild<QSpinBox*>("SpinEdit1")->setValue(2);
      d->findChild<QLineEdit*>("Edit1")->setText("Дора");
      QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    Press("Добавяне");
    QCOMPARE(messages_.Texts(), QStringList{"Вече има Въведен Потребите с Ключ Номер:2"});
    QCOMPARE(messages_.shown[0].kind, int(vor::ui::Problem));
    QCOMPARE(messages_.shown[0].noCaption, "Да");
    QCOMPARE(users_.Count(), 3);
  }

  void cancelledDialogChangesNothing() {
    WhenShown<TForm2> dialog([](TForm2* d) {
      d->findChild<QLineEdit*>("Edit1")->setText("Дора");
      QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
    });
    Press("Добавяне");
    QCOMPARE(users_.Users(), Loaded({{"1", "Ана"}, {"2", "Борис"}, {"4", "Вера"}}));
  }

  void doubleClickEditsRowAndRenumbers() {
    WhenShown<TForm2> dialog([](TForm2* d) {
      QCOMPARE(d->findChild<QLabel*>("Panel1")->text(), "Редеактиране на Потребител");
      QCOMPARE(d->findChild<QSpinBox*>("SpinEdit1")->value(), 2);
      auto* name = d->findChild<QLineEdit*>("Edit1");
      QCOMPARE(name->selectedText(), "Борис");
      d->findChild<QSpinBox*>("SpinEdit1")->setValue(4);  // a taken number is not refused here
      name->setText("Боян");
      QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    const QPoint cell = Grid()->visualRect(users_.index(1, 2)).center();
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell);
    QVERIFY(dialog.Seen());
    QCOMPARE(users_.Users(),
             (QList<UserRow>{{"1", "1", "Ана"}, {"2", "4", "Боян"}, {"3", "4", "Вера"}}));
  }

  void deleteAsksWithTheName_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<UserRow>>("left");
    QTest::newRow("yes") << 1 << QList<UserRow>{{"0", "1", "Ана"}, {"1", "4", "Вера"}};
    QTest::newRow("cancel") << 2 << Loaded({{"1", "Ана"}, {"2", "Борис"}, {"4", "Вера"}});
  }
  void deleteAsksWithTheName() {
    QFETCH(int, answer);
    QFETCH(QList<UserRow>, left);
    Grid()->selectRow(1);
    messages_.answers = {answer};
    Press("Изтриване");
    QCOMPARE(messages_.shown.size(), 1);
    const MessageRecorder::Shown& asked = messages_.shown[0];
    QCOMPARE(asked.kind, int(vor::ui::Question));
    QCOMPARE(asked.message, "Желате ли Потребител:Борис\r\n да бъде изтрит?");
    QCOMPARE(asked.yesCaption, "Да");
    QCOMPARE(asked.noCaption, "Отказ");
    QCOMPARE(asked.title, "-Потвърждение-");
    QCOMPARE(users_.Users(), left);
  }

  void headerSectionsSort() {
    users_.SetRows(Loaded({{"40", "б"}, {"5", "В"}, {"300", "а"}}));
    ClickHeader(UsersList::NumberColumn);
    QCOMPARE(users_.KeyNumberText(0), "40");
    ClickHeader(UsersList::NameColumn);
    QCOMPARE(users_.Users(), Loaded({{"300", "а"}, {"40", "б"}, {"5", "В"}}));
    ClickHeader(UsersList::NameColumn);
    QCOMPARE(users_.Users(), Loaded({{"5", "В"}, {"40", "б"}, {"300", "а"}}));
    ClickHeader(UsersList::KeyColumn);
    QCOMPARE(users_.Users(), Loaded({{"5", "В"}, {"40", "б"}, {"300", "а"}}));
    QCOMPARE(users_.SortStateOf(UsersList::KeyColumn), UsersList::Ascending);
  }

  void keyNotAWholeNumberIsRefused_data() {
    QTest::addColumn<QString>("operation");
    QTest::newRow("sort") << "sort";
    QTest::newRow("save") << "Запиши";
    QTest::newRow("edit") << "Редактиране";
  }
  void keyNotAWholeNumberIsRefused() {
    QFETCH(QString, operation);
    users_.SetRows({{"1", "1", "Ана"}, {"2", "", "Борис"}});
    Grid()->selectRow(1);
    WhenShown<QDialog> anyDialog([](QDialog* d) { d->reject(); });
    if (operation == "sort")
      ClickHeader(UsersList::NameColumn);
    else
      Press(operation);
    QVERIFY(!anyDialog.Seen());
    QCOMPARE(messages_.Texts(), QStringList{"Ключ Номер \"\" на ред 2 не е цяло число!"});
    QCOMPARE(messages_.shown[0].kind, int(vor::ui::Problem));
    QCOMPARE(SelectedRow(), 1);
    QCOMPARE(users_.Users(), (QList<UserRow>{{"1", "1", "Ана"}, {"2", "", "Борис"}}));
  }

  void fileDialogsProposeTheirFiles_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("filter");
    QTest::newRow("save") << "Запиши" << int(QFileDialog::AcceptSave) << "Users.lst"
                          << "All (*.*)";
    QTest::newRow("load") << "Зареждане" << int(QFileDialog::AcceptOpen) << "Users.lst"
                          << "All (*.*)";
    QTest::newRow("export") << "Експорт" << int(QFileDialog::AcceptSave) << "Users.csv"
                            << "Text Files (*.csv)";
    QTest::newRow("import") << "Импорт" << int(QFileDialog::AcceptOpen) << "Users.csv"
                            << "CSV (*.csv)";
  }
  void fileDialogsProposeTheirFiles() {
    QFETCH(QString, button);
    QFETCH(int, mode);
    QFETCH(QString, file);
    QFETCH(QString, filter);
    WhenShown<QFileDialog> dialog([&](QFileDialog* d) {
      QCOMPARE(int(d->acceptMode()), mode);
      QCOMPARE(d->selectedFiles(), QStringList{dir_.filePath(file)});
      QCOMPARE(d->selectedNameFilter(), filter);
      d->reject();
    });
    Press(button);
    QVERIFY(dialog.Seen());
    QVERIFY(messages_.shown.isEmpty());
    QCOMPARE(users_.Count(), 3);
  }

  void saveWritesUsersInKeyOrderAndLoadReadsThemBack() {
    users_.SetRows({{"1", "12", "al"}, {"2", "3", "Ёж"}, {"3", "7", "Иван Петров"}});
    const QString path = dir_.filePath("saved.lst");
    {
      WhenShown<QFileDialog> dialog([&](QFileDialog* d) {
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();  // QFileDialog hides it
      });
      Press("Запиши");
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), kThreeUsersLst);
    QCOMPARE(users_.Users(), kThreeRows);

    Choose("Изчисти Всичко");
    QCOMPARE(Heading(), "Списък с Потребителите на системата:/Изчистен/");
    QVERIFY(users_.IsEmpty());
    {
      WhenShown<QFileDialog> dialog([&](QFileDialog* d) {
        d->selectFile(path);
        static_cast<QDialog*>(d)->accept();  // QFileDialog hides it
      });
      Press("Зареждане");
    }
    QCOMPARE(users_.Users(), kThreeRows);
    QVERIFY(messages_.shown.isEmpty());
  }

  void openSetsHeadingAndPlacesUnderToolBar_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<bool>("centred");
    QTest::newRow("centred") << QRect(100, 50, 1000, 600) << true;
    QTest::newRow("never left of the screen") << QRect(-400, 50, 300, 600) << false;
  }
  void openSetsHeadingAndPlacesUnderToolBar() {
    QFETCH(QRect, owner);
    QFETCH(bool, centred);
    QWidget main;
    main.setGeometry(owner);
    window_->hide();
    const int left = centred ? 100 + 1000 / 2 - window_->frameGeometry().width() / 2 : 0;
    WhenShown<TForm24> shown([&](TForm24* w) {
      QCOMPARE(w->frameGeometry().topLeft(), QPoint(left, 130));
      QCOMPARE(Heading(), "Списък с Потребителите на системата:/Зареден/");
      QTest::keyClick(w, Qt::Key_Escape);
    });
    window_->Open(&main, 130);
    QVERIFY(shown.Seen());
  }
};

QTEST_MAIN(UsersWindowTest)
#include "users_window_test.moc"

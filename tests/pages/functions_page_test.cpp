#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "page_fixture.h"
#include "pages/function_rows.h"
#include "pages/functions_page.h"

using namespace vor;
using namespace vor::pages;

namespace {

const QString kNotRead = "Текущи настройки:Не прочетени";
const QString kChanged = "Текущи настройки:Променени";
const QString kRead = "Текущи настройки:Прочетени";
const QString kWritten = "Текущи настройки:Записани";

// The page with a fake link, the message recorder and a settings object of its own.
struct Fixture : PageOnFakeLink {
  TForm20 page{link, dispatcher, messages, progress, settings, views};

  QCheckBox* Box(int function) const { return page.Rows()->Box(function); }
  QString Status() const { return page.StatusText(); }
  void Click(const QString& caption) { ClickButton(page, caption); }
  // Opens the page as the main window does and leaves its modal loop once it is up; the read
  // that showing starts is then waiting in the fake link.
  void Show() { OpenAndLeave(page); }
  void Answer(const QString& payload) { QVERIFY(link.Answer(payload)); }
  QList<int> Checked() const {
    QList<int> checked;
    for (int f = 0; f < kFunctionRows; ++f)
      if (Box(f)->isChecked()) checked << f;
    return checked;
  }
  void Check(const QList<int>& functions) {
    for (int f : functions) Box(f)->click();
  }
};

}  // namespace

class FunctionsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsCarryTheirNamesAndDefaultCaptions() {
    Fixture f;
    QCOMPARE(f.Box(0)->text(), QStringLiteral("  0. Автоматичен режим"));
    QCOMPARE(f.Box(8)->text(), QStringLiteral("  8. Аларма при разбиване на  врата"));
    QCOMPARE(f.Box(23)->text(), QStringLiteral("23. Функция 23"));
    f.page.show();
    for (int n = 0; n < kFunctionRows; ++n) {
      const QString name = FunctionRowName(n);
      f.views.ShowRow(name, n < 8);
      f.views.SetRowCaption(name, QString("caption %1").arg(n));
      QCOMPARE(f.page.findChild<QWidget*>(name)->isVisible(), n < 8);
      QCOMPARE(f.Box(n)->text(), QString("caption %1").arg(n));
    }
  }

  void readFillsFunctionsFromParametersTwoAndFour_data() {
    QTest::addColumn<QString>("parameters2and3");
    QTest::addColumn<QString>("parameter4");
    QTest::addColumn<QList<int>>("checked");
    QTest::newRow("0x05 0x80") << "0580"
                               << "0000" << QList<int>{0, 2, 15};
    QTest::newRow("functions 16-23") << "0000"
                                     << "81FF" << QList<int>{16, 23};
    QTest::newRow("all") << "FFFF"
                         << "FF00" << [] {
                              QList<int> all;
                              for (int f = 0; f < kFunctionRows; ++f) all << f;
                              return all;
                            }();
  }
  void readFillsFunctionsFromParametersTwoAndFour() {
    QFETCH(QString, parameters2and3);
    QFETCH(QString, parameter4);
    QFETCH(QList<int>, checked);
    Fixture f;
    f.Check({1, 3, 9, 20});  // left from an earlier reading
    f.Show();
    QCOMPARE(f.link.sent, QStringList({"0202"}));
    QCOMPARE(f.progress.shown, 1);
    f.Answer(parameters2and3);
    f.Answer(parameter4);
    QCOMPARE(f.link.sent, QStringList({"0202", "0204"}));
    QCOMPARE(f.Checked(), checked);
    QCOMPARE(f.Status(), kRead);
    QVERIFY(!f.progress.open);
    QVERIFY(f.messages.shown.isEmpty());
  }

  void writeSendsTheBoxesAndClosesTheWindowAfterParameterThree() {
    Fixture f;
    f.Show();
    f.Answer("0000");
    f.Answer("0000");
    f.Check({0, 9, 23});
    QCOMPARE(f.Status(), kChanged);
    f.link.sent.clear();

    f.Click("Запиши");
    QCOMPARE(f.link.sent, QStringList({"F2020100"}));
    f.Answer("");
    QCOMPARE(f.link.sent.last(), QStringLiteral("F2030200"));
    QVERIFY(f.progress.open);
    f.Answer("");
    // The window is gone while parameter 4 is still being written.
    QCOMPARE(f.link.sent.last(), QStringLiteral("F2048000"));
    QVERIFY(!f.progress.open);
    QCOMPARE(f.link.Waiting(), 1);
    QCOMPARE(f.Status(), kChanged);  // unanswered, it stays changed
    f.Answer("");
    QCOMPARE(f.Status(), kWritten);
    QCOMPARE(f.link.Waiting(), 0);
    QVERIFY(f.messages.shown.isEmpty());
  }

  void hiddenRowsAreWrittenAsTheyWereRead() {
    Fixture f;
    f.page.show();
    for (int n = 8; n < kFunctionRows; ++n) f.views.ShowRow(FunctionRowName(n), false);
    f.Show();
    f.Answer("0542");
    f.Answer("A100");
    f.Box(1)->click();
    f.link.sent.clear();
    f.Click("Запиши");
    f.Answer("");
    f.Answer("");
    f.Answer("");
    QCOMPARE(f.link.sent, QStringList({"F2020700", "F2034200", "F204A100"}));
  }

  void writeIsRefused_data() {
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::newRow("no connection")
        << false << true << "Нямате изградена връзка към Устройството!" << kNotRead;
    QTest::newRow("nothing changed")
        << true << false << "Няма Въведени Промени в настроките!" << kRead;
  }
  void writeIsRefused() {
    QFETCH(bool, connected);
    QFETCH(bool, changed);
    QFETCH(QString, message);
    QFETCH(QString, status);
    Fixture f;
    f.Show();
    f.Answer("0000");
    f.Answer("0000");
    if (changed) f.Check({5});
    f.link.connected = connected;
    f.link.sent.clear();
    f.Click("Запиши");
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.messages.Texts(), QStringList({message}));
    QCOMPARE(f.messages.shown.first().title, QStringLiteral("-Проблем-"));
    QCOMPARE(f.Status(), status);
  }

  void openingWithoutConnectionSaysSoAndWritesNothing() {
    Fixture f;
    f.link.connected = false;
    f.Show();
    QCOMPARE(f.messages.Texts(), QStringList({"Нямате изградена връзка към Устройството!"}));
    f.Click("Запиши");
    QCOMPARE(f.Status(), kNotRead);
    QCOMPARE(f.progress.shown, 0);
  }

  void profileWithoutFunctionsRefusesThePage() {
    Fixture f;
    f.Check({4});
    f.settings.ProgramFunction = 0;
    QWidget mainWindow;
    f.page.Open(&mainWindow, 0);
    QCOMPARE(f.messages.Texts(),
             QStringList({"За Tози Модел/Профил менюто \"Програмируеми Финкции\" не е активно!"}));
    QCOMPARE(f.Checked(), QList<int>({4}));  // the page is left as it was
    QVERIFY(f.link.sent.isEmpty());
  }

  void unexpectedReadStepIsReported() {
    Fixture f;
    f.Show();
    f.Answer("0000");
    f.Click("Прочети");  // starts over while parameter 4 is still asked for
    f.Answer("0000");    // parameter 2 again: parameter 4 is now asked for twice
    f.Answer("0000");    // the first: step 4, the read ends
    QVERIFY(f.messages.shown.isEmpty());
    f.Answer("0000");  // the second: step 5, neither 4 nor 3
    QCOMPARE(f.messages.Texts(), QStringList({"Грешка При четенето!"}));
  }
};

QTEST_MAIN(FunctionsPageTest)
#include "functions_page_test.moc"

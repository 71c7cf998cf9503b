#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "page_fixture.h"
#include "pages/parameters_page.h"
#include "pages/parameters_values.h"
#include "settings/key_positions.h"

using namespace vor;
using namespace vor::pages;

namespace {

const QString kDoorOpenLabel = "Максимално време за  отворена врата (5-1250 сек.)";
const QString kBuzzerLabel = "Време за свирене на Зумера (1 - 250 сек.)";
const QString kRelockLabel = "Време за презаключване (1-250 сек.)";
const QStringList kReadOrder = {"0207", "0208", "0209", "0201", "020A", "020C", "020D"};
// Replies to kReadOrder: door open 60 s, buzzer 10 s, unlock on, scheme 2, relock 60 s,
// events 1 and 8, event 10.
const QStringList kReplies = {"0C00", "0A00", "A500", "0200", "3C00", "8100", "0200"};

// The page with a fake link, the message recorder and a settings object of its own.
struct Fixture : PageOnFakeLink {
  TForm22 page{link, dispatcher, messages, progress, settings};

  Fixture() { settings.KeyPositionTexts = KeyPositionTextsForCapacity(999); }

  QLineEdit* Edit(const QString& label) const {
    for (auto* edit : page.findChildren<QLineEdit*>())
      if (edit->accessibleName() == label) return edit;
    return nullptr;
  }
  QCheckBox* Box(const QString& caption) const {
    for (auto* box : page.findChildren<QCheckBox*>())
      if (box->text() == caption) return box;
    return nullptr;
  }
  QComboBox* Scheme() const { return page.findChild<QComboBox*>("ComboBox1"); }
  QString Status() const { return StatusLine(page); }
  void Click(const QString& caption) { ClickButton(page, caption); }
  // Opens the page as the main window does and leaves its modal loop as soon as it is up; the
  // read that showing starts is then under way, its requests waiting in the fake link.
  void Show() { OpenAndLeave(page); }
  void AnswerAll(const QStringList& replies) {
    for (const QString& reply : replies) QVERIFY(link.Answer(reply));
  }
  QStringList CheckedEvents() const {
    QStringList checked;
    for (int k = 1; k <= 16; ++k)
      if (Box(QString("Събитие %1").arg(k, 2, 10, QChar('0')))->isChecked())
        checked << QString::number(k);
    return checked;
  }
  // Reads the defaults, then leaves the page marked as changed.
  void ReadAndChange() {
    Show();
    AnswerAll(kReplies);
    Box("Събитие 16")->setChecked(true);
    link.sent.clear();
  }
};

}  // namespace

class ParametersPageTest : public QObject {
  Q_OBJECT

 private slots:
  void readFillsEveryControlInOrder() {
    Fixture f;
    f.Show();
    QCOMPARE(f.progress.shown, 1);
    f.AnswerAll(kReplies);
    QCOMPARE(f.link.sent, kReadOrder);
    QCOMPARE(f.Edit(kDoorOpenLabel)->text(), QStringLiteral("60"));
    QCOMPARE(f.Edit(kBuzzerLabel)->text(), QStringLiteral("10"));
    QCOMPARE(f.Edit(kRelockLabel)->text(), QStringLiteral("60"));
    QVERIFY(f.Box("Бутон Отключване")->isChecked());
    QCOMPARE(f.Scheme()->currentIndex(), 2);
    QCOMPARE(f.CheckedEvents(), QStringList({"1", "8", "10"}));
    QCOMPARE(f.Status(), TForm22::kRead);
    QCOMPARE(f.progress.closed, 1);
    QVERIFY(f.messages.shown.isEmpty());
  }

  void shownTimes_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    QTest::newRow("door open in units of 5 s") << 0 << "FA00" << kDoorOpenLabel << "1250";
    QTest::newRow("door open 0") << 0 << "0000" << kDoorOpenLabel << "256";
    QTest::newRow("buzzer 0") << 1 << "0000" << kBuzzerLabel << "256";
    QTest::newRow("relock 0") << 4 << "0000" << kRelockLabel << "256";
    QTest::newRow("relock ignores parameter 11") << 4 << "FAFF" << kRelockLabel << "250";
  }
  void shownTimes() {
    QFETCH(int, row);
    QFETCH(QString, reply);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    Fixture f;
    f.Show();
    QStringList replies = kReplies;
    replies[row] = reply;
    f.AnswerAll(replies);
    QCOMPARE(f.Edit(label)->text(), shown);
  }

  void unlockByteOtherThanZeroChecksAndIsWrittenAsA5() {
    Fixture f;
    f.Show();
    QStringList replies = kReplies;
    replies[2] = "0100";
    f.AnswerAll(replies);
    QVERIFY(f.Box("Бутон Отключване")->isChecked());
    f.Box("Събитие 16")->setChecked(true);
    f.link.sent.clear();
    f.Click("Запиши");
    f.AnswerAll({"", ""});
    QCOMPARE(f.link.sent.at(2), QStringLiteral("F209A500"));
  }

  // Late replies of a sequence that was started again move the step as it stands: the page's
  // tables decide between going on, asking again, the message and nothing.
  void lateRepliesFollowTheTables_data() {
    // r: "Прочети", w: "Запиши", a: answer a request, p: the worker takes the next request
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("read: buzzer reply not counted, asked again")
        << "rapra" << QStringList({"0207", "0208", "0207", "0208"}) << QStringList();
    QTest::newRow("read: unexpected step at the door-open time, the message")
        << "rapraa" << QStringList({"0207", "0208", "0207", "0208"}) << QStringList({kReadError});
    QTest::newRow("read: unexpected step at the relock time, nothing")
        << "raaaapra" << QStringList({"0207", "0208", "0209", "0201", "020A", "0207"})
        << QStringList();
    const QStringList writes = {"F2070C00", "F2080A00", "F2070C00", "F2080A00"};
    QTest::newRow("write: buzzer reply not counted, written again")
        << "wapwa" << writes << QStringList();
    QTest::newRow("write: unexpected step, nothing") << "wapwaa" << writes << QStringList();
  }
  void lateRepliesFollowTheTables() {
    QFETCH(QString, script);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, texts);
    Fixture f;
    f.ReadAndChange();
    for (QChar c : script) {
      if (c == 'r') f.Click("Прочети");
      if (c == 'w') f.Click("Запиши");
      if (c == 'a') QVERIFY(f.link.Answer("0100"));
      if (c == 'p') QVERIFY(f.link.Pick());
    }
    QCOMPARE(f.link.sent, sent);
    QCOMPARE(f.messages.Texts(), texts);
  }

  void replyTheDispatcherDoesNotKnowEndsTheRead() {
    Fixture f;
    f.Show();
    QVERIFY(f.link.Answer("0C00"));
    QVERIFY(f.link.Answer(""));  // too short for a parameter read
    QCOMPARE(f.link.sent, QStringList({"0207", "0208"}));
    QCOMPARE(f.link.Waiting(), 0);
    QVERIFY(f.progress.open);
    QCOMPARE(f.Status(), TForm22::kChanged);
  }

  void readWithoutConnectionSaysSoAndSendsNothing() {
    Fixture f;
    f.link.connected = false;
    f.Show();
    QCOMPARE(f.messages.Texts(), QStringList({kNoConnection}));
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.progress.shown, 0);
    QCOMPARE(f.Status(), TForm22::kNotRead);
    QVERIFY(f.Edit(kBuzzerLabel)->text().isEmpty());
    QCOMPARE(f.Edit(kRelockLabel)->text(), QStringLiteral("60"));  // not cleared by a read
  }

  void writeSendsEveryParameterInOrder() {
    Fixture f;
    f.ReadAndChange();
    f.Click("Запиши");
    f.AnswerAll(QStringList(7, ""));
    QCOMPARE(f.link.sent, QStringList({"F2070C00", "F2080A00", "F209A500", "F2010200", "F20A3C00",
                                       "F20C8100", "F20D8200"}));
    QCOMPARE(f.Status(), TForm22::kWritten);
    QCOMPARE(f.progress.closed, 2);
  }

  void writtenTimes_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("sent");
    QTest::newRow("62 s rounds down") << kDoorOpenLabel << "62" << 0 << "F2070C00";
    QTest::newRow("63 s rounds up") << kDoorOpenLabel << "63" << 0 << "F2070D00";
    QTest::newRow("1280 s keeps the low eight bits") << kDoorOpenLabel << "1280" << 0 << "F2070000";
    QTest::newRow("buzzer 300 s") << kBuzzerLabel << "300" << 1 << "F2082C00";
    QTest::newRow("relock 256 s") << kRelockLabel << " 256 " << 4 << "F20A0000";
  }
  void writtenTimes() {
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, request);
    QFETCH(QString, sent);
    Fixture f;
    f.ReadAndChange();
    f.Edit(label)->setText(text);
    f.Click("Запиши");
    f.AnswerAll(QStringList(7, ""));
    QCOMPARE(f.link.sent.at(request), sent);
  }

  void writeRefused_data() {
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("status");
    QTest::newRow("without a connection") << false << true << kNoConnection << TForm22::kNotWritten;
    QTest::newRow("without changes after a read")
        << true << false << "Няма Въведени Промени в настроките!" << TForm22::kRead;
  }
  void writeRefused() {
    QFETCH(bool, connected);
    QFETCH(bool, changed);
    QFETCH(QString, message);
    QFETCH(QString, status);
    Fixture f;
    f.Show();
    f.AnswerAll(kReplies);
    if (changed) f.Box("Събитие 16")->setChecked(true);
    f.link.connected = connected;
    f.link.sent.clear();
    f.Click("Запиши");
    QCOMPARE(f.messages.Texts(), QStringList({message}));
    QCOMPARE(f.Status(), status);
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.progress.shown, 1);
  }

  void timeThatIsNoWholeNumberStopsTheWriteAndNamesTheField_data() {
    QTest::addColumn<QString>("label");
    QTest::newRow("door open") << kDoorOpenLabel;
    QTest::newRow("buzzer") << kBuzzerLabel;
    QTest::newRow("relock, written late in the sequence") << kRelockLabel;
  }
  void timeThatIsNoWholeNumberStopsTheWriteAndNamesTheField() {
    QFETCH(QString, label);
    Fixture f;
    f.ReadAndChange();
    f.Edit(label)->setText("6O");
    f.Click("Запиши");
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.progress.shown, 1);
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown[0].title, QStringLiteral("-Проблем-"));
    QVERIFY(f.messages.shown[0].message.contains("\"" + label + "\""));
    QCOMPARE(f.Status(), TForm22::kChanged);
  }

  void userChangesMarkThePage() {
    Fixture f;
    f.Show();
    f.AnswerAll(kReplies);
    QTest::keyClicks(f.Edit(kBuzzerLabel), "5");
    QCOMPARE(f.Status(), TForm22::kChanged);
  }

  void schemeIndexOutsideTheListShowsNoneAndIsWrittenBack() {
    Fixture f;
    f.settings.KeyPositionTexts = KeyPositionTextsForCapacity(64);
    f.progress.whileShown = [&] {
      QStringList replies = kReplies;
      replies[3] = "0500";
      f.AnswerAll(replies);
      f.page.reject();
    };
    f.page.Open(&f.page, 0);
    QCOMPARE(f.Scheme()->currentIndex(), -1);
    f.progress.whileShown = nullptr;
    f.Box("Събитие 16")->setChecked(true);
    f.link.sent.clear();
    f.Click("Запиши");
    f.AnswerAll(QStringList(7, ""));
    QCOMPARE(f.link.sent.at(3), QStringLiteral("F2010500"));
  }

  void writeWithoutAnySchemeIsRefused() {
    Fixture f;
    f.settings.KeyPositionTexts.clear();
    f.progress.whileShown = [&] { f.page.reject(); };  // the read gets no answer
    f.page.Open(&f.page, 0);
    f.progress.whileShown = nullptr;
    f.Edit(kDoorOpenLabel)->setText("60");
    f.Edit(kBuzzerLabel)->setText("10");
    f.link.sent.clear();
    f.Click("Запиши");
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.messages.Texts(), QStringList({"Изберете позиция на ключовете!"}));
  }

  void openPreselectsTheSchemeFromTheKeysInUse_data() {
    QTest::addColumn<int>("usedKeys");
    QTest::addColumn<int>("index");
    QTest::newRow("16") << 16 << 0;
    QTest::newRow("after a model row") << -1 << 0;
    QTest::newRow("32") << 32 << 1;
    QTest::newRow("100") << 100 << 3;
    QTest::newRow("999 as 1024") << 999 << 6;
  }
  void openPreselectsTheSchemeFromTheKeysInUse() {
    QFETCH(int, usedKeys);
    QFETCH(int, index);
    Fixture f;
    f.settings.UsedKeys = usedKeys;
    int preselected = -2;
    f.progress.whileShown = [&] {
      preselected = f.Scheme()->currentIndex();
      f.AnswerAll(kReplies);
      f.page.reject();
    };
    f.page.Open(&f.page, 0);
    QCOMPARE(preselected, index);
    QCOMPARE(f.Scheme()->count(), 8);
    QCOMPARE(f.Scheme()->currentIndex(), 2);  // the read's parameter 1
    QCOMPARE(f.Status(), TForm22::kRead);
  }

  void preselectionOfHugeKeyCounts() { QCOMPARE(PreselectedScheme(2147483647), 27); }
};

QTEST_MAIN(ParametersPageTest)
#include "parameters_page_test.moc"

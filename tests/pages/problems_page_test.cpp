#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "fake_link.h"
#include "fake_progress.h"
#include "pages/connection_check.h"
#include "pages/problems_page.h"
#include "ui/message_recorder.h"

using namespace vor;
using namespace vor::pages;

namespace {

struct Fixture {
  Dispatcher dispatcher;
  FakeLink link{dispatcher};
  ui::MessageRecorder messages;
  FakeProgress progress;
  TForm21 page{link, dispatcher, messages, progress};

  QList<QCheckBox*> Boxes() const { return page.findChildren<QCheckBox*>(); }
  QList<int> Checked() const {
    QList<int> checked;
    for (int k = 0; k < Boxes().size(); ++k)
      if (Boxes()[k]->checkState() == Qt::Checked) checked << k + 1;
    return checked;
  }
  QString Status() const { return page.findChild<QLabel*>("StatusBar1")->text(); }
  void Open() {
    progress.whileShown = [this] { page.reject(); };
    page.Open(&page, 0);
  }
};

}  // namespace

class ProblemsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void greyAndUnchangeableBeforeTheFirstShowing() {
    Fixture f;
    QCOMPARE(f.Boxes().size(), 12);
    QCOMPARE(f.Boxes().first()->text(), QStringLiteral("  1. Грешен Ключ"));
    QCOMPARE(f.Boxes().last()->text(), QStringLiteral("12. Основен преглед и профилактика"));
    for (QCheckBox* box : f.Boxes()) {
      QCOMPARE(box->checkState(), Qt::PartiallyChecked);
      QVERIFY(!box->isEnabled());
    }
  }

  void showingReadsTheConditionWord_data() {
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<int>>("checked");
    QTest::newRow("bytes 09 01") << "0901" << QList<int>({1, 9, 12});
    QTest::newRow("upper four bits carry nothing") << "F000" << QList<int>();
    QTest::newRow("all twelve") << "0FFF" << QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  }
  void showingReadsTheConditionWord() {
    QFETCH(QString, reply);
    QFETCH(QList<int>, checked);
    Fixture f;
    f.Open();
    QCOMPARE(f.link.sent, QStringList({"2200"}));
    QCOMPARE(f.Status(), TForm21::kNotRead);
    QVERIFY(f.link.Answer(reply));
    QCOMPARE(f.Checked(), checked);
    QCOMPARE(f.Status(), TForm21::kRead);
    QCOMPARE(f.progress.closed, 1);
  }

  void readClearsTheBoxesFirst() {
    Fixture f;
    f.Open();
    QVERIFY(f.link.Answer("0FFF"));
    f.page.findChild<QPushButton*>()->click();  // "Прочети   "
    QCOMPARE(f.page.findChild<QPushButton*>()->text(), QStringLiteral("Прочети   "));
    QCOMPARE(f.Checked(), QList<int>());
    QCOMPARE(f.Status(), TForm21::kNotRead);
    QCOMPARE(f.link.sent, QStringList({"2200", "2200"}));
  }

  void withoutConnectionSaysSoAndLeavesTheBoxesUnchecked() {
    Fixture f;
    f.link.connected = false;
    QTimer::singleShot(0, &f.page, [&] { f.page.reject(); });
    f.page.Open(&f.page, 0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(f.messages.Texts(), QStringList({kNoConnection}));
    QVERIFY(f.link.sent.isEmpty());
    QCOMPARE(f.progress.shown, 0);
    QCOMPARE(f.Checked(), QList<int>());
    QCOMPARE(f.Boxes().first()->checkState(), Qt::Unchecked);
    QCOMPARE(f.Status(), TForm21::kNotRead);
  }

  void shortReplyIsNotRead() {
    Fixture f;
    f.Open();
    QVERIFY(f.link.Answer(""));
    QCOMPARE(f.Status(), TForm21::kNotRead);
    QVERIFY(f.progress.open);
  }
};

QTEST_MAIN(ProblemsPageTest)
#include "problems_page_test.moc"

#include <QTest>

#include "fake_link.h"
#include "fake_progress.h"
#include "pages/parameter_access.h"
#include "ui/message_recorder.h"

using namespace vor;
using namespace vor::pages;

namespace {

// A page with a read table of four rows, among them a jump, and a write table of two.
struct Page {
  Dispatcher dispatcher;
  FakeLink link{dispatcher};
  ui::MessageRecorder messages;
  FakeProgress progress;
  SequenceContext context{link, dispatcher, messages, progress, nullptr};
  int readStep = 6;
  int writeStep = 6;
  QStringList handled;
  int finished = 0;
  std::optional<quint8> timeByte = 0x3C;

  std::function<void(const QString&)> Log(int parameter) {
    return [this, parameter](const QString& reply) {
      handled << QString("%1=%2").arg(parameter).arg(ByteValue(reply));
    };
  }

  StepSequence read{StepSequence::Direction::Read,
                    readStep,
                    {{7, MoveBy(1), 7, 6, true, Log(7)},
                     {8, MoveBy(1), 8, 7, false, Log(8)},
                     {9, MoveTo(0), 0, 8, true, Log(9)},
                     {1, MoveTo(9), 9, 0, false, Log(1)}},
                    context,
                    [this] { ++finished; }};
  StepSequence write{StepSequence::Direction::Write,
                     writeStep,
                     {{7, MoveBy(1), 7, 6, false, {}, [this] { return timeByte; }},
                      {9, MoveTo(0), 0, kAnyStep, false, {}, [] { return quint8(0xA5); }}},
                     context,
                     [this] { ++finished; }};
};

}  // namespace

class StepSequenceTest : public QObject {
  Q_OBJECT

 private slots:
  void readGoesThroughTheTableInOrder() {
    Page page;
    QVERIFY(page.read.Start());
    QCOMPARE(page.progress.shown, 1);
    for (const char* payload : {"0C00", "0A00", "A500", "0200"}) QVERIFY(page.link.Answer(payload));
    QCOMPARE(page.link.sent, QStringList({"0207", "0208", "0209", "0201"}));
    QCOMPARE(page.handled, QStringList({"7=12", "8=10", "9=165", "1=2"}));
    QCOMPARE(page.readStep, 9);
    QCOMPARE(page.finished, 1);
    QVERIFY(!page.progress.open);
    QCOMPARE(page.link.Waiting(), 0);
    QVERIFY(page.messages.shown.isEmpty());
  }

  // The action compares the step with what the reply should have left, with what it was
  // before the reply, and otherwise complains only where the table says so.
  void actionFollowsTheStep_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stepBeforeReply");
    QTest::addColumn<QString>("placed");
    QTest::addColumn<bool>("problem");
    QTest::newRow("expected: next row") << 0 << 6 << "0208" << false;
    QTest::newRow("not counted: again") << 0 << 5 << "0207" << false;
    QTest::newRow("otherwise: problem") << 0 << 9 << "" << true;
    QTest::newRow("expected after a jump") << 2 << 8 << "0201" << false;
    QTest::newRow("otherwise: nothing") << 1 << 2 << "" << false;
  }
  void actionFollowsTheStep() {
    QFETCH(int, row);
    QFETCH(int, stepBeforeReply);
    QFETCH(QString, placed);
    QFETCH(bool, problem);
    Page page;
    page.read.Start(row);
    page.link.sent.clear();
    page.readStep = stepBeforeReply;
    QVERIFY(page.link.Answer("0100"));
    QCOMPARE(page.link.sent, placed.isEmpty() ? QStringList() : QStringList({placed}));
    QCOMPARE(page.messages.Texts(), problem ? QStringList({kReadError}) : QStringList());
    QCOMPARE(page.progress.closed, 0);
  }

  void replyWithoutItsBytesEndsTheChain() {
    Page page;
    page.read.Start();
    QVERIFY(page.link.Answer(""));
    QCOMPARE(page.link.sent, QStringList({"0207"}));
    QCOMPARE(page.readStep, 6);
    QCOMPARE(page.link.Waiting(), 0);
    QVERIFY(page.progress.open);  // its own time-out reports it
  }

  void parameterWithoutCaseIsRetiredWithoutItsAction() {
    Page page;
    bool ran = false;
    RequestRead(page.link, 3, [&] { ran = true; });
    QVERIFY(page.link.Answer("0000"));
    QVERIFY(!ran);
    QCOMPARE(page.link.Waiting(), 0);
  }

  void writeTakesEachByteAsItsRequestIsPlaced() {
    Page page;
    QVERIFY(page.write.Start());
    page.timeByte = 0x11;  // a repeat sends what the control holds by then
    page.writeStep = 5;
    QVERIFY(page.link.Answer(""));
    QVERIFY(page.link.Answer(""));
    QVERIFY(page.link.Answer(""));
    QCOMPARE(page.link.sent, QStringList({"F2073C00", "F2071100", "F209A500"}));
    QCOMPARE(page.finished, 1);
    QCOMPARE(page.progress.closed, 1);
  }

  void writeWithAMissingByteSendsNothing() {
    Page page;
    page.timeByte.reset();
    QVERIFY(!page.write.Start());
    QVERIFY(page.link.sent.isEmpty());
    QCOMPARE(page.progress.shown, 0);
  }

  void lateReplyOfAnAbandonedReadContinuesFromTheStepAsItIs() {
    Page page;
    page.read.Start();
    page.readStep = 6;  // the page restarted its read before the late reply came
    page.read.Start();
    QVERIFY(page.link.Answer("0C00"));  // the first read's reply: counted, goes on
    QVERIFY(page.link.Answer("0C00"));  // the second's: step 8 is neither 7 nor 6
    QCOMPARE(page.link.sent, QStringList({"0207", "0207", "0208"}));
    QCOMPARE(page.messages.Texts(), QStringList({kReadError}));
  }
};

QTEST_APPLESS_MAIN(StepSequenceTest)
#include "step_sequence_test.moc"

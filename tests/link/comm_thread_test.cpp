#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include "engine_fixture.h"
#include "sim/in_process_simulator.h"

using namespace vor;
using namespace vor::sim;
using namespace std::chrono_literals;

namespace {

const QByteArray kAddress = QByteArray::fromHex("A5A5");

// The worker against the simulator on an in-memory line.
struct Engine {
  MemoryLine line;
  std::unique_ptr<InProcessSimulator> simulator;
  FakeHost host;
  FakeSync sync;
  TCommThread* worker = nullptr;

  explicit Engine(LineBehaviour behaviour = {}, int syncIndex = -1)
      : sync(syncIndex < 0 ? behaviour.syncType : syncIndex) {
    behaviour.lateBy = 200ms;  // inside the drain after the header time-out
    simulator = std::make_unique<InProcessSimulator>(line, behaviour);
    Start(line.HostEnd(ShortTimeouts()));
  }
  // A worker against some other device on the same line.
  explicit Engine(int syncIndex) : sync(syncIndex) {}

  void Start(std::unique_ptr<SerialLine> hostEnd) {
    EngineTimings timings;
    timings.watchdogMs = 60000;
    timings.closePauseMs = 0;
    worker = new TCommThread(std::move(hostEnd), "A5A5", host, sync, timings);
    host.worker = worker;
    worker->start(QThread::LowPriority);
  }

  ~Engine() {
    if (worker) {
      worker->Terminate();
      QDeadlineTimer deadline(5000);
      while (!worker->isFinished() && !deadline.hasExpired()) RunEventsFor(5);
      delete worker;
    }
  }

  ControllerModel& Model() { return simulator->model; }
  FaultPlan& Faults() { return simulator->faults; }

  bool Established() const { return host.connected && host.StateText() == state::kEstablished; }
  // Waits until the start sequence (two identity queries and a ping) is through.
  void WaitForStart() {
    QVERIFY(Until([&] { return Established(); }, 5000));
    QVERIFY(Until([&] { return Model().ReceivedFrames().size() >= 3; }, 5000));
    QVERIFY(Until([&] { return !worker->PingRequested(); }));
  }
};

}  // namespace

class CommThreadTest : public QObject {
  Q_OBJECT

 private slots:
  void firstPassSendsIdentityQueriesThenPing() {
    Engine engine;
    engine.WaitForStart();
    const QList<QByteArray> frames = engine.Model().ReceivedFrames();
    QCOMPARE(BytesToHex(frames.value(0)), QStringLiteral("A5A511210084"));
    QCOMPARE(BytesToHex(frames.value(1)), QStringLiteral("A5A511200085"));
    QCOMPARE(frames.value(2), kPingFrame);
    QCOMPARE(engine.host.identity, QStringLiteral("140B1E05"));
    QCOMPARE(engine.host.connectButtonEnabled, 1);
  }

  void replyTextIsHeaderPayloadAndChecksum() {
    Engine engine;
    engine.WaitForStart();
    QString seen;
    engine.host.Place(0x02, QByteArray(1, 2), [&] { seen = engine.worker->ReplyText(); });
    QVERIFY(Until([&] { return seen == QStringLiteral("55A51E0500E3"); }));
    QCOMPARE(seen, QStringLiteral("55A51E0500E3"));
  }

  void waitingRequestsGoInSlotOrderWithoutSyncWait() {
    LineBehaviour behaviour;
    behaviour.syncType = 2;
    behaviour.syncFrameGap = 400ms;  // waiting for a sync frame would show
    behaviour.quietAfterRequest = 400ms;
    Engine engine(behaviour);
    engine.WaitForStart();
    QList<int> order;
    QElapsedTimer clock;
    QVERIFY(Until([&] { return engine.Model().ReceivedFrames().size() == 3; }, 2000));
    // Place all three inside one page action, as a page does.
    engine.host.Place(0x02, QByteArray(1, 1), [&] {
      clock.start();
      for (int p : {7, 8, 9})
        engine.host.Place(0x02, QByteArray(1, char(p)), [&order, p] { order.append(p); });
    });
    QVERIFY(Until([&] { return order.size() == 3; }, 3000));
    QCOMPARE(order.size(), 3);
    QCOMPARE(order, QList<int>({7, 8, 9}));
    QVERIFY2(clock.elapsed() < 600, qPrintable(QString::number(clock.elapsed())));
  }

  void faultFailsOnlyThatRequest_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("syncType");
    QTest::addColumn<int>("errorNumber");
    QTest::newRow("silent") << int(Fault::Silent) << 0 << 3;
    QTest::newRow("late") << int(Fault::Late) << 0 << 3;
    QTest::newRow("wrong address") << int(Fault::WrongAddress) << 0 << 3;
    QTest::newRow("short") << int(Fault::Short) << 0 << 4;
    QTest::newRow("bad checksum") << int(Fault::BadChecksum) << 0 << 4;
    QTest::newRow("garbage") << int(Fault::Garbage) << 0 << 3;
    QTest::newRow("sync in echo, silent line") << int(Fault::SyncInEcho) << 0 << 1;
    QTest::newRow("sync in echo, idle bytes") << int(Fault::SyncInEcho) << 1 << 1;
    QTest::newRow("sync in echo, sync frames") << int(Fault::SyncInEcho) << 2 << 0;
  }
  void faultFailsOnlyThatRequest() {
    QFETCH(int, fault);
    QFETCH(int, syncType);
    QFETCH(int, errorNumber);
    LineBehaviour behaviour;
    behaviour.syncType = syncType;
    Engine engine(behaviour);
    engine.WaitForStart();
    const QString identity = engine.host.identity;
    const int identityTimerStarts = engine.host.identityTimerStarts;

    bool ran = false;
    engine.Faults().InjectOnce(Fault(fault));
    const int slot = engine.host.Place(0x02, QByteArray(1, 2), [&] { ran = true; });
    if (errorNumber == 0) {
      QVERIFY(Until([&] { return ran; }));
    } else {
      QVERIFY(Until([&] { return engine.worker->LastErrorNumber() == errorNumber; }, 3000));
      QCOMPARE(engine.worker->LastErrorNumber(), errorNumber);
      QVERIFY(Until(
          [&] { return engine.worker->Table()->StatusOf(slot) == RequestTable::Status::Free; }));
      QCOMPARE(engine.worker->Table()->StatusOf(slot), RequestTable::Status::Free);
      QCOMPARE(engine.host.progressClosed, 1);
      QVERIFY(!ran);
      // Still connected: the state and the identity stay.
      QCOMPARE(engine.host.StateText(), state::kEstablished);
      QCOMPARE(engine.host.identity, identity);
      QCOMPARE(engine.host.identityTimerStarts, identityTimerStarts + 1);
    }

    if (Fault(fault) == Fault::Late) RunEventsFor(250);  // let the late reply pass
    bool next = false;
    engine.host.Place(0x02, QByteArray(1, 3), [&] { next = true; });
    QVERIFY(Until([&] { return next; }, 3000));
  }

  void failureWhileNotConnectedAsksForTheIdentityAgain() {
    Engine engine;
    engine.WaitForStart();
    engine.host.connected = false;  // as after a lost identity
    engine.Faults().InjectOnce(Fault::Silent);
    engine.host.Place(0x02, QByteArray(1, 2));
    QVERIFY(Until([&] { return engine.host.StateText() == state::kNotInCommunication; }, 3000));
    QCOMPARE(engine.host.StateText(), state::kNotInCommunication);
    QVERIFY(engine.host.identity.isEmpty());
    QCOMPARE(engine.host.identityTimerStarts, 1);
  }

  void idleBytesBeforeTheEchoArePassedOver() {
    Engine engine(1);
    ScriptedDevice device(engine.line, [](const QByteArray& frame, const QByteArray& reply) {
      return QByteArray::fromHex("F0F0F0") + frame + reply;
    });
    engine.Start(engine.line.HostEnd(ShortTimeouts()));
    QVERIFY(Until([&] { return engine.Established(); }, 5000));
    QCOMPARE(engine.worker->LastErrorNumber(), 0);
  }

  void firstReplyByteA5FailsTheHeader() {
    Engine engine(0);
    ScriptedDevice device(engine.line, [](const QByteArray& frame, QByteArray reply) {
      if (frame.size() > 4 && quint8(frame.at(3)) == 0x02) reply[0] = char(0xA5);
      return frame + reply;
    });
    engine.Start(engine.line.HostEnd(ShortTimeouts()));
    QVERIFY(Until([&] { return engine.Established(); }, 5000));
    bool ran = false;
    engine.host.Place(0x02, QByteArray(1, 2), [&] { ran = true; });
    QVERIFY(Until([&] { return engine.worker->LastErrorNumber() == 3; }, 3000));
    QCOMPARE(engine.worker->LastErrorNumber(), 3);
    QVERIFY(!ran);
  }

  void pingAnswers_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("announced");
    QTest::newRow("right") << kPingAnswer << state::kEstablished << true;
    QTest::newRow("other four bytes")
        << QByteArray::fromHex("55A50FF6") << state::kEstablished << false;
    QTest::newRow("short") << QByteArray::fromHex("55A5") << state::kNotAnswering << false;
  }
  void pingAnswers() {
    QFETCH(QByteArray, answer);
    QFETCH(QString, state);
    QFETCH(bool, announced);
    Engine engine(0);
    std::atomic<bool> identified{false};
    ScriptedDevice device(engine.line, [&](const QByteArray& frame, const QByteArray& reply) {
      if (frame != kPingFrame) return frame + reply;
      return frame + (identified ? answer : reply);
    });
    engine.Start(engine.line.HostEnd(ShortTimeouts()));
    QVERIFY(Until([&] { return engine.Established(); }, 5000));
    QVERIFY(Until([&] { return !engine.worker->PingRequested(); }));
    identified = true;
    engine.host.pingByUser = true;
    engine.worker->RequestPing();
    QVERIFY(Until([&] { return !engine.worker->PingRequested(); }));
    QVERIFY(Until([&] { return engine.host.StateText() == state; }, 2000));
    QCOMPARE(engine.host.StateText(), state);
    RunEventsFor(100);
    QCOMPARE(engine.host.pingAnnouncements, announced ? 1 : 0);
    QCOMPARE(engine.host.pingByUser, !announced);
  }

  void idleByteTellsTheControllerIsThere() {
    LineBehaviour behaviour;
    behaviour.syncType = 1;
    Engine engine(behaviour, 0);  // the settings still say silent
    engine.sync.SetSyncIndex(1);
    QVERIFY(Until([&] { return engine.Established(); }, 5000));
    QCOMPARE(engine.sync.SyncIndex(), 1);
  }

  void controllerFoundByPingIsDetectedAgain() {
    // Answers only the ping: the state becomes "not in communication" and detection runs.
    Engine engine(2);
    ScriptedDevice device(engine.line, [](const QByteArray& frame, const QByteArray& reply) {
      return frame == kPingFrame ? frame + reply : frame;
    });
    engine.sync.SetSyncIndex(0);
    engine.Start(engine.line.HostEnd(ShortTimeouts()));
    QVERIFY(Until([&] { return engine.host.StateText() == state::kNotInCommunication; }, 5000));
    QCOMPARE(engine.host.StateText(), state::kNotInCommunication);
    QVERIFY(Until([&] { return engine.sync.refreshed > 0; }, 3000));
    QCOMPARE(engine.sync.SyncIndex(), 0);  // a silent line
  }

  void stopDuringSyncFrameWaitClosesTheLink() {
    LineBehaviour behaviour;
    behaviour.syncType = 2;
    behaviour.syncFrameGap = 3600s;
    behaviour.quietAfterRequest = 3600s;
    Engine engine(behaviour);
    QVERIFY(Until([&] { return engine.Established(); }, 5000));
    RunEventsFor(100);  // now waiting for a sync frame that does not come
    QElapsedTimer clock;
    clock.start();
    engine.worker->Terminate();
    QVERIFY(Until([&] { return engine.host.closed; }, 2000));
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(engine.host.StateText(), state::kNoLink);
    QVERIFY(!engine.host.connected);
    QVERIFY(engine.worker->Table() == nullptr);
  }

  void vanishedPortEndsTheConnection() {
    Engine engine;
    engine.WaitForStart();
    engine.line.Vanish();
    engine.host.Place(0x02, QByteArray(1, 2));
    QVERIFY(Until([&] { return engine.host.closed; }, 2000));
    QCOMPARE(engine.host.StateText(), state::kNoLink);
    QVERIFY(Until([&] { return engine.worker->isFinished(); }));
  }

  void vanishFaultEndsTheConnection() {
    Engine engine;
    engine.WaitForStart();
    engine.Faults().InjectOnce(Fault::Vanish);
    engine.host.Place(0x02, QByteArray(1, 2));
    QVERIFY(Until([&] { return engine.host.closed; }, 2000));
    QCOMPARE(engine.host.StateText(), state::kNoLink);
  }

  void idleWorkerSleepsOnSilentLine() {
    Engine engine;
    engine.WaitForStart();
    // Nothing to do: a request placed now is carried out at once, not after a poll period.
    QElapsedTimer clock;
    RunEventsFor(50);
    bool ran = false;
    clock.start();
    engine.host.Place(0x02, QByteArray(1, 2), [&] { ran = true; });
    QVERIFY(Until([&] { return ran; }));
    QVERIFY2(clock.elapsed() < 350, qPrintable(QString::number(clock.elapsed())));
  }

  void overPseudoTerminalWithTheSimulator() {
    QProcess sim;
    sim.start(VOR_SIM_PATH, {"--pty", "--sync", "1"});
    QVERIFY(sim.waitForReadyRead(5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    OpenResult opened = OpenLine(path, 9600);
    QVERIFY(opened.line);
    {
      Engine engine(1);
      engine.Start(std::move(opened.line));
      QVERIFY(Until([&] { return engine.Established(); }, 5000));
      QString seen;
      engine.host.Place(0x02, QByteArray(1, 2), [&] { seen = engine.worker->ReplyText(); });
      QVERIFY(Until([&] { return seen == QStringLiteral("55A51E0500E3"); }, 3000));
      QCOMPARE(seen, QStringLiteral("55A51E0500E3"));
    }
    sim.closeWriteChannel();  // its standard input closes: it ends
    QVERIFY(sim.waitForFinished(3000));
  }
};

QTEST_MAIN(CommThreadTest)
#include "comm_thread_test.moc"

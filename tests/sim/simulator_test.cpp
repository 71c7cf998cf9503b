#include <QElapsedTimer>
#include <QTest>
#include <thread>

#include "link/frame_codec.h"
#include "link/memory_line.h"
#include "sim/in_process_simulator.h"

using namespace vor;
using namespace vor::sim;
using namespace std::chrono_literals;

namespace {

// A simulator serving one end of a memory line in its own thread.
struct Bench {
  MemoryLine line;
  InProcessSimulator simulator;
  FaultPlan& faults = simulator.faults;

  explicit Bench(LineBehaviour behaviour = {}) : simulator(line, Late(behaviour)) {}
  static LineBehaviour Late(LineBehaviour behaviour) {
    behaviour.lateBy = 150ms;
    return behaviour;
  }
  void Send(const QByteArray& bytes) { line.toDevice.Write(bytes.data(), int(bytes.size())); }
  // Everything that comes within `quiet` of the last byte.
  QByteArray Collect(std::chrono::milliseconds quiet = 60ms) {
    QByteArray got;
    quint8 buffer[256];
    for (;;) {
      const int n = line.toHost.ReadSome(buffer, 256, std::chrono::steady_clock::now() + quiet);
      if (n <= 0) return got;
      got.append(reinterpret_cast<const char*>(buffer), n);
    }
  }
};

const QByteArray kRead2 = QByteArray::fromHex("A5A5110202A1");
const QByteArray kReply2 = QByteArray::fromHex("55A51E0500E3");

}  // namespace

class SimulatorTest : public QObject {
  Q_OBJECT

 private slots:
  void echoesThenReplies() {
    Bench bench;
    bench.Send(kRead2);
    QCOMPARE(bench.Collect(), kRead2 + kReply2);
  }

  void faultsChangeWhatComesBack_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray wrong = QByteArray::fromHex("A5A51E0500E3");
    QTest::newRow("silent") << int(Fault::Silent) << kRead2;
    QTest::newRow("late") << int(Fault::Late) << kRead2 + kReply2;
    QTest::newRow("wrong address") << int(Fault::WrongAddress) << kRead2 + wrong;
    QTest::newRow("short") << int(Fault::Short) << kRead2 + kReply2.left(4);
    QTest::newRow("bad checksum") << int(Fault::BadChecksum)
                                  << kRead2 + QByteArray::fromHex("55A51E0500E4");
    QTest::newRow("garbage") << int(Fault::Garbage)
                             << kRead2 + QByteArray::fromHex("3C9117") + kReply2;
    QTest::newRow("sync in echo") << int(Fault::SyncInEcho)
                                  << Simulator::SyncFrame(0) + kRead2 + kReply2;
  }
  void faultsChangeWhatComesBack() {
    QFETCH(int, fault);
    QFETCH(QByteArray, expected);
    Bench bench;
    bench.faults.InjectOnce(Fault(fault));
    bench.Send(kRead2);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(bench.Collect(200ms).toHex(), expected.toHex());
    if (Fault(fault) == Fault::Late) QVERIFY(clock.elapsed() >= 150);
    bench.Send(kRead2);  // the next request is served normally
    QCOMPARE(bench.Collect().toHex(), (kRead2 + kReply2).toHex());
  }

  void vanishClosesTheLine() {
    Bench bench;
    bench.faults.InjectOnce(Fault::Vanish);
    bench.Send(kRead2);
    std::this_thread::sleep_for(50ms);
    QVERIFY(bench.line.toHost.IsClosed());
  }

  void everyNthRequestMisbehaves() {
    FaultPlan plan;
    plan.SetKind(Fault::Silent);
    plan.SetEvery(3);
    QList<Fault> seen;
    for (int i = 0; i < 6; ++i) seen.append(plan.Next());
    QCOMPARE(seen, QList<Fault>({Fault::None, Fault::None, Fault::Silent, Fault::None, Fault::None,
                                 Fault::Silent}));
  }

  void seededRateRepeats() {
    auto run = [] {
      FaultPlan plan;
      plan.SetKind(Fault::Short);
      plan.SetRate(0.3, 42);
      QList<Fault> seen;
      for (int i = 0; i < 50; ++i) seen.append(plan.Next());
      return seen;
    };
    const QList<Fault> first = run();
    QCOMPARE(run(), first);
    QVERIFY(first.contains(Fault::Short) && first.contains(Fault::None));
  }

  void idleLineBySyncType_data() {
    QTest::addColumn<int>("syncType");
    QTest::newRow("idle byte") << 1;
    QTest::newRow("sync frame") << 2;
  }
  void idleLineBySyncType() {
    QFETCH(int, syncType);
    LineBehaviour behaviour;
    behaviour.syncType = syncType;
    Bench bench(behaviour);
    std::this_thread::sleep_for(200ms);
    bench.line.toHost.Clear();
    std::this_thread::sleep_for(200ms);
    const QByteArray idle = bench.Collect(0ms);
    // At the real byte time, 175 bytes in 200 ms; sync frames of 6 bytes pause 10 byte times.
    // Never faster than the wire; slower only when the machine is busy.
    const int expected = syncType == 1 ? 175 : 175 * 6 / 16;
    QVERIFY2(idle.size() <= expected + expected / 10 && idle.size() > expected / 3,
             qPrintable(QString::number(idle.size())));
    if (syncType == 1) {
      QCOMPARE(idle, QByteArray(idle.size(), char(0xF0)));
    } else {
      const int start = int(idle.indexOf(QByteArray::fromHex("55A41FA9")));
      QVERIFY(start >= 0);
      QVERIFY(ChecksumHolds(idle.mid(start, 6)));
    }
  }

  void pacedRepliesTakeTheWireTime() {
    LineBehaviour behaviour;
    behaviour.paced = true;
    Bench bench(behaviour);
    QElapsedTimer clock;
    clock.start();
    bench.Send(kRead2);
    QByteArray got;
    quint8 buffer[32];
    while (got.size() < 12) {
      const int n = bench.line.toHost.ReadSome(buffer, 32, std::chrono::steady_clock::now() + 1s);
      QVERIFY(n > 0);
      got.append(reinterpret_cast<char*>(buffer), n);
    }
    // 12 bytes, the first at once: 11 byte times of 1.146 ms, plus scheduling delay.
    const double ms = clock.nsecsElapsed() / 1e6;
    QVERIFY2(ms > 12.0 && ms < 25.0, qPrintable(QString::number(ms)));
  }
};

QTEST_APPLESS_MAIN(SimulatorTest)
#include "simulator_test.moc"

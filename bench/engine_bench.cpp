// vor-bench-engine: the worker against vor-sim on a pseudo-terminal; prints "name: value" lines.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

#include "link/engine_fixture.h"

using namespace vor;

namespace {

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One connection: vor-sim with the given options, the worker on the other end.
class Connection {
 public:
  Connection(const QStringList& simOptions, int syncType) : sync_(syncType) {
    sim_.start(QCoreApplication::applicationDirPath() + "/vor-sim",
               QStringList{"--pty"} + simOptions);
    if (!sim_.waitForReadyRead(5000)) Fail("vor-sim did not start");
    OpenResult opened = OpenLine(QString::fromLocal8Bit(sim_.readLine()).trimmed(), 9600);
    if (!opened.line) Fail("cannot open the pseudo-terminal");
    worker_ = new TCommThread(std::move(opened.line), "A5A5", host_, sync_);
    host_.worker = worker_;
    worker_->start(QThread::LowPriority);
    if (!Until([this] { return host_.connected && !worker_->PingRequested(); }, 10000))
      Fail("no connection");
  }
  ~Connection() {
    worker_->Terminate();
    Until([this] { return worker_->isFinished(); }, 5000);
    delete worker_;
    sim_.closeWriteChannel();
    sim_.waitForFinished(3000);
  }

  // Chained parameter reads, each placed by the action of the one before; seconds taken.
  double ChainedReads(int count) {
    int done = 0;
    std::function<void()> next = [&] {
      if (++done < count) host_.Place(0x02, QByteArray(1, char(1 + done % 60)), next);
    };
    QElapsedTimer clock;
    clock.start();
    host_.Place(0x02, QByteArray(1, 1), next);
    if (!Until([&] { return done == count; }, 120000)) Fail("reads stalled");
    return clock.nsecsElapsed() / 1e9;
  }

  // CPU of this process (the tool's side) while connected and idle, percent of one core.
  static double IdleCpuPercent(int seconds) {
    const double before = ProcessCpuSeconds();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (ProcessCpuSeconds() - before) / seconds * 100;
  }

 private:
  [[noreturn]] static void Fail(const char* why) {
    std::fprintf(stderr, "vor-bench-engine: %s\n", why);
    std::exit(1);
  }

  QProcess sim_;
  FakeHost host_;
  FakeSync sync_;
  TCommThread* worker_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Timed figures are the best of three rounds: a virtual machine's host may take the CPU
  // away for a while, and that says nothing about the tool.
  constexpr int kRounds = 3;
  {
    Connection connection({}, 0);
    connection.ChainedReads(200);  // warm up
    const int count = 3000;
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round)
      best = std::min(best, connection.ChainedReads(count));
    std::printf("tx_per_s: %.0f\n", count / best);
    std::fflush(stdout);
  }
  {
    Connection connection({"--paced"}, 0);
    const int count = 300;
    const double byteTime = 11.0 / 9600;
    const double wire = count * (6 + 6) * byteTime;  // request and reply frames
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round)
      best = std::min(best, connection.ChainedReads(count));
    std::printf("paced_ratio: %.3f\n", best / wire);
    std::fflush(stdout);
  }
  for (int sync : {0, 1, 2}) {
    Connection connection({"--sync", QString::number(sync)}, sync);
    std::printf("idle_cpu_sync%d: %.2f\n", sync, Connection::IdleCpuPercent(10));
    std::fflush(stdout);
  }
  return 0;
}

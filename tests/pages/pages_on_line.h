#pragma once

#include <QDeadlineTimer>
#include <QProcess>

#include "engine_fixture.h"
#include "link/link.h"

// Pages against vor-sim on a pseudo-terminal, with the real worker and dispatcher between.

// The main window's part as far as the pages see it: the identity as before, every other
// reply through the dispatcher and the cases the pages registered.
class DispatchingHost : public FakeHost {
 public:
  void Decode(vor::TCommThread& worker) override {
    if (quint8(worker.CurrentFrame().at(3)) == 0x21) return FakeHost::Decode(worker);
    dispatcher.Decode(worker);
  }
  vor::Dispatcher dispatcher;
};

class WorkerLink : public vor::Link {
 public:
  explicit WorkerLink(DispatchingHost& host) : host_(host) {}
  bool Connected() const override { return host_.Connected(); }
  QString AddressText() const override { return host_.worker->AddressText(); }
  int Enqueue(const QByteArray& address, const QByteArray& data, vor::PageAction action,
              quint8 command) override {
    return host_.worker->Enqueue(address, data, std::move(action), command);
  }
  QString ReplyText() const override { return host_.worker->ReplyText(); }

 private:
  DispatchingHost& host_;
};

// vor-sim started with `simOptions` and the worker on its line; both end with this.
struct ControllerOnLine {
  QProcess sim;
  DispatchingHost host;
  FakeSync sync{0};
  WorkerLink link{host};

  explicit ControllerOnLine(const QStringList& simOptions = {}) {
    sim.start(VOR_SIM_PATH, QStringList{"--pty"} + simOptions);
    sim.waitForReadyRead(5000);
    vor::OpenResult opened = vor::OpenLine(QString::fromLocal8Bit(sim.readLine()).trimmed(), 9600);
    if (!opened.line) return;
    vor::EngineTimings timings;
    timings.closePauseMs = 0;
    host.worker = new vor::TCommThread(std::move(opened.line), "A5A5", host, sync, timings);
    host.worker->start(QThread::LowPriority);
  }
  ~ControllerOnLine() {
    if (host.worker) {
      host.worker->Terminate();
      QDeadlineTimer deadline(5000);
      while (!host.worker->isFinished() && !deadline.hasExpired()) RunEventsFor(5);
      delete host.worker;
    }
    sim.closeWriteChannel();  // its standard input closes: it ends
    sim.waitForFinished(3000);
  }
  bool Connected() {
    return host.worker && Until([this] { return host.connected; }, 5000);
  }
  // A line for the simulator's console ("param 4 0x20").
  void Tell(const QByteArray& command) {
    sim.write(command + '\n');
    sim.waitForBytesWritten(1000);
  }
};

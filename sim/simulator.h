#pragma once

#include <atomic>
#include <chrono>

#include "sim/controller_model.h"
#include "sim/fault_plan.h"
#include "sim/frame_assembler.h"
#include "sim/sim_port.h"

namespace vor::sim {

struct LineBehaviour {
  int syncType = 0;                       // 0 silent, 1 idle F0, 2 repeated sync frame
  bool paced = false;                     // echo and replies at the real byte time, not at once
  std::chrono::milliseconds lateBy{800};  // how late a late reply comes
  // A sync-type-2 controller pauses between sync frames and after answering.
  std::chrono::nanoseconds syncFrameGap{11'000'000'000LL / 9600 * 10};
  std::chrono::nanoseconds quietAfterRequest{20'000'000};
};

// Serves the controller on one line: echo, reply, idle pacing and injected faults.
class Simulator {
 public:
  using Clock = SimPort::Clock;
  // One byte at 9600 baud with a start bit, 8 data bits and 2 stop bits.
  static constexpr std::chrono::nanoseconds kByteTime{11'000'000'000LL / 9600};

  Simulator(SimPort& port, ControllerModel& model, FaultPlan& faults, LineBehaviour behaviour);

  // Serves until `stop` is set or the line goes away.
  void Run(const std::atomic<bool>& stop);

  static QByteArray SyncFrame(quint8 counter);

 private:
  void Receive(quint8 byte);
  void Reply(const QByteArray& frame);
  void Send(const QByteArray& bytes);
  void Flush();
  static void WaitPrecisely(Clock::time_point until);
  void SendIdleByte();
  bool IdleDue(Clock::time_point now) const;

  SimPort& port_;
  ControllerModel& model_;
  FaultPlan& faults_;
  LineBehaviour behaviour_;
  FrameAssembler assembler_;
  Fault fault_ = Fault::None;  // of the request being received
  bool gone_ = false;
  Clock::time_point nextByteAt_{};    // pacing schedule of echo and replies
  Clock::time_point nextIdleAt_{};    // schedule of idle bytes
  Clock::time_point lastActivity_{};  // last byte heard or sent for a request
  QByteArray unsent_;                 // echo and reply not yet written (unpaced)
  QByteArray idleFrame_;              // sync frame being sent
  int idlePosition_ = 0;
  quint8 syncCounter_ = 0;
};

}  // namespace vor::sim

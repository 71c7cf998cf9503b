#include "sim/simulator.h"

#include <thread>

#include "link/frame_codec.h"

namespace vor::sim {
namespace {

using std::chrono::milliseconds;

// A request whose bytes stop coming is dropped.
constexpr auto kFrameAbandon = milliseconds(100);

}  // namespace

Simulator::Simulator(SimPort& port, ControllerModel& model, FaultPlan& faults,
                     LineBehaviour behaviour)
    : port_(port), model_(model), faults_(faults), behaviour_(behaviour) {}

QByteArray Simulator::SyncFrame(quint8 counter) {
  QByteArray frame = QByteArray::fromHex("55A41FA9");
  frame.append(char(counter));
  return AppendChecksum(frame);
}

bool Simulator::IdleDue(Clock::time_point now) const {
  if (behaviour_.syncType != 1 && behaviour_.syncType != 2) return false;
  if (assembler_.InFrame()) return false;
  const auto quiet =
      behaviour_.syncType == 2 ? behaviour_.quietAfterRequest : Clock::duration::zero();
  return now >= nextIdleAt_ && now >= lastActivity_ + quiet;
}

void Simulator::Run(const std::atomic<bool>& stop) {
  quint8 buffer[256];
  nextIdleAt_ = Clock::now();
  lastActivity_ = nextIdleAt_ - behaviour_.quietAfterRequest;
  while (!stop && !gone_) {
    auto deadline = Clock::now() + milliseconds(20);
    if (behaviour_.syncType == 1 || behaviour_.syncType == 2)
      deadline = std::min(deadline, std::max(nextIdleAt_, Clock::now()));
    const int n = port_.ReadSome(buffer, int(sizeof buffer), deadline);
    if (n < 0) return;
    for (int i = 0; i < n && !gone_; ++i) Receive(buffer[i]);
    Flush();
    const auto now = Clock::now();
    if (assembler_.InFrame() && now - lastActivity_ > kFrameAbandon) assembler_.Reset();
    if (IdleDue(now)) SendIdleByte();
  }
}

void Simulator::SendIdleByte() {
  const auto now = Clock::now();
  if (nextIdleAt_ + kByteTime < now) nextIdleAt_ = now;  // do not burst after a pause
  std::this_thread::sleep_until(nextIdleAt_);
  if (behaviour_.syncType == 1) {
    port_.Write(QByteArray(1, char(0xF0)));
    nextIdleAt_ += kByteTime;
    return;
  }
  if (idlePosition_ == 0) idleFrame_ = SyncFrame(syncCounter_++);
  port_.Write(idleFrame_.mid(idlePosition_++, 1));
  nextIdleAt_ += kByteTime;
  if (idlePosition_ == idleFrame_.size()) {
    idlePosition_ = 0;
    nextIdleAt_ += behaviour_.syncFrameGap;
  }
}

void Simulator::Receive(quint8 byte) {
  // A sync frame already begun is finished before the line carries anything else.
  while (idlePosition_ != 0) SendIdleByte();
  if (!assembler_.InFrame() && byte == 0xA5) {
    fault_ = faults_.Next();
    if (fault_ == Fault::SyncInEcho) Send(SyncFrame(syncCounter_++));
    if (fault_ == Fault::Vanish) {
      port_.Vanish();
      gone_ = true;
      return;
    }
  }
  Send(QByteArray(1, char(byte)));  // the echo
  QByteArray frame;
  if (assembler_.Push(byte, frame)) Reply(frame);
  lastActivity_ = Clock::now();
}

void Simulator::Reply(const QByteArray& frame) {
  QByteArray reply = model_.Answer(frame);
  if (reply.isEmpty()) return;
  switch (fault_) {
    case Fault::Silent:
      return;
    case Fault::Late:
      Flush();  // the echo is on time, only the reply is late
      std::this_thread::sleep_for(behaviour_.lateBy);
      break;
    case Fault::WrongAddress:
      reply[0] = char(0xA5);
      break;
    case Fault::Short:
      reply.chop(2);
      break;
    case Fault::BadChecksum:
      reply[reply.size() - 1] = char(quint8(reply.back()) + 1);
      break;
    case Fault::Garbage:
      reply.prepend(QByteArray::fromHex("3C9117"));
      break;
    default:
      break;
  }
  Send(reply);
}

void Simulator::Send(const QByteArray& bytes) {
  if (!behaviour_.paced) {
    unsent_ += bytes;  // what one read brought is answered in one write
    return;
  }
  // An absolute schedule, so that oversleeping one byte does not delay the next.
  const auto now = Clock::now();
  if (nextByteAt_ < now) nextByteAt_ = now;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    if (i + 1 < bytes.size())
      std::this_thread::sleep_until(nextByteAt_);
    else
      WaitPrecisely(nextByteAt_);  // the last byte is what the other side waits for
    port_.Write(bytes.mid(i, 1));
    nextByteAt_ += kByteTime;
  }
}

// Sleeping alone may overshoot by a good part of a byte time; the end is waited out awake.
void Simulator::WaitPrecisely(Clock::time_point until) {
  constexpr auto kAwake = std::chrono::microseconds(600);
  std::this_thread::sleep_until(until - kAwake);
  while (Clock::now() < until) std::this_thread::yield();
}

void Simulator::Flush() {
  if (unsent_.isEmpty() || gone_) return;
  port_.Write(unsent_);
  unsent_.clear();
}

}  // namespace vor::sim

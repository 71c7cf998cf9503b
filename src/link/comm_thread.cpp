#include "link/comm_thread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

#include "link/frame_codec.h"

namespace vor {
namespace {

using namespace std::chrono_literals;

constexpr auto kIdleRest = 20ms;

// Detection reads on the worker; what it finds reaches the settings on the UI thread.
class DeferredSync : public SyncSettings {
 public:
  explicit DeferredSync(const SyncSettings& real) : real_(real) {}
  int SyncIndex() const override { return real_.SyncIndex(); }
  void SetSyncIndex(int index) override { found = index; }
  void RefreshProfileView() override { refresh = true; }
  int found = -1;
  bool refresh = false;

 private:
  const SyncSettings& real_;
};

}  // namespace

TCommThread::TCommThread(std::unique_ptr<SerialLine> line, const QString& addressText,
                         ConnectionHost& host, SyncSettings& sync, EngineTimings timings,
                         QObject* parent)
    : QThread(parent),
      line_(std::move(line)),
      addressText_(addressText),
      host_(host),
      sync_(sync),
      timings_(timings) {}

TCommThread::~TCommThread() {
  // The owner normally waits for `finished`; this is the last resort at exit.
  Terminate();
  QDeadlineTimer deadline(5000);
  while (isRunning() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    wait(10);
  }
}

// ---- UI thread ----------------------------------------------------------------------------

int TCommThread::Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
                         quint8 command) {
  if (!table_) return -1;
  const int slot = table_->Enqueue(address, data, std::move(action), command);
  pending_ = table_->PendingCount();
  Wake();
  return slot;
}

void TCommThread::FreeSlot(int slot) {
  if (!table_) return;
  table_->FreeSlot(slot);
  pending_ = table_->PendingCount();
}

void TCommThread::RequestPing() {
  pingRequested_ = true;
  Wake();
}

void TCommThread::Terminate() {
  stopRequested_ = true;
  Wake();
}

void TCommThread::Wake() {
  { std::lock_guard lock(wakeMutex_); }
  wake_.notify_all();
}

PageAction TCommThread::ActionOf(int slot) const {
  return table_ && slot >= 0 && slot < RequestTable::kSlots ? table_->ActionOf(slot) : PageAction();
}

QString TCommThread::ReplyText() const {
  std::lock_guard lock(replyMutex_);
  return replyText_;
}

void TCommThread::InitObjects() {
  table_ = std::make_unique<RequestTable>();
  pending_ = 0;
  watchdog_ = new QTimer(this);
  watchdog_->setInterval(timings_.watchdogMs);
  connect(watchdog_, &QTimer::timeout, this, [this] {
    watchdog_->stop();
    RequestPing();
    if (!Stopping()) watchdog_->start();
  });
  watchdog_->start();
}

void TCommThread::ControllerPresent() {
  host_.SetConnected(false);
  host_.SetStateText(state::kNotInCommunication);
  host_.ClearIdentityFields();
  host_.StartIdentityTimer();
}

void TCommThread::CloseLink() {
  watchdog_->stop();
  QThread::msleep(timings_.closePauseMs);
  delete watchdog_;
  watchdog_ = nullptr;
  host_.StopIdentityTimer();
  table_.reset();  // requests still waiting are dropped
  pending_ = 0;
  line_->Close();
  host_.SetConnected(false);
  host_.SetStateText(state::kNoLink);
  host_.EnableConnectButton();
  host_.ClearIdentityFields();
  host_.StopIdentityTimer();
  host_.StopPingAnnouncementTimer();
  host_.WorkerClosed(*this);
}

// ---- worker thread ------------------------------------------------------------------------

// The step is handed over under our own lock, not through a blocking queued call, so that
// the hand-over is plain to see for the thread checker as well.
void TCommThread::OnUi(const std::function<void()>& step) {
  if (QThread::currentThread() == thread()) {
    step();
    return;
  }
  std::unique_lock lock(handOverMutex_);
  handOverStep_ = &step;
  QMetaObject::invokeMethod(this, "RunHandedOverStep", Qt::QueuedConnection);
  handOverDone_.wait(lock, [this] { return handOverStep_ == nullptr; });
}

void TCommThread::RunHandedOverStep() {
  std::lock_guard lock(handOverMutex_);
  if (!handOverStep_) return;
  (*handOverStep_)();
  handOverStep_ = nullptr;
  handOverDone_.notify_all();
}

ReadResult TCommThread::Read(int count) {
  const ReadResult r = line_->ReadBytes(receive_, count);
  if (!r.ok) lineLost_ = true;
  return r;
}

bool TCommThread::Write(const QByteArray& bytes) {
  const bool ok = line_->WriteBytes(bytes);
  if (!ok) lineLost_ = true;
  return ok;
}

bool TCommThread::Stopping() const {
  return stopRequested_ || isInterruptionRequested();
}

bool TCommThread::Usable() const {
  return line_ && line_->IsOpen() && !lineLost_;
}

// Only 1 and 2 pace the line; every other value, "Auto" included, acts as silent.
int TCommThread::EffectiveSyncType() const {
  const int type = sync_.SyncIndex();
  return type == kSyncIButton || type == kSyncRfid ? type : kSyncNet;
}

void TCommThread::SetReplyText(const QString& text) {
  std::lock_guard lock(replyMutex_);
  replyText_ = text;
}

void TCommThread::AppendReplyText(const QString& text) {
  std::lock_guard lock(replyMutex_);
  replyText_ += text;
}

void TCommThread::run() {
  Start();
  while (!Stopping() && Usable()) {
    SetReplyText(QString());
    if (host_.StateText() == state::kNotInCommunication && !modelChecked_) {
      DeferredSync found(sync_);
      DetectSyncType(*line_, found, modelChecked_);
      OnUi([&] {
        if (found.found >= 0) sync_.SetSyncIndex(found.found);
        if (found.refresh) sync_.RefreshProfileView();
      });
    }
    const int syncType = EffectiveSyncType();
    if (syncType == kSyncIButton) WaitForIdleByte();
    if (syncType == kSyncRfid) WaitForSyncFrame();
    if (Stopping() || !Usable()) break;
    RunTransactions();
    if (pingRequested_ && !Stopping() && Usable()) Ping();
    SleepUntilWork();
  }
  OnUi([this] { CloseLink(); });
}

void TCommThread::Start() {
  modelChecked_ = false;
  OnUi([this] { InitObjects(); });
  pingRequested_ = false;
  OnUi([this] {
    host_.SetConnected(false);
    host_.SetStateText(state::kNotAnswering);
    host_.EnableConnectButton();
    host_.RunIdentityTimerStep();
  });
}

void TCommThread::WaitForIdleByte() {
  const ReadResult r = Read(1);
  if (!r.ok) return;
  if (r.count == 1 && receive_[0] == 0xF0 && host_.StateText() == state::kNotAnswering) {
    OnUi([this] { ControllerPresent(); });
  } else if (r.count == 1) {
    RestBetweenIdleBytes();
  } else {
    OnUi([this] {
      host_.SetConnected(false);
      host_.SetStateText(state::kNotAnswering);
      host_.ClearIdentityFields();
    });
  }
}

bool TCommThread::ReadUntil55() {
  while (!Stopping() && Usable()) {
    if (Read(1).count == 1 && receive_[0] == 0x55) return true;
  }
  return false;
}

void TCommThread::WaitForSyncFrame() {
  // 55 A4 xx A9: a byte that breaks the pattern may itself start a new frame.
  int matched = 0;
  while (matched < 4) {
    if (Stopping() || !Usable()) return;
    if (Read(1).count == 0) continue;
    const quint8 b = receive_[0];
    if (matched == 2) {
      matched = 3;
    } else if ((matched == 1 && b == 0xA4) || (matched == 3 && b == 0xA9)) {
      ++matched;
    } else {
      matched = b == 0x55 ? 1 : 0;
    }
  }
  Read(2);
  if (Usable() && host_.StateText() == state::kNotAnswering) OnUi([this] { ControllerPresent(); });
}

// UI thread: the lowest pending request becomes the current one.
void TCommThread::PickNext() {
  currentSlot_ = table_ ? table_->PickNext(currentFrame_) : -1;
  pending_ = table_ ? table_->PendingCount() : 0;
  if (currentSlot_ >= 0 && watchdog_) watchdog_->start();  // a request goes out: no ping for 10 s
}

void TCommThread::RunTransactions() {
  if (pending_ == 0) return;  // nothing waits: spare the hand-over
  OnUi([this] { PickNext(); });
  while (currentSlot_ >= 0) {
    if (Stopping() || !Usable()) return;
    const Check failed = Transact();
    if (failed == Check::None) continue;  // the next one was picked with the reply's hand-over
    lastError_ = int(failed);
    if (!Usable()) return;  // the line is gone: the connection ends
    RecoverFromError();
    return;
  }
}

TCommThread::Check TCommThread::Transact() {
  const QByteArray frame = currentFrame_;
  CopyToBuffer(frame, send_);
  line_->Purge();
  line_->Purge();
  if (!Write(QByteArray::fromRawData(reinterpret_cast<const char*>(send_), frame.size())))
    return Check::Echo;

  if (const Check echo = ReadEcho(); echo != Check::None) return echo;

  const int rest = int(frame.size()) - 1;
  ReadResult r = Read(rest);
  AppendReplyText(BufferToHex(receive_, r.count));
  if (!r.ok || r.count < rest || ReplyText() != BytesToHex(frame)) return Check::EchoRest;

  r = Read(3);
  const int a0 = HexByte(QStringView(addressText_).mid(0, 2));
  const int a1 = HexByte(QStringView(addressText_).mid(2, 2));
  if (!r.ok || r.count < 3 || receive_[0] != (a0 ^ 0xF0) || receive_[1] != a1) return Check::Header;
  quint8 reply[3 + 31];
  std::copy(receive_, receive_ + 3, reply);
  SetReplyText(BufferToHex(reply, 3));

  const int length = reply[2] >> 4;
  const int payload = 2 * length + 1;
  r = Read(payload);
  if (!r.ok || r.count < payload) return Check::Payload;
  std::copy(receive_, receive_ + payload, reply + 3);
  // The check nibble and checksum are verified too, so damaged data never reaches a page.
  if ((reply[2] & 0x0F) != CheckNibble(reply[0], reply[1], length) ||
      BufferChecksum(reply, 3 + payload - 1) != reply[3 + payload - 1])
    return Check::Payload;
  AppendReplyText(BufferToHex(reply + 3, payload));
  OnUi([this] {
    host_.Decode(*this);
    PickNext();  // requests that wait follow at once
  });
  return Check::None;
}

TCommThread::Check TCommThread::ReadEcho() {
  ReadResult r;
  do {
    r = Read(1);
  } while (r.ok && r.count == 1 && receive_[0] == 0xF0 && !Stopping());
  if (!r.ok || r.count == 0 || Stopping()) return Check::Echo;
  SetReplyText(BufferToHex(receive_, 1));
  if (receive_[0] == quint8(currentFrame_.at(0))) return Check::None;
  if (receive_[0] != 0x55 || EffectiveSyncType() != kSyncRfid) return Check::Echo;
  // A sync frame came in the way: skip its rest and take the next byte as the echo's first.
  Read(5);
  r = Read(1);
  SetReplyText(BufferToHex(receive_, r.count));
  return Check::None;
}

void TCommThread::RecoverFromError() {
  if (!Stopping()) Read(10);  // the rest of a reply that came too late or too short
  line_->Purge();
  OnUi([this] {
    FreeSlot(currentSlot_);
    currentSlot_ = -1;
    host_.CloseProgressWindow();
    if (host_.Connected()) {
      host_.StartIdentityTimer();
      return;
    }
    host_.SetConnected(false);
    if (host_.StateText() == state::kEstablished) host_.SetStateText(state::kNotInCommunication);
    host_.ClearIdentityFields();
    host_.StartIdentityTimer();
  });
}

void TCommThread::Ping() {
  pingRequested_ = false;
  send_[0] = 0xA5;
  send_[1] = 0xA5;
  send_[2] = 0x00;
  send_[2] = CheckNibbleByte(send_);
  send_[3] = BufferChecksum(send_, 3);
  if (EffectiveSyncType() == kSyncRfid) {
    if (!ReadUntil55()) return;
    Read(5);
  }
  line_->Purge();
  if (!Write(QByteArray::fromRawData(reinterpret_cast<const char*>(send_), 4))) return;
  const ReadResult echo = Read(4);
  SetReplyText(BufferToHex(receive_, 4));
  ReadResult answer;
  if (echo.count == 4) answer = Read(4);
  if (!Usable()) return;
  if (echo.count == 4 && answer.count == 4) {
    if (QByteArray(reinterpret_cast<const char*>(receive_), 4) != kPingAnswer) return;
    OnUi([this] {
      if (host_.StateText() == state::kNotAnswering) host_.SetStateText(state::kNotInCommunication);
      if (host_.PingByUser()) {
        host_.SetPingByUser(false);
        host_.StartPingAnnouncementTimer();
      }
    });
  } else {
    OnUi([this] { host_.SetStateText(state::kNotAnswering); });
  }
}

// The idle byte comes about 900 times a second; taking each one costs more than it tells.
// Rest until there is work, then drop what came meanwhile, so the next read is fresh and a
// controller that falls silent is still noticed at once.
void TCommThread::RestBetweenIdleBytes() {
  std::unique_lock lock(wakeMutex_);
  const bool work = wake_.wait_for(lock, kIdleRest, [this] {
    return Stopping() || pending_ > 0 || pingRequested_ || lineLost_;
  });
  lock.unlock();
  if (!work) line_->Purge();
}

// With a silent line nothing paces the loop: wait for work instead of spinning.
void TCommThread::SleepUntilWork() {
  if (EffectiveSyncType() != kSyncNet) return;  // the line's idle bytes pace the loop
  if (host_.StateText() == state::kNotInCommunication && !modelChecked_) return;  // detection
  std::unique_lock lock(wakeMutex_);
  wake_.wait_for(lock, 500ms,
                 [this] { return Stopping() || pending_ > 0 || pingRequested_ || lineLost_; });
}

}  // namespace vor

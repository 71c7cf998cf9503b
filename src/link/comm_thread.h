#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "link/connection_host.h"
#include "link/dispatcher.h"
#include "link/request_table.h"
#include "link/serial_line.h"
#include "link/sync_detection.h"

class QTimer;

namespace vor {

struct EngineTimings {
  int watchdogMs = 10000;
  int closePauseMs = 100;
};

// The serial worker: one transaction at a time on one line, for one connection.
// Everything that touches the table, a window or the settings runs on the UI thread
// while the worker waits.
class TCommThread : public QThread, public CurrentTransaction {
  Q_OBJECT

 public:
  TCommThread(std::unique_ptr<SerialLine> line, const QString& addressText, ConnectionHost& host,
              SyncSettings& sync, EngineTimings timings = {}, QObject* parent = nullptr);
  ~TCommThread() override;

  // UI thread.
  int Enqueue(const QByteArray& address, const QByteArray& data, PageAction action, quint8 command);
  void FreeSlot(int slot) override;
  void RequestPing();
  // Asks the worker to stop; it closes the link itself.
  void Terminate();
  // A setting the loop depends on changed (the sync type).
  void Wake();

  QString AddressText() const { return addressText_; }
  QString ReplyText() const override;
  int CurrentSlot() const override { return currentSlot_; }
  QByteArray CurrentFrame() const override { return currentFrame_; }
  PageAction ActionOf(int slot) const override;
  const RequestTable* Table() const { return table_.get(); }
  bool ModelChecked() const { return modelChecked_; }
  void SetModelChecked(bool checked) { modelChecked_ = checked; }
  bool PingRequested() const { return pingRequested_; }
  // Number of the check that failed in the last failed transaction (1-4), 0 before any.
  int LastErrorNumber() const { return lastError_; }

 protected:
  void run() override;

 private slots:
  void RunHandedOverStep();

 private:
  enum class Check { None = 0, Echo = 1, EchoRest = 2, Header = 3, Payload = 4 };

  void OnUi(const std::function<void()>& step);
  ReadResult Read(int count);
  bool Write(const QByteArray& bytes);
  bool Stopping() const;
  bool Usable() const;
  int EffectiveSyncType() const;
  void SetReplyText(const QString& text);
  void AppendReplyText(const QString& text);

  void Start();
  void WaitForIdleByte();
  void RestBetweenIdleBytes();
  void WaitForSyncFrame();
  bool ReadUntil55();
  void PickNext();
  void RunTransactions();
  Check Transact();
  Check ReadEcho();
  void Ping();
  void SleepUntilWork();
  void InitObjects();
  void ControllerPresent();
  void RecoverFromError();
  void CloseLink();

  std::unique_ptr<SerialLine> line_;
  const QString addressText_;
  ConnectionHost& host_;
  SyncSettings& sync_;
  const EngineTimings timings_;

  // UI thread only (or the worker while the UI thread waits for it).
  std::unique_ptr<RequestTable> table_;
  QTimer* watchdog_ = nullptr;
  std::atomic<int> currentSlot_{-1};
  QByteArray currentFrame_;
  quint8 receive_[1000] = {};
  quint8 send_[1000] = {};

  mutable std::mutex replyMutex_;
  QString replyText_;

  std::atomic<bool> modelChecked_{false};
  std::atomic<bool> pingRequested_{false};
  std::atomic<bool> stopRequested_{false};
  std::atomic<bool> lineLost_{false};
  std::atomic<int> pending_{0};
  std::atomic<int> lastError_{0};
  std::mutex handOverMutex_;
  std::condition_variable handOverDone_;
  const std::function<void()>* handOverStep_ = nullptr;
  std::mutex wakeMutex_;
  std::condition_variable wake_;
};

}  // namespace vor

#pragma once

#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <mutex>
#include <thread>

#include "link/comm_thread.h"
#include "link/frame_codec.h"
#include "link/memory_line.h"
#include "sim/controller_model.h"
#include "sim/frame_assembler.h"
#include "sim/simulator.h"
#include "support/event_loop.h"

// The main window's items as the worker sees them, recorded.
class FakeHost : public vor::ConnectionHost {
 public:
  QString StateText() const override {
    std::lock_guard lock(mutex_);
    return state_;
  }
  void SetStateText(const QString& text) override {
    std::lock_guard lock(mutex_);
    state_ = text;
  }
  bool Connected() const override { return connected; }
  void SetConnected(bool c) override { connected = c; }
  bool PingByUser() const override { return pingByUser; }
  void SetPingByUser(bool b) override { pingByUser = b; }
  void ClearIdentityFields() override { identity.clear(); }
  void EnableConnectButton() override { ++connectButtonEnabled; }
  void RunIdentityTimerStep() override {
    Place(0x21);
    Place(0x20);
    worker->RequestPing();
  }
  void StartIdentityTimer() override { ++identityTimerStarts; }
  void StopIdentityTimer() override {}
  void StartPingAnnouncementTimer() override { ++pingAnnouncements; }
  void StopPingAnnouncementTimer() override {}
  void CloseProgressWindow() override { ++progressClosed; }
  void Decode(vor::TCommThread& w) override {
    const quint8 command = quint8(w.CurrentFrame().at(3));
    if (command == 0x21) {
      identity = w.ReplyText().mid(6, 8);
      SetStateText(vor::state::kEstablished);
      connected = true;
    }
    decoded.append(command);
    const vor::PageAction action = w.Table()->ActionOf(w.CurrentSlot());
    if (action) action();
    w.FreeSlot(w.CurrentSlot());
  }
  void WorkerClosed(vor::TCommThread&) override { closed = true; }

  int Place(
      quint8 command, QByteArray data = QByteArray(1, 0), vor::PageAction action = [] {}) {
    return worker->Enqueue(QByteArray::fromHex("A5A5"), data, std::move(action), command);
  }

  vor::TCommThread* worker = nullptr;
  bool connected = false;
  bool pingByUser = false;
  QString identity;
  int connectButtonEnabled = 0;
  int identityTimerStarts = 0;
  int pingAnnouncements = 0;
  int progressClosed = 0;
  bool closed = false;
  QList<quint8> decoded;

 private:
  mutable std::mutex mutex_;
  QString state_;
};

class FakeSync : public vor::SyncSettings {
 public:
  explicit FakeSync(int index) : index_(index) {}
  int SyncIndex() const override { return index_; }
  void SetSyncIndex(int index) override { index_ = index; }
  void RefreshProfileView() override { ++refreshed; }
  int refreshed = 0;

 private:
  std::atomic<int> index_;
};

// A device that answers each request through a function of the frame (tests of odd replies).
class ScriptedDevice {
 public:
  using Respond = std::function<QByteArray(const QByteArray& frame, const QByteArray& reply)>;
  ScriptedDevice(vor::MemoryLine& line, Respond respond) : line_(line), respond_(respond) {
    thread_ = std::thread([this] { Serve(); });
  }
  ~ScriptedDevice() {
    stop_ = true;
    thread_.join();
  }

 private:
  void Serve() {
    vor::sim::FrameAssembler assembler;
    quint8 buffer[64];
    while (!stop_) {
      const int n = line_.toDevice.ReadSome(
          buffer, 64, std::chrono::steady_clock::now() + std::chrono::milliseconds(10));
      if (n < 0) return;
      for (int i = 0; i < n; ++i) {
        QByteArray frame;
        if (!assembler.Push(buffer[i], frame)) continue;
        const QByteArray out = respond_(frame, model_.Answer(frame));
        line_.toHost.Write(out.data(), int(out.size()));
      }
    }
  }
  vor::MemoryLine& line_;
  vor::sim::ControllerModel model_;
  Respond respond_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// Shrunk line time-outs, so that failures cost milliseconds.
inline vor::LineTimeouts ShortTimeouts() {
  vor::LineTimeouts t;
  t.readIntervalMs = 20;
  t.readTotalConstantMs = 100;
  t.readTotalMultiplierMs = 5;
  return t;
}

#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

namespace vor {

// Follow-up of the page that placed a request; run on the UI thread after its reply.
using PageAction = std::function<void()>;

// The hand-over point between pages and the worker. Used on the UI thread only.
class RequestTable {
 public:
  static constexpr int kSlots = 1000;
  enum class Status { Free, Pending, Processing };

  // Lowest free slot, or -1 when the table is full (nothing changes then).
  int Enqueue(const QByteArray& address, const QByteArray& data, PageAction action, quint8 command);
  // Lowest pending slot, now processing, with its frame in `frame`; -1 when none waits.
  int PickNext(QByteArray& frame);
  void FreeSlot(int slot);

  Status StatusOf(int slot) const { return slots_.at(slot).status; }
  QString StatusText(int slot) const;
  QByteArray FrameOf(int slot) const { return slots_.at(slot).frame; }
  const PageAction& ActionOf(int slot) const { return slots_.at(slot).action; }
  int PendingCount() const { return pending_; }

 private:
  struct Slot {
    Status status = Status::Free;
    QByteArray frame;
    PageAction action;
  };
  std::array<Slot, kSlots> slots_;
  int pending_ = 0;
};

}  // namespace vor

#pragma once

#include <QStringList>

#include "link/dispatcher.h"
#include "link/frame_codec.h"
#include "link/link.h"
#include "link/request_table.h"

// A link whose requests wait until the test answers them; an answer goes the worker's way:
// the dispatcher's case, the page action, the slot freed.
class FakeLink : public vor::Link, private vor::CurrentTransaction {
 public:
  explicit FakeLink(const vor::Dispatcher& dispatcher) : dispatcher_(dispatcher) {}

  bool Connected() const override { return connected; }
  QString AddressText() const override { return QStringLiteral("A5A5"); }
  int Enqueue(const QByteArray& address, const QByteArray& data, vor::PageAction action,
              quint8 command) override {
    if (!connected) return -1;
    sent.append(vor::BytesToHex(QByteArray(1, char(command)) + data));
    return table_.Enqueue(address, data, std::move(action), command);
  }
  QString ReplyText() const override { return reply_; }

  // Takes the next waiting request (lowest slot) as the worker does before its reply comes;
  // what is placed meanwhile waits behind it.
  bool Pick() {
    slot_ = table_.PickNext(frame_);
    return slot_ >= 0;
  }
  // Answers the request taken, or else the next waiting one, with these payload bytes; false
  // when none waits.
  bool Answer(const QString& payloadHex) {
    if (slot_ < 0 && !Pick()) return false;
    reply_ = vor::BytesToHex(
        vor::BuildReplyFrame(Address(), QByteArray::fromHex(payloadHex.toLatin1())));
    dispatcher_.Decode(*this);
    reply_.clear();
    slot_ = -1;
    return true;
  }
  int Waiting() const { return table_.PendingCount(); }

  bool connected = true;
  // Command and data of each request placed, as hex: "0207", "F2073C00".
  QStringList sent;

 private:
  QByteArray CurrentFrame() const override { return frame_; }
  int CurrentSlot() const override { return slot_; }
  vor::PageAction ActionOf(int slot) const override { return table_.ActionOf(slot); }
  void FreeSlot(int slot) override { table_.FreeSlot(slot); }

  const vor::Dispatcher& dispatcher_;
  vor::RequestTable table_;
  QByteArray frame_;
  QString reply_;
  int slot_ = -1;
};

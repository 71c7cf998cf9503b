#include "request_table.h"

#include "frame_codec.h"

namespace vor {

int RequestTable::Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
                          quint8 command) {
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = slots_[i];
    if (slot.status != Status::Free) continue;
    slot.frame = BuildFrame(command, address, data);
    slot.action = std::move(action);
    slot.status = Status::Pending;
    ++pending_;
    return i;
  }
  return -1;
}

int RequestTable::PickNext(QByteArray& frame) {
  for (int i = 0; i < kSlots; ++i) {
    Slot& slot = slots_[i];
    if (slot.status != Status::Pending) continue;
    frame = slot.frame;
    slot.status = Status::Processing;
    --pending_;
    return i;
  }
  return -1;
}

void RequestTable::FreeSlot(int slot) {
  if (slot < 0 || slot >= kSlots) return;
  Slot& s = slots_[slot];
  if (s.status == Status::Pending) --pending_;
  s.status = Status::Free;
  s.frame.clear();
  s.action = nullptr;
}

QString RequestTable::StatusText(int slot) const {
  switch (StatusOf(slot)) {
    case Status::Free:
      return QStringLiteral("free");
    case Status::Pending:
      return QStringLiteral("pending");
    case Status::Processing:
      return QStringLiteral("pocessing");
  }
  return {};
}

}  // namespace vor

#include "link/dispatcher.h"

#include "link/frame_codec.h"

namespace vor {

namespace {
// Commands whose replies the page actions decode themselves.
constexpr quint8 kActionOnly[] = {0x09, 0xF9, 0x23, 0x31, 0x32, 0x33, 0x52, 0x57,
                                  0x63, 0x64, 0x66, 0x68, 0x69, 0x6D, 0x6E};
}  // namespace

Dispatcher::Dispatcher() {
  for (quint8 command : kActionOnly) Register(command, 0, {});
}

void Dispatcher::Register(quint8 command, int payloadBytes, Effect before, Effect after) {
  cases_.insert(Key(command, 0), {payloadBytes, std::move(before), std::move(after)});
}

void Dispatcher::RegisterParameter(quint8 command, quint8 parameter, int payloadBytes,
                                   Effect before) {
  const auto found = cases_.find(Key(command, parameter));
  if (found == cases_.end()) {
    cases_.insert(Key(command, parameter), {payloadBytes, std::move(before), {}});
    return;
  }
  found->payloadBytes = std::max(found->payloadBytes, payloadBytes);
  found->before = [first = std::move(found->before),
                   second = std::move(before)](const QString& reply) {
    if (first) first(reply);
    if (second) second(reply);
  };
}

void Dispatcher::Decode(CurrentTransaction& worker) const {
  const QByteArray frame = worker.CurrentFrame();
  const QString reply = worker.ReplyText();
  const int slot = worker.CurrentSlot();
  if (frame.size() >= 4) {
    const quint8 command = quint8(frame.at(3));
    const int parameter =
        IsParameterCommand(command) && frame.size() >= 5 ? quint8(frame.at(4)) : 0;
    const auto found = cases_.constFind(Key(command, parameter));
    if (found != cases_.constEnd() && PayloadSize(reply) >= found->payloadBytes) {
      if (found->before) found->before(reply);
      // A copy: the action may place requests, which must not disturb the one running.
      const PageAction action = worker.ActionOf(slot);
      if (action) action();
      if (found->after) found->after(reply);
    }
  }
  worker.FreeSlot(slot);
}

int PayloadSize(const QString& replyText) {
  return std::max(0, int(replyText.size()) / 2 - 4);
}

int PayloadByte(const QString& replyText, int index) {
  if (index < 0 || index >= PayloadSize(replyText)) return -1;
  return HexByte(QStringView(replyText).mid(6 + 2 * index, 2));
}

}  // namespace vor

#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "link/request_table.h"

namespace vor {

// The transaction whose reply is being handed on; the worker is one.
class CurrentTransaction {
 public:
  virtual ~CurrentTransaction() = default;
  virtual QByteArray CurrentFrame() const = 0;
  virtual QString ReplyText() const = 0;
  virtual int CurrentSlot() const = 0;
  virtual PageAction ActionOf(int slot) const = 0;
  virtual void FreeSlot(int slot) = 0;
};

// Brings each accepted reply to the page that asked for it. Windows register a case per
// command, and per parameter number for the parameter commands; a reply without a case
// is retired without its page action.
class Dispatcher {
 public:
  // Gets the whole reply text (header, payload, checksum).
  using Effect = std::function<void(const QString& replyText)>;

  Dispatcher();

  // `before` runs ahead of the page action and `after` behind it; either may be empty.
  // A reply with fewer than `payloadBytes` payload bytes counts as one without a case.
  void Register(quint8 command, int payloadBytes, Effect before, Effect after = {});
  // A parameter may serve several pages (parameter 4): each registers its effect, and the
  // effects run in the order registered.
  void RegisterParameter(quint8 command, quint8 parameter, int payloadBytes, Effect before);

  void Decode(CurrentTransaction& transaction) const;

  static bool IsParameterCommand(quint8 command) { return command == 0x02 || command == 0xF2; }

 private:
  struct Case {
    int payloadBytes = 0;
    Effect before;
    Effect after;
  };
  static int Key(quint8 command, int parameter) { return command << 8 | (parameter & 0xFF); }

  QHash<int, Case> cases_;
};

// Payload byte `index` of a reply text, or -1 when the reply is too short for it.
int PayloadByte(const QString& replyText, int index);
// How many payload bytes the reply text carries.
int PayloadSize(const QString& replyText);

}  // namespace vor

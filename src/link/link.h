#pragma once

#include <QByteArray>
#include <QString>

#include "link/request_table.h"

namespace vor {

// What a page needs of the connection to place requests and read replies.
class Link {
 public:
  virtual ~Link() = default;
  // The controller answered the identity query on this connection.
  virtual bool Connected() const = 0;
  // The device address as four hex digits, "A5A5".
  virtual QString AddressText() const = 0;
  // The device address as two bytes, for requests.
  QByteArray Address() const { return QByteArray::fromHex(AddressText().toLatin1()); }
  // The slot taken, or -1 when there is no connection or the table is full.
  virtual int Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
                      quint8 command) = 0;
  // The reply being handled, as hex text; read inside page actions.
  virtual QString ReplyText() const = 0;
};

}  // namespace vor

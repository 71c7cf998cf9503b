#pragma once

#include <QString>

namespace vor::keys {

// What the keys page and the event-memory page read of the users list: its rows in order.
// An empty list is a single row whose cells are empty.
class UsersReader {
 public:
  virtual ~UsersReader() = default;
  virtual int Count() const = 0;
  virtual QString KeyNumberText(int row) const = 0;
  virtual QString Name(int row) const = 0;
};

// The first row whose key-number cell is exactly the decimal text of `keyNumber`, or -1.
int RowOfKey(const UsersReader& users, int keyNumber);

}  // namespace vor::keys

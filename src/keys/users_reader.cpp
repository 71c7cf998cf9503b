#include "keys/users_reader.h"

namespace vor::keys {

int RowOfKey(const UsersReader& users, int keyNumber) {
  const QString text = QString::number(keyNumber);
  for (int row = 0; row < users.Count(); ++row)
    if (users.KeyNumberText(row) == text) return row;
  return -1;
}

}  // namespace vor::keys

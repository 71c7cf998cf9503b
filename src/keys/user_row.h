#pragma once

#include <QString>

namespace vor::keys {

// One row of the users list, as its grid shows it.
struct UserRow {
  QString number;
  QString keyNumber;
  QString name;

  friend bool operator==(const UserRow&, const UserRow&) = default;
};

}  // namespace vor::keys

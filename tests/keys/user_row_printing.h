#pragma once

#include <QMetaType>
#include <QTest>

#include "keys/user_row.h"

namespace vor::keys {

// Lets a failed comparison of rows show the rows.
inline char* toString(const UserRow& row) {
  return QTest::toString(row.number + " | " + row.keyNumber + " | " + row.name);
}

}  // namespace vor::keys

Q_DECLARE_METATYPE(vor::keys::UserRow)

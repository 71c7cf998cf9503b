#pragma once

#include <QList>
#include <QStringList>

#include "keys/user_row.h"

// "Users.csv": one line per row, "number;key number;name", without quoting.
namespace vor::keys {

QStringList EncodeUsersCsv(const QList<UserRow>& rows);
// Everything after the second ";" is the name; where a ";" is missing, the cell before it stays
// empty and the rest of the line is the name.
QList<UserRow> DecodeUsersCsv(const QStringList& lines);

}  // namespace vor::keys

#pragma once

#include <QByteArray>
#include <QList>

#include "keys/user_row.h"

// "Users.lst": per user a key-number line and a name line, each masked and ended by a check
// character; Windows-1251, CR LF.
namespace vor::keys {

// Files written with another mask cannot be read back.
inline constexpr char kUsersFileMask = char(0xA5);

// XORs each byte with the mask, except where that would give CR or LF (the byte stays), so a
// masked line never breaks. Masking twice gives the text back.
QByteArray MaskUsersText(const QByteArray& text);
// The XOR of the masked bytes, itself masked when it would be CR or LF.
char CalcChs(const QByteArray& masked);

// The key number and name lines of every row, in row order.
QByteArray EncodeUsersLst(const QList<UserRow>& rows);

struct UsersLstContent {
  enum Fault { None, KeyLine, NameLine };
  // Rows read before a fault stay, the one being read keeps what it had got; numbered from 0.
  QList<UserRow> rows;
  Fault fault = None;
};
// A line that is empty, misses its name line, fails its check character or (for a key line)
// holds no whole number is a fault.
UsersLstContent DecodeUsersLst(const QByteArray& bytes);

}  // namespace vor::keys

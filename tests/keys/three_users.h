#pragma once

#include <QByteArray>
#include <QList>

#include "keys/user_row.h"

// Three users in key order and their "Users.lst": "Ё" (0xA8) would mask to CR and stays as it
// is, and the check of "al" would be CR, so it is masked.
inline const QList<vor::keys::UserRow> kThreeRows = {
    {"0", "3", "Ёж"}, {"1", "7", "Иван Петров"}, {"2", "12", "al"}};

inline const QByteArray kThreeUsersLst(
    "\x96\x96\r\n"
    "\xA8\x43\xEB\r\n"
    "\x92\x92\r\n"
    "\x6D\x47\x45\x48\x85\x6A\x40\x57\x55\x4B\x47\x86\r\n"
    "\x94\x97\x03\r\n"
    "\xC4\xC9\xA8\r\n");

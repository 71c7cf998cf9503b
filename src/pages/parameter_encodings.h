#pragma once

#include <QDate>
#include <QString>

#include "link/dispatcher.h"

// How the pages turn parameter bytes into values and back. A read reply holds parameter N in
// reply byte 3 and N + 1 in reply byte 4; multi-byte values are high byte first.
namespace vor::pages {

// Payload bytes of every parameter read reply.
inline constexpr int kReadPayloadBytes = 2;

// p(N), 0-255.
inline int ByteValue(const QString& reply) {
  return PayloadByte(reply, 0);
}

// p(N) * 256 + p(N + 1), 0-65535.
inline int WordValue(const QString& reply) {
  return PayloadByte(reply, 0) << 8 | PayloadByte(reply, 1);
}

// A counter spans N to N + 2 and is read as a word from N, then a byte from N + 2.
inline qint64 CounterValue(int word, int low) {
  return qint64(word) * 256 + low;
}

// Year p(N) + 2000, month p(N + 1), day p(N + 2); invalid when they form no calendar date.
inline QDate DateValue(int year, int month, int day) {
  return QDate(2000 + year, month, day);
}

// Bit `bit` of a flags parameter: one on/off setting.
inline bool Flag(int value, int bit) {
  return value >> bit & 1;
}

inline quint8 WithFlag(quint8 value, int bit, bool on) {
  return on ? quint8(value | 1 << bit) : quint8(value & ~(1 << bit));
}

}  // namespace vor::pages

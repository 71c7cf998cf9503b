#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>

// Request and reply frames of the controller line, and the hex text in which replies travel.
namespace vor {

// Address A0 A1, (L << 4) | K, command, data, checksum.
QByteArray BuildFrame(quint8 command, const QByteArray& address, const QByteArray& data);
// Byte 2 holds L in its low nibble; returns the frame with byte 2 = (L << 4) | K.
QByteArray SetCheckNibble(QByteArray frame);
QByteArray AppendChecksum(QByteArray frame);

// Buffer forms, used to put the ping together in a fixed send buffer.
quint8 CheckNibbleByte(const quint8* buffer);
quint8 BufferChecksum(const quint8* buffer, int count);

QString BytesToHex(const QByteArray& bytes);
QString BufferToHex(const quint8* buffer, int count);
// The buffer must hold at least bytes.size() bytes.
void CopyToBuffer(const QByteArray& bytes, quint8* buffer);
// Value of two hex characters, or -1 when they are not hex digits.
int HexByte(QStringView twoChars);

// (1 + n) / 2 rounded half to even, low four bits.
int LengthNibble(int dataLength);
// K: XOR of the four address nibbles and L.
quint8 CheckNibble(quint8 a0, quint8 a1, int lengthNibble);
// Reply as the controller sends it: A0 ^ F0, A1, (L << 4) | K, payload, checksum.
// The payload must have an even length of at most 30 bytes.
QByteArray BuildReplyFrame(const QByteArray& address, const QByteArray& payload);
// True when the bytes add up to 0 modulo 256.
bool ChecksumHolds(const QByteArray& frame);

inline const QByteArray kPingFrame = QByteArray::fromHex("A5A500B6");
inline const QByteArray kPingAnswer = QByteArray::fromHex("55A50FF7");

}  // namespace vor

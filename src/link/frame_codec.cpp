#include "frame_codec.h"

#include <algorithm>

namespace vor {

int LengthNibble(int dataLength) {
  const int words2 = 1 + dataLength;  // twice the word count
  int l = words2 / 2;
  if (words2 % 2 != 0 && l % 2 != 0) ++l;  // a half rounds to the even neighbour
  return l & 0x0F;
}

quint8 CheckNibble(quint8 a0, quint8 a1, int lengthNibble) {
  return quint8(((a0 >> 4) ^ (a0 & 0x0F) ^ (a1 >> 4) ^ (a1 & 0x0F) ^ lengthNibble) & 0x0F);
}

QByteArray BuildFrame(quint8 command, const QByteArray& address, const QByteArray& data) {
  QByteArray frame = address.left(2);
  frame.append(char(LengthNibble(int(data.size()))));
  frame.append(char(command));
  frame.append(data);
  return AppendChecksum(SetCheckNibble(frame));
}

quint8 CheckNibbleByte(const quint8* buffer) {
  const int l = buffer[2] & 0x0F;
  return quint8((l << 4) | CheckNibble(buffer[0], buffer[1], l));
}

QByteArray SetCheckNibble(QByteArray frame) {
  if (frame.size() < 3) return frame;
  frame[2] = char(CheckNibbleByte(reinterpret_cast<const quint8*>(frame.constData())));
  return frame;
}

quint8 BufferChecksum(const quint8* buffer, int count) {
  unsigned sum = 0;
  for (int i = 0; i < count; ++i) sum += buffer[i];
  return quint8((0x100 - sum % 0x100) % 0x100);
}

QByteArray AppendChecksum(QByteArray frame) {
  frame.append(
      char(BufferChecksum(reinterpret_cast<const quint8*>(frame.constData()), int(frame.size()))));
  return frame;
}

QString BufferToHex(const quint8* buffer, int count) {
  static const char digits[] = "0123456789ABCDEF";
  QString text(count * 2, Qt::Uninitialized);
  for (int i = 0; i < count; ++i) {
    text[2 * i] = QLatin1Char(digits[buffer[i] >> 4]);
    text[2 * i + 1] = QLatin1Char(digits[buffer[i] & 0x0F]);
  }
  return text;
}

QString BytesToHex(const QByteArray& bytes) {
  return BufferToHex(reinterpret_cast<const quint8*>(bytes.constData()), int(bytes.size()));
}

void CopyToBuffer(const QByteArray& bytes, quint8* buffer) {
  std::copy(bytes.cbegin(), bytes.cend(), reinterpret_cast<char*>(buffer));
}

int HexByte(QStringView twoChars) {
  if (twoChars.size() != 2) return -1;
  int value = 0;
  for (QChar c : twoChars) {
    const int digit = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

QByteArray BuildReplyFrame(const QByteArray& address, const QByteArray& payload) {
  const quint8 a0 = quint8(address.at(0)) ^ 0xF0;
  const quint8 a1 = quint8(address.at(1));
  const int l = int(payload.size() / 2) & 0x0F;
  QByteArray frame;
  frame.append(char(a0));
  frame.append(char(a1));
  frame.append(char((l << 4) | CheckNibble(a0, a1, l)));
  frame.append(payload);
  return AppendChecksum(frame);
}

bool ChecksumHolds(const QByteArray& frame) {
  unsigned sum = 0;
  for (char c : frame) sum += quint8(c);
  return sum % 0x100 == 0;
}

}  // namespace vor

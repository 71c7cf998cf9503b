#include "settings/cp1251_text.h"

#include <QFile>
#include <QSaveFile>

namespace vor {
namespace {

// 0x80-0xBF; 0xC0-0xFF are U+0410-U+044F in order.
constexpr char16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t DecodeByte(quint8 b) {
  if (b < 0x80) return b;
  if (b >= 0xC0) return char16_t(0x0410 + (b - 0xC0));
  return kUpperHalf[b - 0x80];
}

char EncodeChar(char16_t c) {
  if (c < 0x80) return char(c);
  if (c >= 0x0410 && c <= 0x044F) return char(0xC0 + (c - 0x0410));
  for (int i = 0; i < 64; ++i)
    if (kUpperHalf[i] == c && c != 0xFFFD) return char(0x80 + i);
  return '?';
}

}  // namespace

QString DecodeCp1251(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = QChar(DecodeByte(quint8(bytes[i])));
  return text;
}

QByteArray EncodeCp1251(const QString& text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) bytes[i] = EncodeChar(text[i].unicode());
  return bytes;
}

QStringList SplitLines(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

std::optional<QStringList> ReadCp1251Lines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return SplitLines(DecodeCp1251(file.readAll()));
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool WriteCp1251Lines(const QString& path, const QStringList& lines, QString* error) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += EncodeCp1251(line) + "\r\n";
  return WriteFileAtomically(path, bytes, error);
}

}  // namespace vor

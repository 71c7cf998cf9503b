#include "keys/users_lst_format.h"

#include <optional>

#include "settings/cp1251_text.h"
#include "settings/number_text.h"

namespace vor::keys {
namespace {

bool IsLineBreak(char c) {
  return c == '\r' || c == '\n';
}

QByteArray Line(const QString& text) {
  const QByteArray masked = MaskUsersText(EncodeCp1251(text));
  return masked + CalcChs(masked) + "\r\n";
}

// The text of a line whose check character matches.
std::optional<QString> CheckedText(const QByteArray& line) {
  if (line.isEmpty()) return std::nullopt;
  const QByteArray masked = line.chopped(1);
  if (CalcChs(masked) != line.back()) return std::nullopt;
  return DecodeCp1251(MaskUsersText(masked));
}

}  // namespace

QByteArray MaskUsersText(const QByteArray& text) {
  QByteArray masked = text;
  for (char& c : masked)
    if (!IsLineBreak(char(c ^ kUsersFileMask))) c ^= kUsersFileMask;
  return masked;
}

char CalcChs(const QByteArray& masked) {
  char check = 0;
  for (char c : masked) check ^= c;
  return IsLineBreak(check) ? char(check ^ kUsersFileMask) : check;
}

QByteArray EncodeUsersLst(const QList<UserRow>& rows) {
  QByteArray bytes;
  for (const UserRow& row : rows) bytes += Line(row.keyNumber) + Line(row.name);
  return bytes;
}

UsersLstContent DecodeUsersLst(const QByteArray& bytes) {
  // Latin-1 keeps every byte as it is, and a masked line holds no CR or LF.
  const QStringList lines = SplitLines(QString::fromLatin1(bytes));
  UsersLstContent content;
  for (qsizetype i = 0; i < lines.size(); i += 2) {
    UserRow& row = content.rows.emplace_back();
    row.number = QString::number(content.rows.size() - 1);
    const std::optional<QString> keyNumber = CheckedText(lines[i].toLatin1());
    if (!keyNumber || !NumberFromText(*keyNumber)) {
      content.fault = UsersLstContent::KeyLine;
      break;
    }
    row.keyNumber = *keyNumber;
    const std::optional<QString> name =
        i + 1 < lines.size() ? CheckedText(lines[i + 1].toLatin1()) : std::nullopt;
    if (!name) {
      content.fault = UsersLstContent::NameLine;
      break;
    }
    row.name = *name;
  }
  return content;
}

}  // namespace vor::keys

#include "keys/users_csv_format.h"

namespace vor::keys {
namespace {

// The text before the first ";" (taken off `rest`), or empty when there is none.
QString TakeField(QString& rest) {
  const qsizetype end = rest.indexOf(QLatin1Char(';'));
  if (end < 0) return {};
  const QString field = rest.left(end);
  rest.remove(0, end + 1);
  return field;
}

}  // namespace

QStringList EncodeUsersCsv(const QList<UserRow>& rows) {
  QStringList lines;
  for (const UserRow& row : rows) lines.append(row.number + ';' + row.keyNumber + ';' + row.name);
  return lines;
}

QList<UserRow> DecodeUsersCsv(const QStringList& lines) {
  QList<UserRow> rows;
  for (QString rest : lines) {
    UserRow row;
    row.number = TakeField(rest);
    row.keyNumber = TakeField(rest);
    row.name = rest;
    rows.append(row);
  }
  return rows;
}

}  // namespace vor::keys

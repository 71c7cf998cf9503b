#include "pages/date_check.h"

#include <QDate>

namespace vor::pages {
namespace {

// Digits only: a sign or a space is no part of a date the controller sent.
bool WholeNumber(QStringView text, int& value) {
  if (text.isEmpty() || text.size() > 9) return false;
  for (QChar c : text)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  value = text.toInt();
  return true;
}

}  // namespace

QString ChekDate(const QString& text) {
  const QStringView all(text);
  const qsizetype first = all.indexOf(QLatin1Char('-'));
  const qsizetype second = first < 0 ? -1 : all.indexOf(QLatin1Char('-'), first + 1);
  if (second < 0) return kWrongDate;
  int year = 0, month = 0, day = 0;
  if (!WholeNumber(all.left(first), year) ||
      !WholeNumber(all.mid(first + 1, second - first - 1), month) ||
      !WholeNumber(all.mid(second + 1), day) || !QDate::isValid(year, month, day))
    return kWrongDate;
  return text;
}

}  // namespace vor::pages

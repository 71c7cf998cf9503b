#include "main/identity_replies.h"

namespace vor {
namespace {

QString TwoDigits(int value) {
  const QString text = QString::number(value);
  return text.size() == 2 ? text : QStringLiteral("0") + text;
}

}  // namespace

QString ProductionDateText(int yearSince2000, int month, int day) {
  return QString::number(yearSince2000 + 2000) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

}  // namespace vor

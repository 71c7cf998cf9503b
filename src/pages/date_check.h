#pragma once

#include <QString>

namespace vor::pages {

// The text shown for an impossible date.
inline const QString kWrongDate = QStringLiteral("Грешна");

// "year-month-day" unchanged when it is a calendar date of whole numbers, else kWrongDate.
QString ChekDate(const QString& text);

}  // namespace vor::pages

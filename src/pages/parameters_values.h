#pragma once

#include <QString>
#include <optional>

// The values of the parameters page as the controller holds them.
namespace vor::pages {

// Seconds per unit of the maximum door-open time; the other times count in seconds.
inline constexpr int kDoorOpenUnit = 5;

// A time byte as shown: byte x unit, but 0 means 256 and shows "256".
QString TimeText(int byte, int unit);

// The byte written for a time typed in seconds: rounded to whole units, low eight bits (the
// ranges in the labels are guidance only). Empty when the text is not a whole number.
std::optional<quint8> TimeByte(const QString& text, int unit);

// The scheme item that fits the keys in use (999 counting as 1024): 16 or fewer keys give 0,
// each doubling one more.
int PreselectedScheme(int usedKeys);

}  // namespace vor::pages

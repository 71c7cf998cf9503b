#include "pages/parameters_values.h"

#include <cmath>

#include "settings/number_text.h"

namespace vor::pages {

QString TimeText(int byte, int unit) {
  return byte == 0 ? QStringLiteral("256") : QString::number(byte * unit);
}

std::optional<quint8> TimeByte(const QString& text, int unit) {
  const std::optional<int> seconds = NumberFromText(text);
  if (!seconds) return std::nullopt;
  // No halves can occur: a whole number of seconds over 5 ends in .0, .2, .4, .6 or .8.
  const long units = std::lround(double(*seconds) / unit);
  return quint8(units & 0xFF);
}

int PreselectedScheme(int usedKeys) {
  const int keys = usedKeys == 999 ? 1024 : usedKeys;
  int index = 0;
  for (qint64 capacity = 16; keys > capacity; capacity *= 2) ++index;
  return index;
}

}  // namespace vor::pages

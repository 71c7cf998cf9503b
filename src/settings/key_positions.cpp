#include "settings/key_positions.h"

#include "settings/number_text.h"

namespace vor {
namespace {

QString SinglePosition(int keys) {
  return QStringLiteral("Поз.1 -   %1  кл.").arg(keys);
}

}  // namespace

QStringList KeyPositionTextsForCapacity(int keysMax) {
  if (keysMax == 64 || keysMax == 110) return {SinglePosition(keysMax)};
  QStringList texts;
  const int limit = keysMax == 999 ? 1024 : keysMax;
  int position = 1;
  for (int size = 16; size <= limit; size *= 2, ++position) {
    if (size > 999) {
      texts.append(QStringLiteral("Поз.%1 -   999  кл.").arg(position));
      texts.append(QStringLiteral("Поз.%1 -   32  кл.").arg(position + 1));
    } else {
      texts.append(QStringLiteral("Поз.%1 -   %2  кл.").arg(position).arg(size));
    }
  }
  return texts;
}

QStringList KeyPositionTextsFromScheme(const QStringList& cells) {
  QStringList texts;
  for (const QString& cell : cells) {
    if (cell.isEmpty()) continue;
    const qsizetype slash = cell.indexOf(QLatin1Char('/'));
    const int keys = slash < 0 ? 0 : NumberFromText(cell.left(slash)).value_or(0);
    const int records = NumberFromText(slash < 0 ? cell : cell.mid(slash + 1)).value_or(0);
    const QString text = QStringLiteral("Поз.%1 - %2 кл. (%3 памет)")
                             .arg(texts.size() + 1, 2)
                             .arg(keys, 3)
                             .arg(records, 4);
    texts.append(QString(text).replace(QLatin1Char(' '), QStringLiteral("  ")));
  }
  return texts;
}

}  // namespace vor

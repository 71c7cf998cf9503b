#pragma once

#include <QStringList>

namespace vor {

// The key positions a controller of this capacity offers, one text per position.
QStringList KeyPositionTextsForCapacity(int keysMax);

// The key positions of a keys-scheme column: each cell "keys/records", empty cells skipped.
QStringList KeyPositionTextsFromScheme(const QStringList& cells);

}  // namespace vor

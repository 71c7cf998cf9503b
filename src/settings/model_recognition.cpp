#include "settings/model_recognition.h"

#include <algorithm>
#include <vector>

namespace vor {
namespace {

struct Entry {
  QString text;  // code "-" version ":" row
  int row;
};

std::vector<Entry> SortedEntries(const CatalogueTable& models) {
  std::vector<Entry> entries;
  for (int r = 1; r < models.RowCount(); ++r)
    entries.push_back({models.Cell(r, kModelCode) + QLatin1Char('-') +
                           models.Cell(r, kModelVersion) + QLatin1Char(':') + QString::number(r),
                       r});
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
  });
  return entries;
}

}  // namespace

ModelMatch FindNearestModel(const CatalogueTable& models, const QString& text) {
  const std::vector<Entry> entries = SortedEntries(models);
  const int count = int(entries.size());
  const QString code = text.left(4);
  const QString version = text.mid(5, 4);
  auto entryCode = [&](int i) { return entries[i].text.left(4); };

  int i = 0;
  while (i < count && entryCode(i) < code) ++i;
  if (i == count) return {};

  const QString found = entryCode(i);
  while (i < count && entries[i].text.startsWith(found) && version > entries[i].text.mid(5, 4)) ++i;

  if (i == 0) {
    const QString& first = entries[0].text;
    if (text != first.left(9) && !first.startsWith(text) && code != first.left(4)) return {};
  } else {
    if (i == count) i = count - 1;
    if (text < entries[i].text.left(text.size()) && entries[i - 1].text.startsWith(code)) --i;
  }

  const Entry& chosen = entries[i];
  ModelMatch match{chosen.row, false, false, chosen.text};
  match.exact = text == chosen.text.left(9);
  match.similar = !match.exact && (chosen.text.startsWith(text) || code == chosen.text.left(4));
  return match;
}

}  // namespace vor

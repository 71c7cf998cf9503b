#include "recording_views.h"

namespace vor::test {

RecordingViews::RecordingViews() {
  for (int n = 0; n < kFunctionRows; ++n) rowOrder_.append(FunctionRowName(n));
  for (int i = 1; i <= kCriterionRows; ++i) rowOrder_.append(CriterionRowName(i));
  for (int j = 1; j <= kCounterRows; ++j) rowOrder_.append(CounterRowName(j));
  for (const QString& name : rowOrder_) {
    shown[name] = true;
    views.AddRow(name, {[this, name](bool s) { shown[name] = s; },
                        [this, name](const QString& c) { captions[name] = c; }});
  }
  for (const QString& name : {kActiveProfileLabel, kProfileLabel, kSyncLabel})
    views.AddLabel(name, [this, name](const QString& text) { labels[name] = text; });
  views.profileList = this;
  views.profileForm = this;
}

void RecordingViews::SetItems(const QStringList& newItems) {
  items = newItems;
  current = -1;
}

QStringList RecordingViews::ShownRows(const QString& prefix) const {
  QStringList names;
  for (const QString& name : rowOrder_)
    if (name.startsWith(prefix) && shown.value(name)) names.append(name);
  return names;
}

}  // namespace vor::test

#include "settings/settings_views.h"

namespace vor {

void SettingsViews::AddRow(const QString& name, Row row) {
  rows_.insert(name, std::move(row));
}

void SettingsViews::AddLabel(const QString& name,
                             std::function<void(const QString& text)> setText) {
  labels_.insert(name, std::move(setText));
}

void SettingsViews::Remove(const QString& name) {
  rows_.remove(name);
  labels_.remove(name);
}

void SettingsViews::ShowRow(const QString& name, bool shown) const {
  const auto row = rows_.constFind(name);
  if (row != rows_.constEnd() && row->show) row->show(shown);
}

void SettingsViews::SetRowCaption(const QString& name, const QString& caption) const {
  const auto row = rows_.constFind(name);
  if (row != rows_.constEnd() && row->setCaption) row->setCaption(caption);
}

void SettingsViews::SetLabel(const QString& name, const QString& text) const {
  const auto label = labels_.constFind(name);
  if (label != labels_.constEnd() && *label) (*label)(text);
}

QString FunctionRowName(int function) {
  return QStringLiteral("Panel_P%1").arg(function, 2, 10, QLatin1Char('0'));
}

QString CriterionRowName(int criterion) {
  return QStringLiteral("CR%1").arg(criterion);
}

QString CounterRowName(int counter) {
  return QStringLiteral("BR%1").arg(counter);
}

}  // namespace vor

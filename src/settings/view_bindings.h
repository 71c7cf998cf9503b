#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace vor {

class SettingsViews;

// Registers a page's row under its object name ("Panel_P00", "CR1", ...): shown and hidden
// with it, and captioned through `caption` when given. A row destroyed later is skipped.
void AddWidgetRow(SettingsViews& views, QWidget* row, QAbstractButton* caption = nullptr);
void AddWidgetLabel(SettingsViews& views, const QString& name, QLabel* label);

}  // namespace vor

#include "settings/view_bindings.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>

#include "settings/settings_views.h"

namespace vor {

void AddWidgetRow(SettingsViews& views, QWidget* row, QAbstractButton* caption) {
  SettingsViews::Row hooks;
  hooks.show = [row = QPointer<QWidget>(row)](bool shown) {
    if (row) row->setVisible(shown);
  };
  if (caption)
    hooks.setCaption = [button = QPointer<QAbstractButton>(caption)](const QString& text) {
      if (button) button->setText(text);
    };
  views.AddRow(row->objectName(), std::move(hooks));
}

void AddWidgetLabel(SettingsViews& views, const QString& name, QLabel* label) {
  views.AddLabel(name, [label = QPointer<QLabel>(label)](const QString& text) {
    if (label) label->setText(text);
  });
}

}  // namespace vor

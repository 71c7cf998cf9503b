#pragma once

#include <QGroupBox>
#include <array>

#include "settings/settings_views.h"

class QCheckBox;

namespace vor::pages {

// The group "Програмируеми Функции": rows "Panel_P00" … "Panel_P23", one check box each,
// that the settings show, hide and caption by name. Hidden rows keep their state.
class FunctionRows : public QGroupBox {
  Q_OBJECT

 public:
  FunctionRows(SettingsViews& views, QWidget* parent = nullptr);

  // Functions 8·index … 8·index + 7 as the bits of one parameter byte.
  quint8 Byte(int index) const;
  void SetByte(int index, quint8 value);
  void UncheckAll();

  QCheckBox* Box(int function) const { return boxes_.at(function); }

 signals:
  // A box changed its state, by a click or by SetByte.
  void Changed();

 private:
  std::array<QCheckBox*, kFunctionRows> boxes_{};
};

// The default caption of function 0 … 23.
QString DefaultFunctionCaption(int function);

}  // namespace vor::pages

#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace vor::keys {

// The raised, bold strip that heads a window with what it shows ("Panel1").
QLabel* MakeTitleStrip(const QString& text, QWidget* parent);

}  // namespace vor::keys

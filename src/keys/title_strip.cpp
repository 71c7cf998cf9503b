#include "keys/title_strip.h"

#include <QLabel>

namespace vor::keys {

QLabel* MakeTitleStrip(const QString& text, QWidget* parent) {
  auto* strip = new QLabel(text, parent);
  strip->setObjectName("Panel1");
  strip->setAlignment(Qt::AlignCenter);
  strip->setFrameStyle(QFrame::Panel | QFrame::Raised);
  strip->setMinimumHeight(28);
  QFont bold = strip->font();
  bold.setBold(true);
  strip->setFont(bold);
  return strip;
}

}  // namespace vor::keys

#include "ui/page_placement.h"

#include <QWidget>
#include <algorithm>

namespace vor::ui {

void PlacePage(QWidget& page, const QWidget& owner, int top) {
  const QRect frame = owner.window()->frameGeometry();
  page.move(std::max(0, frame.x() + frame.width() / 2 - page.frameGeometry().width() / 2), top);
}

}  // namespace vor::ui

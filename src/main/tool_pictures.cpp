#include "main/tool_pictures.h"

#include <QPainter>
#include <QPixmap>

namespace vor {

QIcon ToolPicture(const QString& mark, const QColor& colour) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient shade(0, 0, 0, 32);
  shade.setColorAt(0, colour.lighter(140));
  shade.setColorAt(1, colour.darker(120));
  painter.setBrush(shade);
  painter.setPen(QPen(colour.darker(160), 1));
  painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(mark.size() > 1 ? 12 : 17);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, mark);
  return QIcon(pixmap);
}

}  // namespace vor

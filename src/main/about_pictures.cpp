#include "main/about_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vor {
namespace {

const QColor kBrassLight(245, 214, 120);
const QColor kBrassDark(176, 128, 32);
const QColor kNavy(0, 0, 128);

QPixmap Blank(QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QLinearGradient Brass(const QRectF& rect) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomRight());
  gradient.setColorAt(0, kBrassLight);
  gradient.setColorAt(1, kBrassDark);
  return gradient;
}

}  // namespace

QPixmap PadlockPicture(QSize size) {
  QPixmap pixmap = Blank(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  // Shackle.
  p.setPen(QPen(QColor(150, 150, 160), w * 0.1, Qt::SolidLine, Qt::FlatCap));
  const QRectF shackle(w * 0.3, h * 0.08, w * 0.4, h * 0.5);
  p.drawArc(shackle, 0, 180 * 16);
  p.drawLine(QPointF(shackle.left(), shackle.center().y()), QPointF(shackle.left(), h * 0.5));
  p.drawLine(QPointF(shackle.right(), shackle.center().y()), QPointF(shackle.right(), h * 0.5));
  // Body.
  const QRectF body(w * 0.15, h * 0.45, w * 0.7, h * 0.5);
  p.setPen(QPen(kBrassDark.darker(130), 1.5));
  p.setBrush(Brass(body));
  p.drawRoundedRect(body, w * 0.08, w * 0.08);
  // Keyhole.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 10));
  const QPointF hole(w * 0.5, h * 0.64);
  p.drawEllipse(hole, w * 0.06, w * 0.06);
  p.drawRect(QRectF(hole.x() - w * 0.025, hole.y(), w * 0.05, h * 0.16));
  return pixmap;
}

QPixmap KeyPicture(QSize size) {
  QPixmap pixmap = Blank(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  p.translate(w / 2, h / 2);
  p.rotate(-45);
  p.translate(-w / 2, -h / 2);
  const QRectF bow(w * 0.06, h * 0.32, w * 0.36, h * 0.36);
  QPainterPath key;
  key.addEllipse(bow);
  key.addRect(QRectF(bow.right() - 2, h * 0.46, w * 0.5, h * 0.08));
  key.addRect(QRectF(w * 0.72, h * 0.54, w * 0.06, h * 0.12));
  key.addRect(QRectF(w * 0.84, h * 0.54, w * 0.06, h * 0.16));
  key = key.simplified();
  QPainterPath ring;
  ring.addEllipse(bow.center(), w * 0.07, w * 0.07);
  p.setPen(QPen(kBrassDark.darker(130), 1.5));
  p.setBrush(Brass(bow.united(QRectF(0, 0, w, h))));
  p.drawPath(key.subtracted(ring));
  return pixmap;
}

QPixmap BannerPicture(QSize size) {
  QPixmap pixmap = Blank(size);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF rect(QPointF(0, 0), size);
  QLinearGradient sky(rect.topLeft(), rect.bottomLeft());
  sky.setColorAt(0, QColor(40, 70, 160));
  sky.setColorAt(1, kNavy);
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawRoundedRect(rect, 6, 6);

  QFont title = p.font();
  title.setBold(true);
  title.setPixelSize(int(size.height() * 0.5));
  p.setFont(title);
  p.setPen(Qt::white);
  p.drawText(rect.adjusted(0, 0, 0, -size.height() * 0.3), Qt::AlignCenter, QStringLiteral("VOR"));
  QFont small = title;
  small.setPixelSize(int(size.height() * 0.18));
  p.setFont(small);
  p.setPen(kBrassLight);
  p.drawText(rect.adjusted(0, size.height() * 0.6, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("Sarnet"));
  return pixmap;
}

}  // namespace vor

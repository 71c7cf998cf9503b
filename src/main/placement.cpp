#include "main/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vor {

int HalfToEven(int length) {
  const int half = length / 2;
  if (length % 2 == 0) return half;
  // length / 2 lies halfway between half and the next integer away from zero.
  const int other = length > 0 ? half + 1 : half - 1;
  return half % 2 == 0 ? half : other;
}

QRect OwnerFrame(const QWidget* owner) {
  if (owner) return owner->window()->frameGeometry();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect();
}

}  // namespace vor

#pragma once

#include <QRect>

class QWidget;

namespace vor {

// Half of a length with a remaining half rounded to even, as the windows place themselves.
int HalfToEven(int length);

// The frame of the owner's window, or the primary screen when there is no owner.
QRect OwnerFrame(const QWidget* owner);

}  // namespace vor

#pragma once

#include <QPixmap>

namespace vor {

// The pictures of the about box, drawn rather than shipped.
QPixmap PadlockPicture(QSize size);
QPixmap KeyPicture(QSize size);
QPixmap BannerPicture(QSize size);

}  // namespace vor

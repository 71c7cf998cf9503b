#pragma once

#include <QColor>
#include <QListWidget>

namespace vor {

// The service menu's owner-drawn profile box: every item bold and 5 pixels in, blue for a
// stored profile (its text begins with a space), red for the active one ("* "), black else.
class ProfileBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ProfileBox(QWidget* parent = nullptr);

  static QColor ItemColour(const QString& text);
};

}  // namespace vor

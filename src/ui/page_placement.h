#pragma once

class QWidget;

namespace vor::ui {

// Puts a page with its top edge at `top` (screen coordinates, the bottom of the main window's
// tool bar), centred horizontally on `owner`'s window and never left of the screen's edge.
void PlacePage(QWidget& page, const QWidget& owner, int top);

}  // namespace vor::ui

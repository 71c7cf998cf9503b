#pragma once

#include "link/link.h"
#include "ui/message_forms.h"

namespace vor::pages {

inline const QString kNoConnection = QStringLiteral("Нямате изградена връзка към Устройството!");

// Whether the page may talk to the controller; tells the user when it may not.
inline bool ConnectedOrSaySo(const Link& link, ui::Messages& messages, QWidget* owner) {
  if (link.Connected()) return true;
  ui::ShowProblem(messages, kNoConnection, owner);
  return false;
}

}  // namespace vor::pages

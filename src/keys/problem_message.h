#pragma once

#include <QString>

#include "ui/messages.h"

namespace vor::keys {

// A problem as every window reports one: title "-Проблем-", the one button "Да".
void ShowProblem(ui::Messages& messages, const QString& text, QWidget* owner);

}  // namespace vor::keys

#include "keys/problem_message.h"

namespace vor::keys {

void ShowProblem(ui::Messages& messages, const QString& text, QWidget* owner) {
  messages.Execute(ui::Problem, "Да", "Да", "-Проблем-", text, 1, owner);
}

}  // namespace vor::keys

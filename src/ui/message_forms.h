#pragma once

#include "ui/messages.h"

namespace vor::ui {

// The three forms every caller uses; a notice or problem has the one button "Да".

// "-Потвърждение-" with "Да" and "Отказ"; true only for "Да".
inline bool AskQuestion(Messages& messages, const QString& text, QWidget* owner) {
  return messages.Execute(Question, QStringLiteral("Да"), QStringLiteral("Отказ"),
                          QStringLiteral("-Потвърждение-"), text, 1, owner) == 1;
}

inline void ShowNotice(Messages& messages, const QString& text, QWidget* owner) {
  messages.Execute(Notice, QStringLiteral("Да"), QStringLiteral("Да"),
                   QStringLiteral("-Уведомление-"), text, 1, owner);
}

inline void ShowProblem(Messages& messages, const QString& text, QWidget* owner) {
  messages.Execute(Problem, QStringLiteral("Да"), QStringLiteral("Да"), QStringLiteral("-Проблем-"),
                   text, 1, owner);
}

}  // namespace vor::ui

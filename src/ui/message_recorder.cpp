#include "ui/message_recorder.h"

namespace vor::ui {

int MessageRecorder::Execute(int kind, const QString& yesCaption, const QString& noCaption,
                             const QString& title, const QString& message, int, QWidget*) {
  shown.append({kind, yesCaption, noCaption, title, message});
  return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QStringList MessageRecorder::Texts() const {
  QStringList texts;
  for (const Shown& s : shown) texts.append(s.message);
  return texts;
}

}  // namespace vor::ui

#pragma once

#include <QList>
#include <QStringList>

#include "ui/messages.h"

namespace vor::ui {

// Records every message and answers from a script; for tests and headless runs.
class MessageRecorder : public Messages {
 public:
  struct Shown {
    int kind;
    QString yesCaption, noCaption, title, message;
  };

  int Execute(int kind, const QString& yesCaption, const QString& noCaption, const QString& title,
              const QString& message, int number, QWidget* owner) override;

  // Answers given in turn; once used up, every call answers `defaultAnswer`.
  QList<int> answers;
  int defaultAnswer = 2;
  QList<Shown> shown;

  QStringList Texts() const;
};

}  // namespace vor::ui

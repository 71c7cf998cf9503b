#pragma once

#include <QString>

class QWidget;

namespace vor::ui {

enum MessageKind { Question = 0, Notice = 1, Problem = 2 };

// The one message dialog of the program. Returns 1 for the yes button, 2 otherwise.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual int Execute(int kind, const QString& yesCaption, const QString& noCaption,
                      const QString& title, const QString& message, int number, QWidget* owner) = 0;
};

// The reading-progress window that covers a multi-request sequence.
class Progress {
 public:
  virtual ~Progress() = default;
  // Shows it modally; returns when it has been closed.
  virtual void execute(QWidget* owner) = 0;
  virtual void close() = 0;
  virtual bool isOpen() const = 0;
};

}  // namespace vor::ui

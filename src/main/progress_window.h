#pragma once

#include <QDialog>
#include <QTimer>

#include "ui/messages.h"

class QProgressBar;

namespace vor {

// The reading-progress window over a multi-request sequence. A sequence that has not closed
// it when the time-out (counted from `execute`) runs out is reported as a reading error.
class TForm28 : public QDialog, public ui::Progress {
  Q_OBJECT

 public:
  static constexpr int kTimeOutMs = 10000;

  explicit TForm28(ui::Messages& messages, int timeOutMs = kTimeOutMs, QWidget* parent = nullptr);

  void execute(QWidget* owner) override;
  // The Cancel button's handler; pages and the error recovery call it when done.
  void close() override;
  bool isOpen() const override { return isVisible(); }

 private:
  void Advance();
  void TimeOut();

  ui::Messages& messages_;
  QProgressBar* bar_;
  QTimer barTimer_;
  QTimer timeOutTimer_;
};

}  // namespace vor

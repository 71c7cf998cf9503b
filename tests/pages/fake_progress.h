#pragma once

#include "ui/messages.h"

// The progress window without a window: counts its showings and closings, never blocks.
class FakeProgress : public vor::ui::Progress {
 public:
  void execute(QWidget*) override {
    open = true;
    ++shown;
  }
  void close() override {
    open = false;
    ++closed;
  }
  bool isOpen() const override { return open; }

  bool open = false;
  int shown = 0;
  int closed = 0;
};

#pragma once

#include <functional>

#include "ui/messages.h"

// The progress window without a window: counts its showings and closings, never blocks.
class FakeProgress : public vor::ui::Progress {
 public:
  // Runs `whileShown` where the real window runs its modal loop.
  void execute(QWidget*) override {
    open = true;
    ++shown;
    if (whileShown) whileShown();
  }
  void close() override {
    open = false;
    ++closed;
  }
  bool isOpen() const override { return open; }

  std::function<void()> whileShown;
  bool open = false;
  int shown = 0;
  int closed = 0;
};

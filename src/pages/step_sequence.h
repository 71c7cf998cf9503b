#pragma once

#include <QString>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "link/dispatcher.h"
#include "link/link.h"
#include "ui/messages.h"

class QWidget;

namespace vor::pages {

// Shown when a sequence's step counter holds a value it cannot account for.
inline const QString kReadError = QStringLiteral("Грешка При четенето!");

// What a sequence works with: the page's link, the dispatcher its replies come through, the
// message dialog, the progress window, and the page that owns the messages.
struct SequenceContext {
  Link& link;
  Dispatcher& dispatcher;
  ui::Messages& messages;
  ui::Progress& progress;
  QWidget* owner;
};

// How a reply moves the step counter: on by the parameters it covered, or to a value (the
// sequence jumps).
struct StepMove {
  enum Kind { By, To };
  Kind kind;
  int amount;
  int Apply(int step) const { return kind == By ? step + amount : amount; }
};
inline constexpr StepMove MoveBy(int parameters) {
  return {StepMove::By, parameters};
}
inline constexpr StepMove MoveTo(int step) {
  return {StepMove::To, step};
}

// As `expected`: the action goes on whatever the step. As `again`: every value but the
// expected one repeats the request.
inline constexpr int kAnyStep = std::numeric_limits<int>::min();

// One request of a sequence: one row of a page's read or write table.
struct Step {
  quint8 parameter;
  StepMove move;                  // done by the reply handling, after `handle`
  int expected;                   // the step this reply leaves: place the next request (or finish)
  int again;                      // the step before this reply: it was not counted, ask again
  bool problemOtherwise = false;  // any other step: "Грешка При четенето!", else nothing
  // Reply handling ahead of the page action: the page's controls from the reply. May be empty.
  std::function<void(const QString& reply)> handle = {};
  // Writes: the byte to send, from the page's controls; empty when it cannot be taken (the
  // page has said why). Reads leave it empty.
  std::function<std::optional<quint8>()> value = {};
};

// A page's read or write of several parameters, one request after the other, driven by the
// page's table. The step counter belongs to the page (several sequences may share it); the
// sequence registers each row's reply handling with the dispatcher.
class StepSequence {
 public:
  enum class Direction { Read, Write };

  StepSequence(Direction direction, int& counter, std::vector<Step> steps,
               const SequenceContext& context, std::function<void()> finished);
  StepSequence(const StepSequence&) = delete;
  StepSequence& operator=(const StepSequence&) = delete;

  // Places the request of row `first` and shows the progress window until the sequence has
  // finished. A write first checks every row's byte and places nothing when one is missing;
  // each request then takes its byte from the controls as it is placed.
  // The caller checks the connection and sets the counter.
  bool Start(int first = 0);

  // The page action of row `index`, also run directly by pages that resume a sequence.
  void Act(int index);

 private:
  void Place(int index);
  void Handle(int index, const QString& reply);

  Direction direction_;
  int& counter_;
  std::vector<Step> steps_;
  SequenceContext context_;
  std::function<void()> finished_;
  // The bytes of the write under way as checked at its start, for a control that no longer
  // gives one when its request is placed.
  std::vector<quint8> values_;
};

}  // namespace vor::pages

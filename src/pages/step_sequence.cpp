#include "pages/step_sequence.h"

#include "pages/parameter_encodings.h"
#include "pages/parameter_requests.h"
#include "ui/message_forms.h"

namespace vor::pages {

StepSequence::StepSequence(Direction direction, int& counter, std::vector<Step> steps,
                           const SequenceContext& context, std::function<void()> finished)
    : direction_(direction),
      counter_(counter),
      steps_(std::move(steps)),
      context_(context),
      finished_(std::move(finished)) {
  const bool read = direction_ == Direction::Read;
  for (int i = 0; i < int(steps_.size()); ++i)
    context_.dispatcher.RegisterParameter(read ? kReadParameter : kWriteParameter,
                                          steps_[i].parameter, read ? kReadPayloadBytes : 0,
                                          [this, i](const QString& reply) { Handle(i, reply); });
}

bool StepSequence::Start(int first) {
  if (direction_ == Direction::Write) {
    std::vector<quint8> values;
    for (const Step& step : steps_) {
      const std::optional<quint8> value = step.value();
      if (!value) return false;
      values.push_back(*value);
    }
    values_ = std::move(values);
  }
  Place(first);
  context_.progress.execute(context_.owner);
  return true;
}

void StepSequence::Act(int index) {
  const Step& step = steps_[index];
  if (step.expected == kAnyStep || counter_ == step.expected) {
    if (index + 1 < int(steps_.size())) {
      Place(index + 1);
    } else {
      context_.progress.close();
      if (finished_) finished_();
    }
  } else if (step.again == kAnyStep || counter_ == step.again) {
    Place(index);
  } else if (step.problemOtherwise) {
    ui::ShowProblem(context_.messages, kReadError, context_.owner);
  }
}

void StepSequence::Place(int index) {
  // A request that cannot be placed ends the chain; the progress window's time-out tells.
  const PageAction action = [this, index] { Act(index); };
  if (direction_ == Direction::Read)
    RequestRead(context_.link, steps_[index].parameter, action);
  else
    RequestWrite(context_.link, steps_[index].parameter,
                 steps_[index].value().value_or(values_[index]), action);
}

void StepSequence::Handle(int index, const QString& reply) {
  const Step& step = steps_[index];
  if (step.handle) step.handle(reply);
  counter_ = step.move.Apply(counter_);
}

}  // namespace vor::pages

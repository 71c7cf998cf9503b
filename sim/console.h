#pragma once

#include <QString>

#include "sim/controller_model.h"
#include "sim/fault_plan.h"

namespace vor::sim {

// Commands from the simulator's standard input, one a line, that change its state while it runs.
class Console {
 public:
  Console(ControllerModel& model, FaultPlan& faults) : model_(model), faults_(faults) {}

  // Empty on success, else what was wrong.
  QString Execute(const QString& line);
  static QString Help();

 private:
  ControllerModel& model_;
  FaultPlan& faults_;
};

}  // namespace vor::sim

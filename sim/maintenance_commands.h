#pragma once

#include <QDate>
#include <functional>

#include "sim/controller_model.h"

namespace vor::sim {

// The controller's maintenance side: maximum cycles (command 0x23), plausible criteria,
// counters and dates, and what the command bits 5, 6 and 7 of parameter 4 do.
class MaintenanceCommands {
 public:
  using Today = std::function<QDate()>;

  static constexpr int kCommandParameter = 4;
  static constexpr quint8 kClearErrors = 0x20;
  static constexpr quint8 kBatteryReplaced = 0x40;
  static constexpr quint8 kMaintenanceDone = 0x80;
  static constexpr quint16 kMaxCycles = 0x0C35;  // shown as 800000

  // Fills parameters 16-63, answers 0x23 and watches the parameter writes of `model`, which
  // must outlive this.
  explicit MaintenanceCommands(ControllerModel& model, Today today = &QDate::currentDate);
  ~MaintenanceCommands();
  MaintenanceCommands(const MaintenanceCommands&) = delete;
  MaintenanceCommands& operator=(const MaintenanceCommands&) = delete;

 private:
  // Acts on the command bits just written to parameter 4 and clears them, as the controller
  // does once it has carried them out.
  void AfterParameterWrite(int number);
  void SetDate(int first, const QDate& date);

  ControllerModel& model_;
  Today today_;
};

}  // namespace vor::sim

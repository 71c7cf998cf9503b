#pragma once

#include <QString>
#include <array>

#include "settings/settings_views.h"

namespace vor::pages {

// The number label and the descriptive label of one maintenance row.
struct MaintenanceRowTexts {
  QString number;
  QString description;
};

// Rows "CR1" … "CR10" and "BR1" … "BR13" in order, with their spaces as the controller's
// documentation has them.
extern const std::array<MaintenanceRowTexts, kCriterionRows> kCriterionTexts;
extern const std::array<MaintenanceRowTexts, kCounterRows> kCounterTexts;

}  // namespace vor::pages

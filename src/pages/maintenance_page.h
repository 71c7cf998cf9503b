#pragma once

#include <QDialog>
#include <array>

#include "link/dispatcher.h"
#include "link/link.h"
#include "pages/maintenance_command.h"
#include "pages/step_sequence.h"
#include "settings/settings_views.h"
#include "ui/messages.h"

class QLineEdit;

namespace vor::pages {

// The maintenance page: the criteria by which the controller asks for maintenance, its
// operation counters and service dates (parameters 16-63 and the maximum cycles), and the
// three maintenance commands. It only reads: its fields are never written back.
class TForm23 : public QDialog {
  Q_OBJECT

 public:
  TForm23(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
          SettingsViews& views, QWidget* parent = nullptr);

  // Shows the page modally under the tool bar (`top`, screen coordinates), centred on
  // `owner`'s window, and reads everything.
  void Open(QWidget* owner, int top);

  void ReadAll();
  void ReadCounters();

  // The value fields of "CR1" … "CR10" and "BR1" … "BR13".
  QLineEdit* Criterion(int row) const { return criteria_.at(row - 1); }
  QLineEdit* Counter(int row) const { return counters_.at(row - 1); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildCriteria(SettingsViews& views);
  QWidget* BuildCounters(SettingsViews& views);
  std::vector<Step> ReadTable();
  void MaxCycRead();

  Link& link_;
  ui::Messages& messages_;
  ui::Progress& progress_;
  std::array<QLineEdit*, kCriterionRows> criteria_{};
  std::array<QLineEdit*, kCounterRows> counters_{};
  // Counters come in two stages; the first stage's value waits here for the low byte.
  std::array<qint64, kCounterRows> counterValues_{};
  int readStep_ = 0;
  int writeStep_ = 0;
  StepSequence read_;
  MaintenanceCommand command_;
};

}  // namespace vor::pages

#pragma once

#include <QDialog>

#include "link/dispatcher.h"
#include "link/link.h"
#include "pages/step_sequence.h"
#include "settings/application_settings.h"
#include "settings/settings_views.h"
#include "ui/messages.h"

class QLabel;

namespace vor::pages {

class FunctionRows;

// The programmable-functions page: the 24 function flags of parameters 2, 3 and 4.
class TForm20 : public QDialog {
  Q_OBJECT

 public:
  TForm20(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
          TApplicationSettings& settings, SettingsViews& views, QWidget* parent = nullptr);

  // Refuses over `owner`'s window when the active settings have no programmable functions;
  // otherwise shows the page modally under the tool bar (`top`, screen coordinates) and reads.
  void Open(QWidget* owner, int top);

  void Read();
  void Write();

  FunctionRows* Rows() const { return rows_; }
  QString StatusText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<Step> ReadTable();
  std::vector<Step> WriteTable();

  Link& link_;
  ui::Messages& messages_;
  ui::Progress& progress_;
  TApplicationSettings& settings_;
  FunctionRows* rows_;
  QLabel* StatusBar1;
  int readStep_ = 0;
  int writeStep_ = 0;
  StepSequence read_;
  StepSequence write_;
};

}  // namespace vor::pages

#pragma once

#include <QDialog>
#include <QList>

#include "link/dispatcher.h"
#include "link/link.h"
#include "ui/messages.h"

class QCheckBox;
class QLabel;

namespace vor::pages {

// The problems-and-reminders page: the twelve conditions the controller reports (command
// 0x22), shown in check boxes the user cannot change.
class TForm21 : public QDialog {
  Q_OBJECT

 public:
  static constexpr quint8 kReadProblems = 0x22;
  static constexpr int kConditions = 12;
  static const QString kNotRead, kRead;

  TForm21(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
          QWidget* parent = nullptr);

  // Shows the page modally with its top edge at `top` (screen coordinates) under the tool bar
  // of `owner`; showing reads the conditions. Returns when it is closed.
  void Open(QWidget* owner, int top);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Read();
  void ReadAction1();
  void ShowConditions(int word);

  Link& link_;
  ui::Messages& messages_;
  ui::Progress& progress_;
  QList<QCheckBox*> conditions_;
  QLabel* StatusBar1;
};

}  // namespace vor::pages

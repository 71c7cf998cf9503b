#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "link/dispatcher.h"
#include "link/link.h"
#include "ui/messages.h"

class QWidget;

namespace vor::pages {

// One of the maintenance page's three commands: a bit of parameter 4 that the controller acts
// on and then clears.
struct MaintenanceOrder {
  QString caption;
  QString question;
  quint8 bit;
  QString notice;
};

extern const MaintenanceOrder kClearErrorsOrder;
extern const MaintenanceOrder kBatteryOrder;
extern const MaintenanceOrder kMaintenanceOrder;

// Carries out an order: asks, reads parameter 4, writes it back with the order's bit set and
// announces the outcome. Parameter 4's read and write replies move the page's step counters,
// whichever page asked for them.
class MaintenanceCommand : public QObject {
  Q_OBJECT

 public:
  MaintenanceCommand(Link& link, Dispatcher& dispatcher, ui::Messages& messages,
                     ui::Progress& progress, int& readStep, int& writeStep, QWidget* page);

  void Run(const MaintenanceOrder& order);

 private:
  void ClearErrors();
  void Announce();
  void FocusPage();

  Link& link_;
  ui::Messages& messages_;
  ui::Progress& progress_;
  int& readStep_;
  int& writeStep_;
  QWidget* page_;
  const MaintenanceOrder* order_ = nullptr;
  int parameter4_ = 0;
  QTimer noticeTimer_;
};

}  // namespace vor::pages

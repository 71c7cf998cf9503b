#include "pages/maintenance_command.h"

#include <QWidget>

#include "pages/connection_check.h"
#include "pages/parameter_encodings.h"
#include "pages/parameter_requests.h"
#include "ui/message_forms.h"

namespace vor::pages {
namespace {

constexpr quint8 kCommandParameter = 4;
// Where the read and write steps stand before an order and after its write.
constexpr int kOrderStart = 3;
constexpr int kOrderWritten = 4;

}  // namespace

const MaintenanceOrder kClearErrorsOrder = {
    QStringLiteral("Изчистване на текущи грешки"),
    QStringLiteral("ВНИМАНИЕ!\n\rВсички текущи грешки ще бъдат изчистени!\n\rЖелате ли да "
                   "продължите?"),
    0x20, QStringLiteral("Текущите грешки\n\rса изчистени!")};
const MaintenanceOrder kBatteryOrder = {
    QStringLiteral("Сменен Акумулатор                "),
    QStringLiteral("ВНИМАНИЕ!\n\rЩе бъде отбелязанана подмяна на\n\rАкумулатор!\n\rЖелате ли да "
                   "продължите?"),
    0x40, QStringLiteral("Потвърдена смяна на\n\rАкумулатор!")};
const MaintenanceOrder kMaintenanceOrder = {
    QStringLiteral("Направена профилактика       "),
    QStringLiteral("ВНИМАНИЕ!\n\rЩе бъде отбелязано за направена\n\rПрофилактика\n\rЖелате ли да "
                   "продължите?"),
    0x80, QStringLiteral("Потвърдено за направена\n\r       Профилактика!")};

MaintenanceCommand::MaintenanceCommand(Link& link, Dispatcher& dispatcher, ui::Messages& messages,
                                       ui::Progress& progress, int& readStep, int& writeStep,
                                       QWidget* page)
    : link_(link),
      messages_(messages),
      progress_(progress),
      readStep_(readStep),
      writeStep_(writeStep),
      page_(page) {
  dispatcher.RegisterParameter(kReadParameter, kCommandParameter, kReadPayloadBytes,
                               [this](const QString&) { ++readStep_; });
  dispatcher.RegisterParameter(kWriteParameter, kCommandParameter, 0,
                               [this](const QString&) { ++writeStep_; });
  noticeTimer_.setSingleShot(true);
  noticeTimer_.setInterval(1);
  connect(&noticeTimer_, &QTimer::timeout, this, &MaintenanceCommand::Announce);
}

void MaintenanceCommand::Run(const MaintenanceOrder& order) {
  if (!ConnectedOrSaySo(link_, messages_, page_) ||
      !ui::AskQuestion(messages_, order.question, page_)) {
    FocusPage();
    return;
  }
  readStep_ = writeStep_ = kOrderStart;
  parameter4_ = 0;
  order_ = &order;
  RequestRead(link_, kCommandParameter, [this] { ClearErrors(); });
  progress_.execute(page_);
}

// Follows both the read and the write of parameter 4; the write step tells which came.
void MaintenanceCommand::ClearErrors() {
  if (writeStep_ == kOrderStart) {
    parameter4_ = ByteValue(link_.ReplyText());
    RequestWrite(link_, kCommandParameter, quint8(parameter4_ | order_->bit),
                 [this] { ClearErrors(); });
  } else if (writeStep_ == kOrderWritten) {
    progress_.close();
    noticeTimer_.start();
  }
}

void MaintenanceCommand::Announce() {
  ui::ShowNotice(messages_, order_->notice, page_);
  FocusPage();
}

void MaintenanceCommand::FocusPage() {
  page_->activateWindow();
  page_->setFocus();
}

}  // namespace vor::pages

#include "pages/functions_page.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "pages/connection_check.h"
#include "pages/function_rows.h"
#include "pages/page_parts.h"
#include "pages/parameter_encodings.h"
#include "ui/message_forms.h"
#include "ui/page_placement.h"

namespace vor::pages {
namespace {

const QString kNotRead = QStringLiteral("Текущи настройки:Не прочетени");
const QString kChanged = QStringLiteral("Текущи настройки:Променени");
const QString kRead = QStringLiteral("Текущи настройки:Прочетени");
const QString kWritten = QStringLiteral("Текущи настройки:Записани");
const QString kRefusal =
    QStringLiteral("За Tози Модел/Профил менюто \"Програмируеми Финкции\" не е активно!");
const QString kNoChanges = QStringLiteral("Няма Въведени Промени в настроките!");

// The parameter that holds functions 8·index … 8·index + 7.
constexpr quint8 kFlagParameters[] = {2, 3, 4};

}  // namespace

TForm20::TForm20(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
                 TApplicationSettings& settings, SettingsViews& views, QWidget* parent)
    : QDialog(parent),
      link_(link),
      messages_(messages),
      progress_(progress),
      settings_(settings),
      rows_(new FunctionRows(views, this)),
      read_(StepSequence::Direction::Read, readStep_, ReadTable(),
            {link, dispatcher, messages, progress, this}, [this] { StatusBar1->setText(kRead); }),
      write_(StepSequence::Direction::Write, writeStep_, WriteTable(),
             {link, dispatcher, messages, progress, this}, {}) {
  setWindowTitle(QStringLiteral("-Настройки-"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  StatusBar1 = SunkenStatus(kNotRead, this);
  connect(rows_, &FunctionRows::Changed, this, [this] { StatusBar1->setText(kChanged); });

  auto* readButton = Button(QStringLiteral("Прочети"), this);
  connect(readButton, &QPushButton::clicked, this, &TForm20::Read);
  auto* writeButton = Button(QStringLiteral("Запиши"), this);
  connect(writeButton, &QPushButton::clicked, this, &TForm20::Write);
  PageColumn(*this, {rows_, ButtonRow(*this, {readButton, writeButton}), StatusBar1});
}

std::vector<Step> TForm20::ReadTable() {
  return {
      {kFlagParameters[0], MoveBy(2), 3, 1, true,
       [this](const QString& reply) {
         rows_->SetByte(0, quint8(PayloadByte(reply, 0)));
         rows_->SetByte(1, quint8(PayloadByte(reply, 1)));
       }},
      // Parameter 4 also carries the maintenance commands; its reply reaches this page
      // whichever page asked.
      {kFlagParameters[2], MoveBy(1), 4, 3, true,
       [this](const QString& reply) { rows_->SetByte(2, quint8(ByteValue(reply))); }},
  };
}

std::vector<Step> TForm20::WriteTable() {
  const auto byteOf = [this](int index) {
    return [this, index] { return std::optional<quint8>(rows_->Byte(index)); };
  };
  return {
      {kFlagParameters[0], MoveBy(1), 2, 1, false, {}, byteOf(0)},
      // The window goes as soon as parameter 3 is written, whatever follows.
      {kFlagParameters[1], MoveBy(1), 3, 2, false, [this](const QString&) { progress_.close(); },
       byteOf(1)},
      {kFlagParameters[2], MoveBy(1), kAnyStep, kAnyStep, false,
       [this](const QString&) { StatusBar1->setText(kWritten); }, byteOf(2)},
  };
}

void TForm20::Open(QWidget* owner, int top) {
  if (settings_.ProgramFunction == 0) {
    ui::ShowProblem(messages_, kRefusal, owner->window());
    return;
  }
  ui::PlacePage(*this, *owner, top);
  rows_->UncheckAll();
  StatusBar1->setText(kNotRead);
  exec();
}

void TForm20::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Queued: the read shows the progress window modally, which must not happen inside show.
  if (!event->spontaneous()) QMetaObject::invokeMethod(this, &TForm20::Read, Qt::QueuedConnection);
}

void TForm20::Read() {
  if (!ConnectedOrSaySo(link_, messages_, this)) return;
  readStep_ = writeStep_ = 1;
  read_.Start();
}

void TForm20::Write() {
  if (!link_.Connected()) StatusBar1->setText(kNotRead);
  if (!ConnectedOrSaySo(link_, messages_, this)) return;
  if (StatusBar1->text() != kChanged) {
    ui::ShowProblem(messages_, kNoChanges, this);
    return;
  }
  readStep_ = writeStep_ = 1;
  write_.Start();
}

QString TForm20::StatusText() const {
  return StatusBar1->text();
}

}  // namespace vor::pages

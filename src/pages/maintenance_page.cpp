#include "pages/maintenance_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "pages/connection_check.h"
#include "pages/date_check.h"
#include "pages/maintenance_rows.h"
#include "pages/page_parts.h"
#include "pages/parameter_encodings.h"
#include "settings/view_bindings.h"
#include "ui/page_placement.h"

namespace vor::pages {
namespace {

constexpr quint8 kMaxCycles = 0x23;
// The read step before the first criterion and before the first counter.
constexpr int kAllStart = 15;
constexpr int kCountersStart = 28;
// The read whose action starts the counters: the last criterion's.
constexpr int kLastCriterionRead = 8;

enum class Shown {
  Byte,         // byte × factor
  Word,         // word × factor
  CounterHigh,  // a counter's first stage: word × 256
  CounterLow,   // its second stage: the first stage + byte
  Year,         // byte + 2000
  DatePart,     // "-" + byte appended
  LastDatePart  // the same, then the whole date checked
};

struct Reading {
  quint8 parameter;
  Shown shown;
  int field;  // 1-10 criteria "CR", 11-23 counters "BR1" … "BR13"
  int factor;
  int stepAfter;
};

constexpr int BR(int row) {
  return kCriterionRows + row;
}

// Every read asks for parameter step + 1; parameters 49-54 are skipped.
constexpr Reading kReadings[] = {
    {16, Shown::Byte, 1, 15, 16},
    {17, Shown::Byte, 2, 15, 17},
    {18, Shown::Byte, 3, 15, 18},
    {19, Shown::Word, 4, 256, 20},
    {21, Shown::Word, 5, 256, 22},
    {23, Shown::Byte, 6, 1, 23},
    {24, Shown::Byte, 7, 1, 24},
    {25, Shown::Word, 8, 1, 26},
    {27, Shown::Word, 9, 1, 28},
    {29, Shown::CounterHigh, BR(1), 1, 30},
    {31, Shown::CounterLow, BR(1), 1, 31},
    {32, Shown::CounterHigh, BR(2), 1, 33},
    {34, Shown::CounterLow, BR(2), 1, 34},
    {35, Shown::Word, BR(3), 1, 36},
    {37, Shown::Byte, BR(4), 1, 37},
    {38, Shown::Byte, BR(5), 1, 38},
    {39, Shown::CounterHigh, BR(6), 1, 40},
    {41, Shown::CounterLow, BR(6), 1, 41},
    {42, Shown::CounterHigh, BR(7), 1, 43},
    {44, Shown::CounterLow, BR(7), 1, 44},
    {45, Shown::Word, BR(8), 1, 46},
    {47, Shown::Byte, BR(9), 1, 47},
    {48, Shown::Byte, BR(10), 1, 54},
    {55, Shown::Year, BR(11), 1, 55},
    {56, Shown::DatePart, BR(11), 1, 56},
    {57, Shown::LastDatePart, BR(11), 1, 57},
    {58, Shown::Year, BR(12), 1, 58},
    {59, Shown::DatePart, BR(12), 1, 59},
    {60, Shown::LastDatePart, BR(12), 1, 60},
    {61, Shown::Year, BR(13), 1, 61},
    {62, Shown::DatePart, BR(13), 1, 62},
    {63, Shown::LastDatePart, BR(13), 1, 63},
};

// Shows one read in its field; `staged` keeps a counter's value between its two stages.
void ShowReading(const Reading& r, const QString& reply, QLineEdit& field, qint64* staged) {
  const int byte = ByteValue(reply);
  switch (r.shown) {
    case Shown::Byte:
      field.setText(QString::number(byte * r.factor));
      break;
    case Shown::Word:
      field.setText(QString::number(WordValue(reply) * r.factor));
      break;
    case Shown::CounterHigh:
      *staged = CounterValue(WordValue(reply), 0);
      field.setText(QString::number(*staged));
      break;
    case Shown::CounterLow:
      *staged += byte;
      field.setText(QString::number(*staged));
      break;
    case Shown::Year:
      field.setText(QString::number(2000 + byte));
      break;
    case Shown::DatePart:
      field.setText(field.text() + '-' + QString::number(byte));
      break;
    case Shown::LastDatePart:
      field.setText(ChekDate(field.text() + '-' + QString::number(byte)));
      break;
  }
}

// A row panel: number label, value field, descriptive label.
QLineEdit* AddRow(QBoxLayout& rows, const QString& name, const MaintenanceRowTexts& texts,
                  SettingsViews& views, QWidget* parent) {
  auto* row = new QWidget(parent);
  row->setObjectName(name);
  auto* number = new QLabel(texts.number, row);
  number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("   00:")));
  number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* field = new QLineEdit(row);
  field->setReadOnly(true);
  field->setAccessibleName(texts.description);
  field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  auto* description = new QLabel(texts.description, row);
  description->setBuddy(field);
  auto* line = new QHBoxLayout(row);
  line->setContentsMargins(2, 0, 2, 0);
  line->addWidget(number);
  line->addWidget(field);
  line->addWidget(description, 1);
  rows.addWidget(row);
  AddWidgetRow(views, row);
  return field;
}

}  // namespace

TForm23::TForm23(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
                 SettingsViews& views, QWidget* parent)
    : QDialog(parent),
      link_(link),
      messages_(messages),
      progress_(progress),
      read_(StepSequence::Direction::Read, readStep_, ReadTable(),
            {link, dispatcher, messages, progress, this}, {}),
      command_(link, dispatcher, messages, progress, readStep_, writeStep_, this) {
  setWindowTitle(QStringLiteral("-Критерии за профилактика и броячи-"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  // "Затвори" comes first: it is the first in the focus order.
  auto* close = ButtonRow(*this, {});
  PageColumn(*this, {BuildCriteria(views), BuildCounters(views), close});
}

QWidget* TForm23::BuildCriteria(SettingsViews& views) {
  auto* group = new QGroupBox(QStringLiteral("Критерии за Профилактика"), this);
  auto* rows = new QVBoxLayout(group);
  rows->setSpacing(2);
  for (int i = 1; i <= kCriterionRows; ++i)
    criteria_[i - 1] = AddRow(*rows, CriterionRowName(i), kCriterionTexts[i - 1], views, group);
  auto* buttons = new QHBoxLayout;
  connect(AddButton(*buttons, QStringLiteral("Прочети Критерии и Броячи"), group),
          &QPushButton::clicked, this, &TForm23::ReadAll);
  buttons->addStretch();
  rows->addLayout(buttons);
  return group;
}

QWidget* TForm23::BuildCounters(SettingsViews& views) {
  auto* group = new QGroupBox(QStringLiteral("Броячи"), this);
  auto* layout = new QVBoxLayout(group);
  // Cycle counters in the first panel, service dates in the second.
  constexpr int kFirstDate = 11;
  auto* cycles = new QWidget(group);
  auto* dates = new QWidget(group);
  auto* cycleRows = new QVBoxLayout(cycles);
  auto* dateRows = new QVBoxLayout(dates);
  for (QBoxLayout* rows : {cycleRows, dateRows}) {
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
  }
  for (int j = 1; j <= kCounterRows; ++j) {
    QWidget* panel = j < kFirstDate ? cycles : dates;
    counters_[j - 1] = AddRow(j < kFirstDate ? *cycleRows : *dateRows, CounterRowName(j),
                              kCounterTexts[j - 1], views, panel);
  }
  layout->addWidget(cycles);
  layout->addWidget(dates);

  auto* buttons = new QHBoxLayout;
  connect(AddButton(*buttons, QStringLiteral("Прочети Броячите"), group), &QPushButton::clicked,
          this, &TForm23::ReadCounters);
  for (const MaintenanceOrder* order : {&kClearErrorsOrder, &kBatteryOrder, &kMaintenanceOrder})
    connect(AddButton(*buttons, order->caption, group), &QPushButton::clicked, this,
            [this, order] { command_.Run(*order); });
  layout->addLayout(buttons);
  return group;
}

std::vector<Step> TForm23::ReadTable() {
  std::vector<Step> steps;
  for (const Reading& r : kReadings) {
    const int before = r.parameter - 1;
    const int covered = r.shown == Shown::Word || r.shown == Shown::CounterHigh ? 2 : 1;
    const StepMove move = r.stepAfter == before + covered ? MoveBy(covered) : MoveTo(r.stepAfter);
    steps.push_back({r.parameter, move, r.stepAfter, before, true, [this, r](const QString& reply) {
                       const bool counter = r.field > kCriterionRows;
                       const int index = counter ? r.field - kCriterionRows - 1 : r.field - 1;
                       ShowReading(r, reply, counter ? *counters_[index] : *criteria_[index],
                                   counter ? &counterValues_[index] : nullptr);
                     }});
  }
  // The last read ends the sequence without looking at the step.
  steps.back().expected = kAnyStep;
  steps.back().problemOtherwise = false;
  return steps;
}

void TForm23::Open(QWidget* owner, int top) {
  ui::PlacePage(*this, *owner, top);
  exec();
}

void TForm23::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Queued: the read shows the progress window modally, which must not happen inside show.
  if (!event->spontaneous())
    QMetaObject::invokeMethod(this, &TForm23::ReadAll, Qt::QueuedConnection);
}

void TForm23::ReadAll() {
  for (QLineEdit* field : criteria_) field->clear();
  for (QLineEdit* field : counters_) field->clear();
  readStep_ = writeStep_ = kAllStart;
  if (!ConnectedOrSaySo(link_, messages_, this)) {
    activateWindow();
    return;
  }
  // Placed ahead of the first read; its reply touches no step and fills its field whenever
  // it comes.
  link_.Enqueue(
      link_.Address(), QByteArray(1, '\0'), [this] { MaxCycRead(); }, kMaxCycles);
  read_.Start();
}

void TForm23::ReadCounters() {
  for (QLineEdit* field : counters_) field->clear();
  readStep_ = kCountersStart;
  if (!ConnectedOrSaySo(link_, messages_, this)) {
    activateWindow();
    return;
  }
  // As if the last criterion had just been read.
  read_.Act(kLastCriterionRead);
  progress_.execute(this);
}

void TForm23::MaxCycRead() {
  const QString reply = link_.ReplyText();
  const int high = PayloadByte(reply, 0);
  const int low = PayloadByte(reply, 1);
  if (high < 0 || low < 0) return;  // a reply without the word shows nothing
  Criterion(10)->setText(QString::number((high << 8 | low) * 256));
}

}  // namespace vor::pages

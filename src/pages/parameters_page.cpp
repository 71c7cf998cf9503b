#include "pages/parameters_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "pages/page_parts.h"
#include "pages/parameters_values.h"
#include "ui/message_forms.h"
#include "ui/page_placement.h"

namespace vor::pages {

const QString TForm22::kNotRead = QStringLiteral("Параметри:Не прочетени");
const QString TForm22::kChanged = QStringLiteral("Параметри:Променени");
const QString TForm22::kRead = QStringLiteral("Параметри:Прочетени");
const QString TForm22::kWritten = QStringLiteral("Параметри:Записани");
const QString TForm22::kNotWritten = QStringLiteral("Параметри:Не Записани");

namespace {

const QString kTitle = QStringLiteral("-Параметри-");
const QString kNoChanges = QStringLiteral("Няма Въведени Промени в настроките!");
const QString kChooseScheme = QStringLiteral("Изберете позиция на ключовете!");
constexpr quint8 kUnlockOn = 0xA5;
constexpr int kEvents = 16;

QLineEdit* TimeEdit(const QString& name, const QString& text, QLabel* label, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  edit->setAccessibleName(label->text());
  edit->setMaximumWidth(80);
  label->setBuddy(edit);
  return edit;
}

}  // namespace

TForm22::TForm22(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
                 TApplicationSettings& settings, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      settings_(settings),
      link_(link),
      context_{link, dispatcher, messages, progress, this},
      read_(StepSequence::Direction::Read, readStep_, ReadTable(), context_,
            [this] { SetStatus(kRead); }),
      write_(StepSequence::Direction::Write, writeStep_, WriteTable(), context_,
             [this] { SetStatus(kWritten); }) {
  setWindowTitle(kTitle);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* group = new QGroupBox(kTitle, this);
  ComboBox1 = new QComboBox(group);
  ComboBox1->setObjectName("ComboBox1");
  ComboBox1->setAccessibleName(QStringLiteral("Позиции на ключовете"));
  ComboBox1->setMinimumWidth(160);
  CheckBox1 = new QCheckBox(QStringLiteral("Бутон Отключване"), group);
  CheckBox1->setObjectName("CheckBox1");
  Label1 = new QLabel(QStringLiteral("Време за свирене на Зумера (1 - 250 сек.)"), group);
  Edit1 = TimeEdit("Edit1", "10", Label1, group);
  Label2 = new QLabel(QStringLiteral("Максимално време за  отворена врата (5-1250 сек.)"), group);
  Edit2 = TimeEdit("Edit2", "60", Label2, group);
  Label3 = new QLabel(QStringLiteral("Време за презаключване (1-250 сек.)"), group);
  Edit3 = TimeEdit("Edit3", "60", Label3, group);

  auto* eventsGroup = new QGroupBox(QStringLiteral("Събития за Памет"), group);
  auto* eventsGrid = new QGridLayout(eventsGroup);
  for (int k = 0; k < kEvents; ++k) {
    auto* box = new QCheckBox(QString("Събитие %1").arg(k + 1, 2, 10, QChar('0')), eventsGroup);
    box->setObjectName(QString("CheckBox%1").arg(k + 2));
    eventsGrid->addWidget(box, k % 4, k / 4);
    events_.append(box);
  }

  auto* fields = new QGridLayout(group);
  fields->addWidget(ComboBox1, 0, 0);
  fields->addWidget(CheckBox1, 0, 1);
  fields->addWidget(Label1, 1, 0);
  fields->addWidget(Edit1, 1, 1);
  fields->addWidget(Label2, 2, 0);
  fields->addWidget(Edit2, 2, 1);
  fields->addWidget(Label3, 3, 0);
  fields->addWidget(Edit3, 3, 1);
  fields->addWidget(eventsGroup, 4, 0, 1, 2);

  auto* readButton = Button(QStringLiteral("Прочети"), this);
  auto* writeButton = Button(QStringLiteral("Запиши"), this);
  connect(readButton, &QPushButton::clicked, this, &TForm22::Read);
  connect(writeButton, &QPushButton::clicked, this, &TForm22::Write);
  auto* buttons = ButtonRow(*this, {readButton, writeButton});
  StatusBar1 = SunkenStatus(kNotRead, this);
  PageColumn(*this, {group, buttons, StatusBar1});

  // The status line is the page's record of unsaved changes: any change of a value, by the
  // user or by a read, marks it; only the user's choice of a scheme item does.
  const auto changed = [this] { SetStatus(kChanged); };
  for (QLineEdit* edit : {Edit1, Edit2, Edit3})
    connect(edit, &QLineEdit::textChanged, this, changed);
  connect(CheckBox1, &QCheckBox::toggled, this, changed);
  for (QCheckBox* box : events_) connect(box, &QCheckBox::toggled, this, changed);
  connect(ComboBox1, &QComboBox::activated, this, changed);
}

std::vector<Step> TForm22::ReadTable() {
  return {
      {7, MoveBy(1), 7, 6, true,
       [this](const QString& r) { Edit2->setText(TimeText(ByteValue(r), kDoorOpenUnit)); }},
      {8, MoveBy(1), 8, 7, true,
       [this](const QString& r) { Edit1->setText(TimeText(ByteValue(r), 1)); }},
      {9, MoveTo(0), 0, 8, true,
       [this](const QString& r) { CheckBox1->setChecked(ByteValue(r) != 0); }},
      {1, MoveTo(9), 9, 0, false,
       [this](const QString& r) {
         const int index = ByteValue(r);
         schemeRead_ = quint8(index);
         ComboBox1->setCurrentIndex(index < ComboBox1->count() ? index : -1);
       }},
      // The reply's second byte, parameter 11, is no setting of this page.
      {10, MoveBy(2), 11, 9, false,
       [this](const QString& r) { Edit3->setText(TimeText(ByteValue(r), 1)); }},
      {12, MoveBy(1), 12, 11, false, [this](const QString& r) { SetFlags(0, ByteValue(r)); }},
      {13, MoveBy(1), 13, 12, false, [this](const QString& r) { SetFlags(8, ByteValue(r)); }},
  };
}

std::vector<Step> TForm22::WriteTable() {
  return {
      {7, MoveBy(1), 7, 6, false, {}, [this] { return TimeByteOf(Edit2, Label2, kDoorOpenUnit); }},
      {8, MoveBy(1), 8, 7, false, {}, [this] { return TimeByteOf(Edit1, Label1, 1); }},
      {9,
       MoveTo(0),
       0,
       kAnyStep,
       false,
       {},
       [this] { return std::optional<quint8>(CheckBox1->isChecked() ? kUnlockOn : 0); }},
      {1, MoveTo(9), 9, 0, false, {}, [this] { return SchemeByte(); }},
      {10, MoveBy(2), 11, 9, false, {}, [this] { return TimeByteOf(Edit3, Label3, 1); }},
      {12, MoveBy(1), 12, 11, false, {}, [this] { return std::optional<quint8>(FlagsByte(0)); }},
      {13, MoveBy(1), 13, 12, false, {}, [this] { return std::optional<quint8>(FlagsByte(8)); }},
  };
}

void TForm22::Open(QWidget* owner, int top) {
  SetStatus(kNotRead);
  ComboBox1->clear();
  ComboBox1->addItems(settings_.KeyPositionTexts);
  const int index = PreselectedScheme(settings_.UsedKeys);
  ComboBox1->setCurrentIndex(index < ComboBox1->count() ? index : -1);
  ui::PlacePage(*this, *owner, top);
  exec();
}

void TForm22::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // After the page is up, so that the progress window opens over it.
  if (!event->spontaneous()) QMetaObject::invokeMethod(this, &TForm22::Read, Qt::QueuedConnection);
}

void TForm22::Read() {
  CheckBox1->setChecked(false);
  Edit1->clear();
  Edit2->clear();
  readStep_ = writeStep_ = 6;
  SetStatus(kNotRead);
  if (ConnectedOrSaySo(link_, messages_, this)) read_.Start();
}

void TForm22::Write() {
  if (!ConnectedOrSaySo(link_, messages_, this)) {
    SetStatus(kNotWritten);
    return;
  }
  if (StatusBar1->text() != kChanged) {
    ui::ShowProblem(messages_, kNoChanges, this);
    return;
  }
  readStep_ = writeStep_ = 6;
  write_.Start();
}

void TForm22::SetStatus(const QString& text) {
  StatusBar1->setText(text);
}

void TForm22::SetFlags(int first, int value) {
  for (int bit = 0; bit < 8; ++bit) events_[first + bit]->setChecked(Flag(value, bit));
}

quint8 TForm22::FlagsByte(int first) const {
  quint8 value = 0;
  for (int bit = 0; bit < 8; ++bit) value = WithFlag(value, bit, events_[first + bit]->isChecked());
  return value;
}

std::optional<quint8> TForm22::TimeByteOf(const QLineEdit* edit, const QLabel* label, int unit) {
  const std::optional<quint8> byte = TimeByte(edit->text(), unit);
  if (!byte)
    ui::ShowProblem(messages_, "Въведете цяло число в полето\n\r\"" + label->text() + "\"!", this);
  return byte;
}

std::optional<quint8> TForm22::SchemeByte() {
  const int index = ComboBox1->currentIndex();
  if (index >= 0) return quint8(index);
  if (!schemeRead_) ui::ShowProblem(messages_, kChooseScheme, this);
  return schemeRead_;
}

}  // namespace vor::pages

#include "pages/problems_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "pages/connection_check.h"
#include "pages/page_parts.h"
#include "pages/parameter_encodings.h"
#include "ui/page_placement.h"

namespace vor::pages {

const QString TForm21::kNotRead = QStringLiteral("Текущи настройки:Не прочетени");
const QString TForm21::kRead = QStringLiteral("Текущи настройки:Прочетени");

namespace {

// Condition k is bit k - 1 of the word in reply bytes 3 (high) and 4 (low).
const QString kCaptions[TForm21::kConditions] = {
    QStringLiteral("  1. Грешен Ключ"),
    QStringLiteral("  2. Проблем при Заключване"),
    QStringLiteral("  3. Проблем при Отключване"),
    QStringLiteral("  4. Проблем окъсен акумулатор"),
    QStringLiteral("  5. Напомняне за смяна на акумулатор"),
    QStringLiteral("  6. Сервиз за последователни проблеми"),
    QStringLiteral("  7. Сервиз за критични проблеми"),
    QStringLiteral("  8. Напомняне за профилактика"),
    QStringLiteral("  9. Авария -  без профилактика"),
    QStringLiteral("10. Авария - последователни проблеми"),
    QStringLiteral("11. Авария - критични проблеми"),
    QStringLiteral("12. Основен преглед и профилактика"),
};

}  // namespace

TForm21::TForm21(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
                 QWidget* parent)
    : QDialog(parent), link_(link), messages_(messages), progress_(progress) {
  setWindowTitle(QStringLiteral("-Проблеми и напомняния-"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* group = new QGroupBox(QStringLiteral("Проблеми и напомняния"), this);
  auto* column = new QVBoxLayout(group);
  for (int k = 0; k < kConditions; ++k) {
    auto* box = new QCheckBox(kCaptions[k], group);
    box->setObjectName(QString("CheckBox%1").arg(k + 1));
    // Grey until the first read says otherwise.
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
    column->addWidget(box);
    conditions_.append(box);
  }
  // Only displays: the controller's conditions are not the user's to change.
  group->setEnabled(false);

  auto* readButton = Button(QStringLiteral("Прочети   "), this);
  connect(readButton, &QPushButton::clicked, this, &TForm21::Read);
  auto* buttons = ButtonRow(*this, {readButton});
  StatusBar1 = SunkenStatus(kNotRead, this);
  PageColumn(*this, {group, buttons, StatusBar1});

  dispatcher.Register(kReadProblems, 2,
                      [this](const QString& reply) { ShowConditions(WordValue(reply)); });
}

void TForm21::Open(QWidget* owner, int top) {
  ui::PlacePage(*this, *owner, top);
  exec();
}

void TForm21::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // After the page is up, so that the progress window opens over it.
  if (!event->spontaneous()) QMetaObject::invokeMethod(this, &TForm21::Read, Qt::QueuedConnection);
}

void TForm21::Read() {
  ShowConditions(0);
  StatusBar1->setText(kNotRead);
  if (!ConnectedOrSaySo(link_, messages_, this)) return;
  link_.Enqueue(
      link_.Address(), QByteArray(1, 0), [this] { ReadAction1(); }, kReadProblems);
  progress_.execute(this);
}

void TForm21::ReadAction1() {
  progress_.close();
  StatusBar1->setText(kRead);
}

void TForm21::ShowConditions(int word) {
  // Bits 12-15 carry no condition.
  for (int k = 0; k < kConditions; ++k)
    conditions_[k]->setCheckState(Flag(word, k) ? Qt::Checked : Qt::Unchecked);
}

}  // namespace vor::pages

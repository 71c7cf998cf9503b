#include "keys/user_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "keys/title_strip.h"
#include "settings/number_text.h"
#include "ui/message_forms.h"

namespace vor::keys {

TForm2::TForm2(UsersList& users, ui::Messages& messages, QWidget* parent)
    : QDialog(parent), users_(users), messages_(messages) {
  setWindowTitle("-Ключ/Потребител");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Panel1 = MakeTitleStrip(QString(), this);

  const QString labels = " Номер ключ   Име на Потребител";
  auto* label = new QLabel(labels, this);
  SpinEdit1 = new QSpinBox(this);
  SpinEdit1->setObjectName("SpinEdit1");
  SpinEdit1->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  SpinEdit1->setAccessibleName("Номер ключ");
  // The spin field ends where the label's second caption begins.
  SpinEdit1->setFixedWidth(label->fontMetrics().horizontalAdvance(" Номер ключ  "));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setAccessibleName("Име на Потребител");
  Edit1->setMinimumWidth(260);

  Button1 = new QPushButton("Добави", this);
  Button1->setDefault(true);
  auto* cancel = new QPushButton("Отказ", this);
  cancel->setAutoDefault(false);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* fields = new QHBoxLayout;
  fields->setSpacing(0);
  fields->addWidget(SpinEdit1);
  fields->addWidget(Edit1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(cancel);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel1);
  layout->addWidget(label);
  layout->addLayout(fields);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TForm2::AddUser() {
  editedRow_ = -1;
  addedRow_ = -1;
  Run("Добавяне на Нов Потребител", users_.ProposedKeyNumber(), QString());
  return addedRow_;
}

void TForm2::EditUser(int row) {
  editedRow_ = row;
  Run("Редеактиране на Потребител", *NumberFromText(users_.KeyNumberText(row)), users_.Name(row));
}

void TForm2::Run(const QString& heading, int keyNumber, const QString& name) {
  Panel1->setText(heading);
  SpinEdit1->setValue(keyNumber);
  Edit1->setText(name);
  Edit1->selectAll();
  Edit1->setFocus();
  Place();
  exec();
}

void TForm2::Place() {
  adjustSize();
  const QRect over = parentWidget()->frameGeometry();
  move(std::max(0, over.x() + over.width() / 2 - width() / 2),
       over.y() + over.height() / 2 - height() / 2);
}

void TForm2::Confirm() {
  const int keyNumber = SpinEdit1->value();
  if (editedRow_ >= 0) {
    users_.Edit(editedRow_, keyNumber, Edit1->text());
    accept();
    return;
  }
  addedRow_ = users_.Add(keyNumber, Edit1->text());
  if (addedRow_ < 0)
    ui::ShowProblem(messages_,
                    "Вече има Въведен Потребите с Ключ Номер:" + QString::number(keyNumber), this);
  accept();
}

}  // namespace vor::keys

#include "pages/page_parts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vor::pages {

QPushButton* Button(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);
  return button;
}

QPushButton* AddButton(QBoxLayout& row, const QString& caption, QWidget* parent) {
  auto* button = Button(caption, parent);
  row.addWidget(button);
  return button;
}

QHBoxLayout* ButtonRow(QDialog& page, std::initializer_list<QPushButton*> left) {
  auto* row = new QHBoxLayout;
  for (QPushButton* button : left) row->addWidget(button);
  row->addStretch();
  QObject::connect(AddButton(*row, QStringLiteral("Затвори"), &page), &QPushButton::clicked, &page,
                   &QDialog::reject);
  return row;
}

QLabel* SunkenStatus(const QString& text, QWidget* parent) {
  auto* status = new QLabel(text, parent);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return status;
}

QVBoxLayout* PageColumn(QDialog& page, std::initializer_list<QObject*> parts) {
  auto* column = new QVBoxLayout(&page);
  for (QObject* part : parts) {
    if (auto* widget = qobject_cast<QWidget*>(part)) column->addWidget(widget);
    if (auto* layout = qobject_cast<QLayout*>(part)) column->addLayout(layout);
  }
  column->setSizeConstraint(QLayout::SetFixedSize);
  return column;
}

}  // namespace vor::pages

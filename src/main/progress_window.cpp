#include "main/progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

#include "main/placement.h"
#include "ui/message_forms.h"

namespace vor {

TForm28::TForm28(ui::Messages& messages, int timeOutMs, QWidget* parent)
    : QDialog(parent), messages_(messages) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("-Чете на на контролера-"));
  setFixedSize(400, 96);

  auto* label = new QLabel(
      QStringLiteral("Моля изчакайте настройките да бъдат прочетени от контролера!"), this);
  label->setObjectName(QStringLiteral("Label1"));
  label->setGeometry(8, 4, 384, 34);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setWordWrap(true);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  QPalette navy = label->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  label->setPalette(navy);

  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("ProgressBar1"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  bar_->setGeometry(8, 40, 384, 18);
  bar_->setAccessibleName(label->text());

  auto* cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                                 QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("BitBtn1"));
  cancel->setGeometry(162, 64, 75, 25);
  connect(cancel, &QPushButton::clicked, this, &TForm28::close);

  barTimer_.setInterval(10);
  connect(&barTimer_, &QTimer::timeout, this, &TForm28::Advance);
  timeOutTimer_.setInterval(timeOutMs);
  connect(&timeOutTimer_, &QTimer::timeout, this, &TForm28::TimeOut);
}

void TForm28::execute(QWidget* owner) {
  const QRect frame = OwnerFrame(owner);
  const QRect own = frameGeometry();
  move(frame.left() + HalfToEven(frame.width()) - HalfToEven(own.width()),
       frame.top() + HalfToEven(frame.height()) - HalfToEven(own.height()));
  bar_->setValue(0);
  barTimer_.start();
  timeOutTimer_.start();
  exec();
  bar_->setValue(0);
  barTimer_.stop();
  timeOutTimer_.stop();
}

void TForm28::close() {
  barTimer_.stop();
  timeOutTimer_.stop();
  reject();
}

void TForm28::Advance() {
  bar_->setValue(bar_->value() >= 100 ? 0 : bar_->value() + 1);
}

void TForm28::TimeOut() {
  timeOutTimer_.stop();
  close();
  ui::ShowProblem(messages_, QStringLiteral("Грешка При четенето!"), this);
}

}  // namespace vor

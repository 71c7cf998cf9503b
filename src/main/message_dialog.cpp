#include "main/message_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "main/placement.h"

namespace vor {
namespace {

constexpr int kButtonTop = 120;
constexpr QSize kButtonSize{75, 25};
constexpr int kYesLeft = 79;
constexpr int kNoLeft = 159;
constexpr int kLoneLeft = 125;

// Callers break lines with LF CR; a label breaks on LF alone.
QString DisplayText(QString message) {
  return message.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).remove(QLatin1Char('\r'));
}

}  // namespace

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("-Потвърждение-"));
  setFixedSize(313, 153);

  auto* bevel = new QFrame(this);
  bevel->setObjectName(QStringLiteral("Bevel1"));
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 297, 105);

  const QStyle::StandardPixmap icons[3] = {QStyle::SP_MessageBoxQuestion,
                                           QStyle::SP_MessageBoxInformation,
                                           QStyle::SP_MessageBoxWarning};
  for (int kind = 0; kind < 3; ++kind) {
    QLabel* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image%1").arg(kind + 1));
    picture->setPixmap(style()->standardIcon(icons[kind]).pixmap(32, 32));
    picture->setGeometry(20, 44, 32, 32);
    pictures_[kind] = picture;
  }

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("Label1"));
  message_->setGeometry(60, 10, 241, 101);
  message_->setAlignment(Qt::AlignCenter);
  message_->setWordWrap(true);
  QFont bold = message_->font();
  bold.setBold(true);
  message_->setFont(bold);

  yes_ = new QPushButton(QStringLiteral("OK"), this);
  yes_->setObjectName(QStringLiteral("OKBtn"));
  yes_->setGeometry(QRect(QPoint(kYesLeft, kButtonTop), kButtonSize));
  yes_->setDefault(true);
  connect(yes_, &QPushButton::clicked, this, &QDialog::accept);

  no_ = new QPushButton(QStringLiteral("Cancel"), this);
  no_->setObjectName(QStringLiteral("CancelBtn"));
  no_->setGeometry(QRect(QPoint(kNoLeft, kButtonTop), kButtonSize));
  connect(no_, &QPushButton::clicked, this, &QDialog::reject);

  ShowKind(ui::Question);
}

void TOKBottomDlg::ShowKind(int kind) {
  if (kind < ui::Question || kind > ui::Problem) return;  // as the last call left it
  for (int k = 0; k < 3; ++k) pictures_[k]->setVisible(k == kind);
  const bool question = kind == ui::Question;
  yes_->setVisible(question);
  no_->move(question ? kNoLeft : kLoneLeft, kButtonTop);
}

int TOKBottomDlg::Execute(int kind, const QString& yesCaption, const QString& noCaption,
                          const QString& title, const QString& message, int, QWidget* owner) {
  if (isVisible()) {
    // A message while another is open gets a dialog of its own instead of being lost.
    TOKBottomDlg nested;
    return nested.Execute(kind, yesCaption, noCaption, title, message, 1, owner);
  }
  ShowKind(kind);
  yes_->setText(yesCaption.isEmpty() ? QStringLiteral("Да") : yesCaption);
  no_->setText(noCaption.isEmpty() ? QStringLiteral("Не") : noCaption);
  if (!title.isEmpty())
    setWindowTitle(title);
  else
    setWindowTitle(kind == ui::Problem ? QStringLiteral("-Проблем-")
                                       : QStringLiteral("-Потвърждение-"));
  if (!message.isEmpty()) message_->setText(DisplayText(message));

  const QRect frame = OwnerFrame(owner);
  move(frame.left() + HalfToEven(frame.width()) - 160,
       frame.top() + HalfToEven(frame.height()) - 84);
  return exec() == QDialog::Accepted ? 1 : 2;
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  no_->setFocus(Qt::OtherFocusReason);
}

}  // namespace vor

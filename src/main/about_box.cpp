#include "main/about_box.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTextEdit>

#include "main/about_pictures.h"
#include "main/placement.h"

namespace vor {
namespace {

constexpr int kWidth = 454;
constexpr int kHeight = 398;

QLabel* AddPicture(QWidget* parent, const QString& name, const QRect& geometry,
                   const QPixmap& pixmap) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setGeometry(geometry);
  picture->setPixmap(pixmap);
  return picture;
}

QString AboutText() {
  const QString rule(93, QLatin1Char('-'));
  return QStringList{QStringLiteral("VOR 3.0 Home"),
                     rule,
                     QStringLiteral("Комукационна програма"),
                     QStringLiteral("за конфигуриране, настройка и извличане на събития от "),
                     QStringLiteral("електронни заключващи системи Sarnet"),
                     rule}
      .join(QLatin1Char('\n'));
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(kWidth, kHeight);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(2);
  panel->setGeometry(0, 0, kWidth, kHeight);

  AddPicture(panel, QStringLiteral("Image1"), QRect(16, 16, 422, 96),
             BannerPicture(QSize(422, 96)));
  AddPicture(panel, QStringLiteral("Image2"), QRect(24, 262, 96, 96),
             PadlockPicture(QSize(96, 96)));
  AddPicture(panel, QStringLiteral("Image3"), QRect(334, 262, 96, 96), KeyPicture(QSize(96, 96)));

  text_ = new QTextEdit(panel);
  text_->setObjectName(QStringLiteral("Memo1"));
  text_->setGeometry(16, 124, 422, 110);
  text_->setReadOnly(true);
  text_->setLineWrapMode(QTextEdit::NoWrap);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont bold = text_->font();
  bold.setBold(true);
  text_->setFont(bold);
  QTextOption centred = text_->document()->defaultTextOption();
  centred.setAlignment(Qt::AlignHCenter);
  text_->document()->setDefaultTextOption(centred);
  text_->setPlainText(AboutText());
  text_->setAccessibleName(QStringLiteral("VOR 3.0 Home"));

  auto* version = new QLabel(QStringLiteral("Версия:1-0-0-6"), panel);
  version->setObjectName(QStringLiteral("Label1"));
  version->setGeometry(128, 322, 198, 24);
  version->setAlignment(Qt::AlignCenter);
  version->setFont(bold);
  QPalette navy = version->palette();
  navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
  version->setPalette(navy);
}

void TForm3::SetAnchors(QWidget* mainWindow, QWidget* toolBar, QWidget* connectionBar) {
  mainWindow_ = mainWindow;
  toolBar_ = toolBar;
  connectionBar_ = connectionBar;
}

QPoint TForm3::Placement() const {
  if (!mainWindow_ || !toolBar_ || !connectionBar_) {
    const QRect screen = OwnerFrame(nullptr);
    return {screen.left() + HalfToEven(screen.width()) - HalfToEven(kWidth),
            screen.top() + HalfToEven(screen.height()) - HalfToEven(kHeight)};
  }
  const QRect main = mainWindow_->frameGeometry();
  const int top = toolBar_->mapToGlobal(toolBar_->contentsRect().topLeft()).y() +
                  connectionBar_->mapTo(mainWindow_, QPoint(0, 0)).y() + toolBar_->height();
  return {qMax(0, main.left() + HalfToEven(main.width()) - HalfToEven(kWidth)), top};
}

void TForm3::Execute() {
  move(Placement());
  exec();
}

void TForm3::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QTextCursor start = text_->textCursor();
  start.movePosition(QTextCursor::Start);
  text_->setTextCursor(start);
}

// Clicks on the background, panels, pictures and the version label reach here; the text
// area keeps its own.
void TForm3::mousePressEvent(QMouseEvent* event) {
  event->accept();
  reject();
}

void TForm3::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) reject();
}

}  // namespace vor

#include "main/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "link/frame_codec.h"
#include "main/about_box.h"
#include "main/about_pictures.h"
#include "main/identity_replies.h"
#include "main/placement.h"
#include "main/tool_pictures.h"
#include "settings/application_settings.h"
#include "settings/settings_views.h"
#include "settings/view_bindings.h"
#include "ui/message_forms.h"

namespace vor {
namespace {

const QString kNoConnection = QStringLiteral("Нямате изградена връзка към Устройството!");

QString Refusal(const QString& menu) {
  // The "T" of "Tози" is the Latin letter.
  return QStringLiteral("За Tози Модел/Профил менюто \"%1\" не е активно!").arg(menu);
}

QLineEdit* IdentityField(const QString& label) {
  auto* field = new QLineEdit;
  field->setReadOnly(true);
  field->setAccessibleName(label);
  field->setFixedWidth(96);
  return field;
}

}  // namespace

TForm1::TForm1(ui::Messages& messages, Dispatcher& dispatcher, QWidget* parent)
    : QMainWindow(parent), messages_(messages), dispatcher_(dispatcher) {
  setWindowTitle(QStringLiteral("-VOR 1.0 Home-"));
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(855, 671);
  stateText_ = state::kNoLink;

  BuildToolBar();
  auto* central = new QWidget;
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(6, 4, 6, 6);
  column->addWidget(connectionBar_ = BuildConnectionBar());
  column->addWidget(BuildInformationBar());
  auto* pictures = new QLabel;
  pictures->setPixmap(BannerPicture(QSize(836, 380)));
  pictures->setAlignment(Qt::AlignCenter);
  pictures->setFrameShape(QFrame::StyledPanel);
  column->addWidget(pictures, 1);
  setCentralWidget(central);

  identityTimer_.setInterval(2000);
  connect(&identityTimer_, &QTimer::timeout, this, &TForm1::RunIdentityTimerStep);
  pingAnnouncement_.setInterval(50);
  connect(&pingAnnouncement_, &QTimer::timeout, this, &TForm1::AnnouncePing);
  RegisterIdentityCases();

  connected_ = false;
  pingByUser_ = false;
  RefreshPorts();
}

TForm1::~TForm1() {
  StopWorker();
}

void TForm1::BuildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Меню"));
  toolBar_->setMovable(false);
  toolBar_->setIconSize(QSize(26, 26));
  toolBar_->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; font-size: 7.5pt; }"));
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  struct Button {
    const char* caption;
    const char* mark;
    QColor colour;
    std::function<void()> run;
  };
  const Button buttons[] = {
      {"Ключове", "К", QColor(200, 150, 30), [this] { OpenPage(Page::Keys); }},
      {"Часовник", "Ч", QColor(40, 110, 190), [this] { OpenPage(Page::Clock); }},
      {"Програмируеми Функции", "ПФ", QColor(60, 140, 80), [this] { OpenPage(Page::Functions); }},
      {"Пробл. и Напомняния", "!", QColor(200, 70, 50), [this] { OpenPage(Page::Problems); }},
      {"Параметри", "П", QColor(90, 90, 170), [this] { OpenPage(Page::Parameters); }},
      {"Профилактика", "Пр", QColor(120, 100, 60), [this] { OpenPage(Page::Maintenance); }},
      {"Потребители", "Пт", QColor(40, 140, 150), [this] { OpenPage(Page::Users); }},
      {"Памет", "М", QColor(130, 70, 150), [this] { OpenPage(Page::Memory); }},
      {nullptr, nullptr, {}, {}},
      {"Помощ", "?", QColor(70, 120, 70), [this] { OpenHelp(); }},
      {"За Програмата", "i", QColor(60, 100, 160),
       [this] {
         if (about_) about_->Execute();
       }},
      {nullptr, nullptr, {}, {}},
      {"Сервиз", "С", QColor(110, 110, 110), [this] { OpenPage(Page::Service); }},
  };
  for (const Button& b : buttons) {
    if (!b.caption) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* action = toolBar_->addAction(ToolPicture(QString::fromUtf8(b.mark), b.colour),
                                          QString::fromUtf8(b.caption));
    action->setObjectName(QString::fromUtf8(b.caption));
    // Long captions break at their last space so that every button fits the window's width.
    const QString caption = action->text();
    const int space = int(caption.lastIndexOf(' '));
    if (caption.size() > 12 && space > 0)
      action->setIconText(caption.left(space) + "\n" + caption.mid(space + 1));
    connect(action, &QAction::triggered, this, b.run);
    if (QWidget* widget = toolBar_->widgetForAction(action))
      widget->setAccessibleName(action->text());
  }
}

QWidget* TForm1::BuildConnectionBar() {
  auto* bar = new QFrame;
  bar->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(bar);
  connectButton_ = new QToolButton;
  connectButton_->setText(QStringLiteral("Връзка"));
  connectButton_->setCheckable(true);
  connectButton_->setMinimumSize(110, 30);
  connectButton_->setObjectName(connectButton_->text());
  connectButton_->setAccessibleName(connectButton_->text());
  connect(connectButton_, &QToolButton::clicked, this, &TForm1::ConnectClicked);
  statePanel_ = new QLabel(stateText_);
  statePanel_->setFrameShape(QFrame::Panel);
  statePanel_->setFrameShadow(QFrame::Sunken);
  statePanel_->setAlignment(Qt::AlignCenter);
  statePanel_->setMinimumWidth(300);
  QFont bold = statePanel_->font();
  bold.setBold(true);
  statePanel_->setFont(bold);
  statePanel_->setAccessibleName(QStringLiteral("Състояние на връзката"));
  auto* ping = new QPushButton(QStringLiteral("Ping"));
  ping->setObjectName("Ping");
  ping->setAccessibleName(ping->text());
  connect(ping, &QPushButton::clicked, this, &TForm1::PingClicked);
  row->addWidget(connectButton_);
  row->addWidget(statePanel_, 1);
  row->addWidget(ping);
  return bar;
}

QWidget* TForm1::BuildInformationBar() {
  auto* bar = new QWidget;
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(0, 0, 0, 0);

  auto* portColumn = new QVBoxLayout;
  auto* portLabel = new QLabel(QStringLiteral("COM Port"));
  ports_ = new QComboBox;
  ports_->setEditable(true);  // a typed name is used as it stands
  ports_->setMinimumWidth(150);
  ports_->setAccessibleName(portLabel->text());
  portLabel->setBuddy(ports_);
  connect(ports_, &QComboBox::currentTextChanged, this, &TForm1::PortChanged);
  portColumn->addWidget(portLabel);
  portColumn->addWidget(ports_);
  portColumn->addStretch();
  row->addLayout(portColumn);

  auto* block = new QFrame;
  block->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(block);
  auto addPair = [grid](int row, int column, const QString& caption, QWidget* value) {
    auto* label = new QLabel(caption);
    label->setBuddy(value);
    grid->addWidget(label, row, column, Qt::AlignRight);
    grid->addWidget(value, row, column + 1);
  };
  syncLabel_ = new QLabel;
  syncLabel_->setAccessibleName(QStringLiteral("Синхронизация"));
  profileLabel_ = new QLabel;
  profileLabel_->setAccessibleName(QStringLiteral("Профил"));
  for (QLabel* value : {syncLabel_, profileLabel_}) {
    value->setFrameShape(QFrame::Panel);
    value->setFrameShadow(QFrame::Sunken);
    value->setMinimumWidth(110);
  }
  grid->addWidget(new QLabel(QStringLiteral("Синхронизация")), 0, 0);
  grid->addWidget(syncLabel_, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Профил")), 2, 0);
  grid->addWidget(profileLabel_, 3, 0);
  addPair(0, 1, QStringLiteral("Модел:"), modelField_ = IdentityField(QStringLiteral("Модел:")));
  addPair(1, 1, QStringLiteral("Версия:"),
          versionField_ = IdentityField(QStringLiteral("Версия:")));
  addPair(2, 1, QStringLiteral("Дата Прозв.:"),
          dateField_ = IdentityField(QStringLiteral("Дата Прозв.:")));
  addPair(3, 1, QStringLiteral("ОТК:"), otkField_ = IdentityField(QStringLiteral("ОТК:")));
  row->addWidget(block);
  row->addStretch();

  auto* exit = new QPushButton(QStringLiteral("Изход"));
  exit->setAccessibleName(exit->text());
  exit->setMinimumSize(90, 30);
  connect(exit, &QPushButton::clicked, this, &QWidget::close);
  row->addWidget(exit, 0, Qt::AlignBottom);
  return bar;
}

void TForm1::RegisterIdentityCases() {
  dispatcher_.Register(
      0x20, 4,
      [this](const QString& reply) {
        modelField_->setText(reply.mid(6, 4));
        versionField_->setText(reply.mid(10, 4));
      },
      [this](const QString&) {
        // The model is applied once a connection, on the first model reply after the date reply.
        if (!connected_ || !worker_ || worker_->ModelChecked() || !settings_ || !catalogue_) return;
        settings_->ApplyModel(modelField_->text() + "-" + versionField_->text(), catalogue_->models,
                              catalogue_->keysScheme, catalogue_->prophylaxis,
                              catalogue_->programFunctions);
        worker_->SetModelChecked(true);
      });
  dispatcher_.Register(0x21, 4, [this](const QString& reply) {
    dateField_->setText(
        ProductionDateText(PayloadByte(reply, 0), PayloadByte(reply, 1), PayloadByte(reply, 2)));
    otkField_->setText(QString::number(PayloadByte(reply, 3)));
    SetStateText(state::kEstablished);
    connected_ = true;
  });
}

void TForm1::AttachSettings(TApplicationSettings* settings, const Catalogue* catalogue,
                            SettingsViews& views) {
  settings_ = settings;
  catalogue_ = catalogue;
  views.mainWindow = this;
  AddWidgetLabel(views, kSyncLabel, syncLabel_);
  AddWidgetLabel(views, kProfileLabel, profileLabel_);
}

void TForm1::AttachAboutBox(TForm3* about) {
  about_ = about;
  about->SetAnchors(this, toolBar_, connectionBar_);
}

void TForm1::SetPageOpener(Page page, std::function<void()> open) {
  pageOpeners_.insert(page, std::move(open));
}

void TForm1::RefreshPorts() {
  const QStringList names = ListPorts();
  const QSignalBlocker block(ports_);
  ports_->clear();
  ports_->addItems(names);
  if (names.isEmpty())
    ui::ShowProblem(messages_, QStringLiteral("Няма инсталиран ComPort на вашият компютър"), this);
  else
    ports_->setCurrentIndex(0);
}

void TForm1::SelectPort(const QString& name) {
  if (ports_->findText(name) < 0) ports_->addItem(name);
  ports_->setCurrentIndex(ports_->findText(name));
}

int TForm1::PageTop() const {
  return toolBar_->mapToGlobal(QPoint(0, toolBar_->height())).y();
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(HalfToEven(screen->geometry().width()) - HalfToEven(frameGeometry().width()), 0);
}

// ---- connection ---------------------------------------------------------------------------

void TForm1::ConnectClicked() {
  connectButton_->setEnabled(false);
  const QString state = StateText();
  if (state == state::kNoLink || state == state::kError) {
    Connect();
  } else if (worker_) {
    SetStateText(state::kClosing);
    worker_->Terminate();
  }
}

void TForm1::Connect() {
  ClearIdentityFields();
  const QString port = ports_->currentText();
  const QString failure = QStringLiteral("Грешка при отваряне на ComPort: ") + port + "!";
  OpenResult opened = OpenLine(port, kLineSpeed.toInt());
  for (OpenFailure f : opened.failures)
    if (f != OpenFailure::Opening) ui::ShowProblem(messages_, failure, this);
  if (!opened.line) {
    SetStateText(state::kError);
    ui::ShowProblem(messages_, failure, this);
    connectButton_->setChecked(false);
    connectButton_->setEnabled(true);
    connected_ = false;
    return;
  }
  DetectVORType(*opened.line, *this);
  identitySlots_[0] = identitySlots_[1] = -1;
  identityTimer_.setInterval(2000);
  worker_ = new TCommThread(std::move(opened.line), kAddressText, *this, *this);
  connect(worker_, &QThread::finished, worker_, &QObject::deleteLater);
  worker_->start(QThread::LowPriority);
  SetStateText(state::kNotAnswering);
}

void TForm1::PortChanged() {
  if (!connectButton_->isChecked()) return;
  ConnectClicked();
  connectButton_->setChecked(false);
}

void TForm1::StopWorker() {
  if (!worker_) return;
  QPointer<TCommThread> worker = worker_;
  worker_->Terminate();
  QDeadlineTimer deadline(5000);
  while (worker && !worker->isFinished() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void TForm1::WorkerClosed(TCommThread& worker) {
  if (worker_ == &worker) worker_ = nullptr;
  connectButton_->setChecked(false);
}

int TForm1::Enqueue(const QByteArray& address, const QByteArray& data, PageAction action,
                    quint8 command) {
  return worker_ ? worker_->Enqueue(address, data, std::move(action), command) : -1;
}

QString TForm1::ReplyText() const {
  return worker_ ? worker_->ReplyText() : QString();
}

QString TForm1::StateText() const {
  std::lock_guard lock(stateMutex_);
  return stateText_;
}

void TForm1::SetStateText(const QString& text) {
  {
    std::lock_guard lock(stateMutex_);
    stateText_ = text;
  }
  statePanel_->setText(text);
}

void TForm1::ClearIdentityFields() {
  for (QLineEdit* field : {modelField_, versionField_, dateField_, otkField_}) field->clear();
}

void TForm1::EnableConnectButton() {
  connectButton_->setEnabled(true);
}

void TForm1::CloseProgressWindow() {
  if (closeProgress_) closeProgress_();
}

// Identity queries still in the table are not placed again, so that a silent controller
// never fills the table.
bool TForm1::IdentityQueriesWaiting() const {
  const RequestTable* table = worker_ ? worker_->Table() : nullptr;
  if (!table) return false;
  for (int slot : identitySlots_) {
    if (slot < 0 || table->StatusOf(slot) == RequestTable::Status::Free) continue;
    const QByteArray frame = table->FrameOf(slot);
    if (frame.size() > 3 && (quint8(frame.at(3)) == 0x20 || quint8(frame.at(3)) == 0x21))
      return true;
  }
  return false;
}

void TForm1::RunIdentityTimerStep() {
  identityTimer_.stop();
  if (!dateField_->text().isEmpty() || !worker_) return;
  if (!IdentityQueriesWaiting()) {
    const QByteArray address = Address();
    identitySlots_[0] = worker_->Enqueue(
        address, QByteArray(1, 0), [] {}, 0x21);
    identitySlots_[1] = worker_->Enqueue(
        address, QByteArray(1, 0), [] {}, 0x20);
  }
  worker_->RequestPing();
  identityTimer_.setInterval(1000);
  identityTimer_.start();
}

void TForm1::PingClicked() {
  if (!worker_) {
    ui::ShowProblem(messages_, kNoConnection, this);
    return;
  }
  worker_->RequestPing();
  pingByUser_ = true;
}

void TForm1::AnnouncePing() {
  pingAnnouncement_.stop();
  ui::ShowNotice(messages_, QStringLiteral("\n\r\n\r\n\rУСПЕШЕН PING!"), this);
}

// ---- sync type over the settings ----------------------------------------------------------

int TForm1::SyncIndex() const {
  return settings_ ? settings_->SyncIndex.load() : kSyncAuto;
}

void TForm1::SetSyncIndex(int index) {
  if (settings_) settings_->SyncIndex = index;
  if (worker_) worker_->Wake();
}

void TForm1::RefreshProfileView() {
  if (settings_) settings_->RefreshProfileView();
}

// ---- tool bar -----------------------------------------------------------------------------

void TForm1::OpenPage(Page page) {
  struct Gate {
    bool TApplicationSettings::*on;
    const char* menu;
  };
  static const QHash<Page, Gate> gates = {
      {Page::Clock, {&TApplicationSettings::Timer, "Часовник"}},
      {Page::Problems, {&TApplicationSettings::ProblemsAndReminders, "Проблеми и Напомняния"}},
      {Page::Parameters, {&TApplicationSettings::Parameters, "Параметри"}},
      {Page::Maintenance, {&TApplicationSettings::Profilactic, "Профилактика"}},
      {Page::Memory, {&TApplicationSettings::Memory, "Памет"}},
  };
  const auto gate = gates.constFind(page);
  if (gate != gates.constEnd() && settings_ && !(settings_->*(gate->on))) {
    ui::ShowProblem(messages_, Refusal(QString::fromUtf8(gate->menu)), this);
    return;
  }
  if (const auto open = pageOpeners_.constFind(page); open != pageOpeners_.constEnd()) (*open)();
}

void TForm1::OpenHelp() {
  const QString path = QCoreApplication::applicationDirPath() + "/VOR Help.pdf";
  if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    ui::ShowProblem(messages_, QStringLiteral("Не е намерен помощен файл!"), this);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (!ui::AskQuestion(messages_, QStringLiteral("Желаете ли изход от системата?"), this)) {
    event->ignore();
    return;
  }
  identityTimer_.stop();
  pingAnnouncement_.stop();
  StopWorker();  // the port is let go before the program ends
  event->accept();
}

}  // namespace vor

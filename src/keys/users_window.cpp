#include "keys/users_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "keys/title_strip.h"
#include "keys/users_files.h"
#include "settings/number_text.h"
#include "ui/message_forms.h"
#include "ui/page_placement.h"

namespace vor::keys {
namespace {

const QString kTitle = "Списък с Потребителите на системата";
const QString kTextFilters = "Text Files (*.csv);;All (*.*)";
const QString kCsvFilters = "CSV (*.csv);;All (*.*)";

}  // namespace

TForm24::TForm24(UsersList& users, ui::Messages& messages, const QString& folder, QWidget* parent)
    : QDialog(parent),
      users_(users),
      messages_(messages),
      folder_(folder),
      dialog_(new TForm2(users, messages, this)) {
  setWindowTitle("-Потребители-");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Panel1 = MakeTitleStrip(kTitle, this);

  StringGrid1 = new QTableView(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setAccessibleName(kTitle);
  StringGrid1->setModel(&users_);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
  // The grid's own header is the header strip, so the columns always lie under their sections;
  // the name section takes the rest of the width.
  QHeaderView* strip = StringGrid1->horizontalHeader();
  strip->setObjectName("HeaderControl1");
  strip->setSectionsClickable(true);
  strip->setHighlightSections(false);
  strip->setStretchLastSection(true);
  strip->resizeSection(UsersList::NumberColumn, 40);
  strip->resizeSection(UsersList::KeyColumn, 93);
  connect(strip, &QHeaderView::sectionClicked, this, &TForm24::SortBy);
  connect(StringGrid1, &QTableView::doubleClicked, this, &TForm24::EditUser);
  connect(&users_, &QAbstractItemModel::modelReset, this, [this] { SelectRow(0); });
  SelectRow(0);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->addAction("Добавяне", this, &TForm24::AddUser);
  PopupMenu1->addAction("Редактиране", this, &TForm24::EditUser);
  PopupMenu1->addAction("Изтриване", this, &TForm24::DeleteUser);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction("Запиши", this, &TForm24::Save);
  PopupMenu1->addAction("Запиши като...", this, &TForm24::Save);
  PopupMenu1->addAction("Зареждане", this, &TForm24::Load);
  PopupMenu1->addSeparator();
  PopupMenu1->addAction("Изчисти Всичко", this, &TForm24::ClearAll);
  StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PopupMenu1->popup(StringGrid1->viewport()->mapToGlobal(at));
  });

  auto* buttons = new QHBoxLayout;
  const auto addButton = [this, buttons](const QString& caption, void (TForm24::*operation)()) {
    auto* button = new QPushButton(caption, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, operation);
    buttons->addWidget(button);
  };
  addButton("Добавяне", &TForm24::AddUser);
  addButton("Редактиране", &TForm24::EditUser);
  addButton("Изтриване", &TForm24::DeleteUser);
  addButton("Експорт", &TForm24::Export);
  addButton("Импорт", &TForm24::Import);
  addButton("Зареждане", &TForm24::Load);
  addButton("Запиши", &TForm24::Save);
  buttons->addStretch();
  addButton("Затвори", &TForm24::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Panel1);
  layout->addWidget(StringGrid1, 1);
  layout->addLayout(buttons);
  resize(sizeHint().expandedTo(QSize(720, 460)));
}

void TForm24::Open(QWidget* owner, int top) {
  ui::PlacePage(*this, *owner, top);
  Panel1->setText(kTitle + ":/Зареден/");
  exec();
}

int TForm24::CurrentRow() const {
  const QModelIndex current = StringGrid1->currentIndex();
  return current.isValid() ? current.row() : 0;
}

void TForm24::SelectRow(int row) {
  StringGrid1->selectRow(row);
}

void TForm24::ReportBadKey(int row) {
  SelectRow(row);
  ui::ShowProblem(messages_,
                  QString("Ключ Номер \"%1\" на ред %2 не е цяло число!")
                      .arg(users_.KeyNumberText(row))
                      .arg(row + 1),
                  this);
}

void TForm24::AddUser() {
  const int row = dialog_->AddUser();
  if (row >= 0) SelectRow(row);
}

void TForm24::EditUser() {
  if (users_.IsEmpty()) return;
  const int row = CurrentRow();
  if (!NumberFromText(users_.KeyNumberText(row))) {
    ReportBadKey(row);
    return;
  }
  dialog_->EditUser(row);
}

void TForm24::DeleteUser() {
  const int row = CurrentRow();
  const QString question = "Желате ли Потребител:" + users_.Name(row) + "\r\n" + " да бъде изтрит?";
  if (ui::AskQuestion(messages_, question, this)) users_.Remove(row);
}

void TForm24::ClearAll() {
  Panel1->setText(kTitle + ":/Изчистен/");
  users_.Clear();
}

void TForm24::SortBy(int section) {
  if (section == UsersList::NumberColumn) return;
  if (!users_.Sort(UsersList::Column(section))) ReportBadKey(users_.BadKeyRow());
}

void TForm24::Save() {
  if (!users_.SortAscending(UsersList::KeyColumn)) {
    ReportBadKey(users_.BadKeyRow());
    return;
  }
  const QString path = AskFile(QFileDialog::AcceptSave, kTextFilters, 1, kUsersLstName);
  if (!path.isEmpty()) SaveUsersLst(users_, path, messages_, this);
}

void TForm24::Load() {
  const QString path = AskFile(QFileDialog::AcceptOpen, kCsvFilters, 1, kUsersLstName);
  if (!path.isEmpty()) LoadUsersLst(users_, path, messages_, this);
}

void TForm24::Export() {
  const QString path = AskFile(QFileDialog::AcceptSave, kTextFilters, 0, kUsersCsvName);
  if (!path.isEmpty()) ExportUsersCsv(users_, path, messages_, this);
}

void TForm24::Import() {
  const QString path = AskFile(QFileDialog::AcceptOpen, kCsvFilters, 0, kUsersCsvName);
  if (!path.isEmpty()) ImportUsersCsv(users_, path, messages_, this);
}

QString TForm24::AskFile(QFileDialog::AcceptMode mode, const QString& filters, int filter,
                         const QString& name) {
  QFileDialog dialog(this);
  dialog.setAcceptMode(mode);
  // An open dialog also takes a missing file, so the user hears why nothing was loaded.
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList list = filters.split(";;");
  dialog.setNameFilters(list);
  dialog.selectNameFilter(list[filter]);
  dialog.setDirectory(folder_);
  dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace vor::keys

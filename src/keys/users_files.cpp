#include "keys/users_files.h"

#include <QDir>
#include <QFile>

#include "keys/users_csv_format.h"
#include "keys/users_lst_format.h"
#include "settings/cp1251_text.h"
#include "ui/message_forms.h"

namespace vor::keys {
namespace {

void ReportUnreadable(const QString& path, ui::Messages& messages, QWidget* owner) {
  ui::ShowProblem(messages, "Файлът не може да бъде прочетен:\n\r" + QDir::toNativeSeparators(path),
                  owner);
}

void ReportUnwritten(const QString& path, const QString& error, ui::Messages& messages,
                     QWidget* owner) {
  ui::ShowProblem(messages,
                  "Файлът не е записан:\n\r" + QDir::toNativeSeparators(path) + "\n\r" + error,
                  owner);
}

}  // namespace

void LoadUsersAtStart(UsersList& users, const QString& folder, ui::Messages& messages) {
  users.Clear();
  users.ResetSortStates();
  LoadUsersLst(users, QDir(folder).filePath(kUsersLstName), messages, nullptr);
}

void LoadUsersLst(UsersList& users, const QString& path, ui::Messages& messages, QWidget* owner) {
  QFile file(path);
  if (!file.exists()) {
    ui::ShowProblem(messages, "Нямате Създаден Фаил с Потребителите!", owner);
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) {
    ReportUnreadable(path, messages, owner);
    return;
  }
  const UsersLstContent content = DecodeUsersLst(file.readAll());
  users.SetRows(content.rows);
  users.ResetSortStates();
  if (content.fault == UsersLstContent::KeyLine) ui::ShowProblem(messages, "Грешен Файл1!", owner);
  if (content.fault == UsersLstContent::NameLine) ui::ShowProblem(messages, "Грешен Файл2!", owner);
}

void SaveUsersLst(const UsersList& users, const QString& path, ui::Messages& messages,
                  QWidget* owner) {
  QString error;
  if (!WriteFileAtomically(path, EncodeUsersLst(users.Users()), &error))
    ReportUnwritten(path, error, messages, owner);
}

void ExportUsersCsv(const UsersList& users, const QString& path, ui::Messages& messages,
                    QWidget* owner) {
  QString error;
  if (!WriteCp1251Lines(path, EncodeUsersCsv(users.Users()), &error))
    ReportUnwritten(path, error, messages, owner);
}

void ImportUsersCsv(UsersList& users, const QString& path, ui::Messages& messages, QWidget* owner) {
  const std::optional<QStringList> lines = ReadCp1251Lines(path);
  if (!lines) {
    ReportUnreadable(path, messages, owner);
    return;
  }
  users.SetRows(DecodeUsersCsv(*lines));
}

}  // namespace vor::keys

#pragma once

#include <QString>

#include "keys/users_list.h"
#include "ui/messages.h"

class QWidget;

// The users list's files, with the messages the user sees about them.
namespace vor::keys {

inline constexpr char kUsersLstName[] = "Users.lst";
inline constexpr char kUsersCsvName[] = "Users.csv";

// At program start: the list becomes what "Users.lst" in `folder` holds, without a file dialog.
void LoadUsersAtStart(UsersList& users, const QString& folder, ui::Messages& messages);

// Replaces the list with the rows of a "Users.lst" file and resets both sort states. A missing
// or unreadable file leaves the list as it was; a faulty line keeps the rows read before it.
void LoadUsersLst(UsersList& users, const QString& path, ui::Messages& messages, QWidget* owner);
// Writes the users in their present order; a failed write keeps the old file and says so.
void SaveUsersLst(const UsersList& users, const QString& path, ui::Messages& messages,
                  QWidget* owner);

void ExportUsersCsv(const UsersList& users, const QString& path, ui::Messages& messages,
                    QWidget* owner);
// Replaces the rows with the file's lines, numbers included; the sort states stay.
void ImportUsersCsv(UsersList& users, const QString& path, ui::Messages& messages, QWidget* owner);

}  // namespace vor::keys

#pragma once

#include <QDialog>
#include <QFileDialog>

#include "keys/user_dialog.h"
#include "keys/users_list.h"
#include "ui/messages.h"

class QLabel;
class QMenu;
class QTableView;

namespace vor::keys {

// The users window: shows and edits the users list and moves it to and from its files, which
// it proposes in `folder` (the program's folder).
class TForm24 : public QDialog {
  Q_OBJECT

 public:
  TForm24(UsersList& users, ui::Messages& messages, const QString& folder,
          QWidget* parent = nullptr);

  // Shows the window modally with its top edge at `top` (screen coordinates), centred
  // horizontally on `owner`; returns when it is closed.
  void Open(QWidget* owner, int top);

 private:
  int CurrentRow() const;
  void SelectRow(int row);
  void ReportBadKey(int row);

  void AddUser();
  void EditUser();
  void DeleteUser();
  void ClearAll();
  void SortBy(int section);
  void Save();
  void Load();
  void Export();
  void Import();
  QString AskFile(QFileDialog::AcceptMode mode, const QString& filters, int filter,
                  const QString& name);

  UsersList& users_;
  ui::Messages& messages_;
  QString folder_;
  TForm2* dialog_;
  QLabel* Panel1;
  QTableView* StringGrid1;
  QMenu* PopupMenu1;
};

}  // namespace vor::keys

#pragma once

#include <QDialog>

#include "keys/users_list.h"
#include "ui/messages.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vor::keys {

// The key/user dialog: adds a user to the list or edits one, centred over the users window.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  TForm2(UsersList& users, ui::Messages& messages, QWidget* parent);

  // Proposes the smallest free key number; returns the row filled, or -1 when nothing was added.
  int AddUser();
  // `row` must hold a whole key number.
  void EditUser(int row);

 private:
  void Run(const QString& heading, int keyNumber, const QString& name);
  void Place();
  void Confirm();

  UsersList& users_;
  ui::Messages& messages_;
  int editedRow_ = -1;  // -1 in add mode
  int addedRow_ = -1;
  QLabel* Panel1;
  QSpinBox* SpinEdit1;
  QLineEdit* Edit1;
  QPushButton* Button1;
};

}  // namespace vor::keys

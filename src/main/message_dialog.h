#pragma once

#include <QDialog>

#include "ui/messages.h"

class QLabel;
class QPushButton;

namespace vor {

// The one message dialog: a question with "yes" and "no", or a notice or problem with the
// "no" button alone. Focus starts on "no", so Enter and Esc never confirm by accident.
class TOKBottomDlg : public QDialog, public ui::Messages {
  Q_OBJECT

 public:
  explicit TOKBottomDlg(QWidget* parent = nullptr);

  int Execute(int kind, const QString& yesCaption, const QString& noCaption, const QString& title,
              const QString& message, int number, QWidget* owner) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowKind(int kind);

  QLabel* pictures_[3];
  QLabel* message_;
  QPushButton* yes_;
  QPushButton* no_;
};

}  // namespace vor

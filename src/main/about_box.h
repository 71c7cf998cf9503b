#pragma once

#include <QDialog>
#include <QPointer>

class QTextEdit;

namespace vor {

// The about box: no border, on top, closed by a click anywhere but its text, by Esc, or
// when it loses the focus.
class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* parent = nullptr);

  // The main window's parts the box places itself under.
  void SetAnchors(QWidget* mainWindow, QWidget* toolBar, QWidget* connectionBar);
  void Execute();

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPoint Placement() const;

  QTextEdit* text_;
  QPointer<QWidget> mainWindow_;
  QPointer<QWidget> toolBar_;
  QPointer<QWidget> connectionBar_;
};

}  // namespace vor

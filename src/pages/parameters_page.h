#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "pages/parameter_access.h"
#include "settings/application_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace vor::pages {

// The parameters page: key-position scheme, unlock button, buzzer, door-open and relock
// times and the sixteen memory events, read and written as parameters 1, 7-10, 12 and 13.
class TForm22 : public QDialog {
  Q_OBJECT

 public:
  TForm22(Link& link, Dispatcher& dispatcher, ui::Messages& messages, ui::Progress& progress,
          TApplicationSettings& settings, QWidget* parent = nullptr);

  // Refills the scheme list from the settings and shows the page modally with its top edge at
  // `top` (screen coordinates) under the tool bar of `owner`; returns when it is closed.
  void Open(QWidget* owner, int top);

  static const QString kNotRead, kChanged, kRead, kWritten, kNotWritten;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<Step> ReadTable();
  std::vector<Step> WriteTable();
  void Read();
  void Write();
  void SetStatus(const QString& text);
  void SetFlags(int first, int value);
  quint8 FlagsByte(int first) const;
  std::optional<quint8> TimeByteOf(const QLineEdit* edit, const QLabel* label, int unit);
  std::optional<quint8> SchemeByte();

  ui::Messages& messages_;
  TApplicationSettings& settings_;
  Link& link_;
  QComboBox* ComboBox1;
  QCheckBox* CheckBox1;
  QLabel* Label1;
  QLineEdit* Edit1;  // buzzer
  QLabel* Label2;
  QLineEdit* Edit2;  // maximum door-open time
  QLabel* Label3;
  QLineEdit* Edit3;  // relock
  QList<QCheckBox*> events_;
  QLabel* StatusBar1;
  // What the controller holds in parameter 1, sent back while the list shows no item.
  std::optional<quint8> schemeRead_;
  int readStep_ = 6;
  int writeStep_ = 6;
  SequenceContext context_;
  StepSequence read_;
  StepSequence write_;
};

}  // namespace vor::pages

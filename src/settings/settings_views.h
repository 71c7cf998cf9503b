#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace vor {

class ProfileForm;

// The service menu's profile box with the check box "Използване на Настройки по
// подразбиране за Модела"; the service menu implements it.
class ProfileList {
 public:
  virtual ~ProfileList() = default;
  virtual int CurrentIndex() const = 0;  // -1 none
  virtual void SetItems(const QStringList& items) = 0;
  virtual void SetCurrentIndex(int index) = 0;
  virtual void SetAutoRecognitionChecked(bool checked) = 0;
};

// The windows the settings object drives but does not own. Each window registers its part
// when it is created; whatever is not registered is skipped.
class SettingsViews {
 public:
  struct Row {
    std::function<void(bool shown)> show;
    std::function<void(const QString& caption)> setCaption;  // may be empty
  };

  // Rows of pages, by the names other code finds them under ("Panel_P00", "CR1", "BR1").
  void AddRow(const QString& name, Row row);
  // Labels by name: kActiveProfileLabel, kProfileLabel, kSyncLabel.
  void AddLabel(const QString& name, std::function<void(const QString& text)> setText);
  void Remove(const QString& name);

  void ShowRow(const QString& name, bool shown) const;
  void SetRowCaption(const QString& name, const QString& caption) const;
  void SetLabel(const QString& name, const QString& text) const;

  // Owners of the messages: questions and profile problems, and the model messages.
  QWidget* mainWindow = nullptr;
  QWidget* serviceMenu = nullptr;
  ProfileList* profileList = nullptr;
  ProfileForm* profileForm = nullptr;

 private:
  QHash<QString, Row> rows_;
  QHash<QString, std::function<void(const QString&)>> labels_;
};

// The service menu's label under "Активен Профил".
inline const QString kActiveProfileLabel = QStringLiteral("ActiveProfile");
// The main window's labels under "Профил" and "Синхронизация".
inline const QString kProfileLabel = QStringLiteral("Profile");
inline const QString kSyncLabel = QStringLiteral("Synchronization");

// "Panel_P00" … "Panel_P23": the programmable-functions page's rows.
QString FunctionRowName(int function);
// "CR1" … "CR10" and "BR1" … "BR13": the maintenance page's criteria and counter rows.
QString CriterionRowName(int criterion);
QString CounterRowName(int counter);

inline constexpr int kFunctionRows = 24;
inline constexpr int kCriterionRows = 10;
inline constexpr int kCounterRows = 13;

}  // namespace vor

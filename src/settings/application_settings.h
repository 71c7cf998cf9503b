#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

#include "settings/catalogue_table.h"
#include "settings/profiles.h"

namespace vor {

namespace ui {
class Messages;
}
class SettingsStore;
class SettingsViews;

// The one settings object: the named profiles and the active settings every page reads.
// Used on the UI thread, except SyncIndex, which the link worker reads at any time.
class TApplicationSettings {
 public:
  struct ProfileEntry {
    QString key;  // the name the entry was added or last activated under
    TProfiles profile;
  };
  using PlainMessage = std::function<void(const QString& text)>;

  // Starts with the "Default Profile" alone; LoadFromRegistry follows.
  TApplicationSettings(SettingsStore& store, ui::Messages& messages, SettingsViews& views,
                       PlainMessage plainMessage);

  const std::vector<ProfileEntry>& Profiles() const { return profiles_; }

  void AddProfile(const TProfiles& profile);
  void ModifyProfile(int index);
  void DeleteProfile(int index);
  void ActivateProfile(int index);
  void SetAutoRecognition(bool on);
  void RefreshProfileView();
  // False when the store could not be written.
  bool SaveToRegistry();
  void LoadFromRegistry();
  void ClearAll();
  // Makes the model-table row for `text` (or the nearest one) the active settings.
  void ApplyModel(const QString& text, const CatalogueTable& models,
                  const CatalogueTable& keysScheme, const CatalogueTable& prophylaxis,
                  const CatalogueTable& programFunctions);

  int ActiveProfileID = -1;
  QString ActiveProfileName;
  bool AutoSettings = true;
  QString ModelText;
  QString SyncName;
  std::atomic<int> SyncIndex = 3;
  int KeyLength = -1;
  bool Timer = false;
  int KeysMax = -1;
  int UsedKeys = -1;
  int ProgramFunction = -1;
  QString PFTableName;
  bool ProblemsAndReminders = false;
  bool Parameters = false;
  bool Profilactic = false;
  bool Memory = false;
  QString ProphylaxisTableName;
  QStringList PFNames;
  QStringList CriteriaFlags;
  QStringList CounterFlags;
  QStringList KeyPositionTexts;
  QString ComSpeed;
  QString ComPort;

 private:
  bool IsProfileIndex(int index) const { return index >= 0 && index < int(profiles_.size()); }
  // Shows rows "Panel_P00"… for as many captions as given and hides the rest.
  void ShowFunctionRows(const QStringList& captions) const;
  void ShowMaintenanceRows() const;

  SettingsStore& store_;
  ui::Messages& messages_;
  SettingsViews& views_;
  PlainMessage plainMessage_;
  std::vector<ProfileEntry> profiles_;
};

// "Net", "IButton", "RFID", "Auto": the sync type names by index.
extern const QStringList kSyncNames;
// Index of the name regardless of case; -1 when none.
int SyncIndexOf(const QString& name);

}  // namespace vor

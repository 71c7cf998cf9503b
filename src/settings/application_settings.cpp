#include "settings/application_settings.h"

#include "settings/key_positions.h"
#include "settings/settings_store.h"
#include "settings/settings_views.h"
#include "ui/message_forms.h"

namespace vor {
namespace {

const QString kApplicationKey = QStringLiteral("Application Settings");
const QString kProfilesKey = QStringLiteral("Application Settings/Profils Settings");

// "%.3d:" and the name; separators of key levels would split the subkey, so they are
// replaced here (the name itself is stored as a value).
QString ProfileSubkey(int index, const QString& name) {
  QString safeName = name;
  safeName.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
  return kProfilesKey + QLatin1Char('/') + QString::asprintf("%.3d:", index) + safeName;
}

QString GenericFunctionName(int n) {
  return n < 10 ? QStringLiteral(" %1.  Функция  %1").arg(n)
                : QStringLiteral("%1. Функция %1").arg(n);
}

}  // namespace

const QStringList kSyncNames{QStringLiteral("Net"), QStringLiteral("IButton"),
                             QStringLiteral("RFID"), QStringLiteral("Auto")};

int SyncIndexOf(const QString& name) {
  for (int i = 0; i < kSyncNames.size(); ++i)
    if (kSyncNames[i].compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

TApplicationSettings::TApplicationSettings(SettingsStore& store, ui::Messages& messages,
                                           SettingsViews& views, PlainMessage plainMessage)
    : store_(store), messages_(messages), views_(views), plainMessage_(std::move(plainMessage)) {
  ClearAll();
  ActiveProfileID = 0;
  TProfiles defaults;
  defaults.SetDefaults();
  AddProfile(defaults);
  RefreshProfileView();
}

void TApplicationSettings::ClearAll() {
  profiles_.clear();
  ActiveProfileID = -1;
  ActiveProfileName.clear();
  AutoSettings = true;
  ModelText.clear();
  SyncName.clear();
  SyncIndex = 3;
  KeyLength = KeysMax = UsedKeys = ProgramFunction = -1;
  Timer = ProblemsAndReminders = Parameters = Profilactic = Memory = false;
  PFTableName.clear();
  ProphylaxisTableName.clear();
  PFNames.clear();
  CriteriaFlags.clear();
  CounterFlags.clear();
  KeyPositionTexts.clear();
  ComSpeed.clear();
  ComPort.clear();
}

void TApplicationSettings::AddProfile(const TProfiles& profile) {
  for (const ProfileEntry& entry : profiles_) {
    if (entry.key.compare(profile.ProfileName, Qt::CaseInsensitive) == 0) {
      ui::ShowProblem(messages_,
                      QStringLiteral("Профил с Име %1 вече съществува!").arg(profile.ProfileName),
                      views_.mainWindow);
      return;
    }
  }
  profiles_.push_back({profile.ProfileName, profile});
}

void TApplicationSettings::ModifyProfile(int index) {
  if (!IsProfileIndex(index)) return;
  TProfiles& profile = profiles_[index].profile;
  if (index == 0 || index == ActiveProfileID) {
    ui::ShowProblem(messages_,
                    index == 0 ? QStringLiteral("Default Profile не може да бъде Променян!")
                               : QStringLiteral("Активен Профил не може да бъде Променян!"),
                    views_.mainWindow);
    if (views_.profileForm) profile.ShowOnForm(*views_.profileForm);
    return;
  }
  if (views_.profileForm) profile.LoadFromForm(*views_.profileForm);
  RefreshProfileView();
}

void TApplicationSettings::DeleteProfile(int index) {
  if (!IsProfileIndex(index)) return;
  const QString key = profiles_[index].key;
  if (index == 0) {
    ui::ShowProblem(messages_, QStringLiteral("Default Profile не може да бъде изтрит!"),
                    views_.mainWindow);
    return;
  }
  if (index == ActiveProfileID) {
    ui::ShowProblem(messages_,
                    QStringLiteral("Профил %1 е активен и не може да бъде изтрит!").arg(key),
                    views_.mainWindow);
    return;
  }
  profiles_.erase(profiles_.begin() + index);
  if (index < ActiveProfileID) --ActiveProfileID;
  RefreshProfileView();
  ui::ShowNotice(messages_, QStringLiteral("Профил %1 е изтрит!").arg(key), views_.mainWindow);
}

void TApplicationSettings::ActivateProfile(int index) {
  if (!IsProfileIndex(index)) return;
  for (ProfileEntry& entry : profiles_) entry.key = entry.profile.ProfileName;
  const TProfiles& profile = profiles_[index].profile;
  ActiveProfileID = index;
  ActiveProfileName = profile.ProfileName;
  ModelText.clear();
  RefreshProfileView();

  SyncName = profile.Synchronization;
  SyncIndex = SyncIndexOf(SyncName);
  KeyLength = profile.KeyLength;
  Timer = profile.Timer;
  KeysMax = profile.KeysMax;
  UsedKeys = profile.UsedKeys;
  ProgramFunction = profile.ProgramFunction;
  ProblemsAndReminders = profile.ProblemsAndReminders;
  Parameters = profile.Parameters;
  Profilactic = profile.Profilactic;
  Memory = profile.Memory;

  PFNames.clear();
  for (int n = 0; n < ProgramFunction; ++n) PFNames.append(GenericFunctionName(n));
  ShowFunctionRows(PFNames);
  KeyPositionTexts = KeyPositionTextsForCapacity(KeysMax);
  RefreshProfileView();
}

void TApplicationSettings::ShowFunctionRows(const QStringList& captions) const {
  for (int n = 0; n < kFunctionRows; ++n) {
    const QString name = FunctionRowName(n);
    if (n < captions.size()) views_.SetRowCaption(name, captions[n]);
    views_.ShowRow(name, n < captions.size());
  }
}

void TApplicationSettings::SetAutoRecognition(bool on) {
  if (on != AutoSettings) {
    const QString question =
        on ? QStringLiteral("Желаете ли автоматично разпознаване на модел да бъде активирано?")
           : QStringLiteral("Желаете ли автоматично разпознаване на модел да бъде деактивирано?");
    if (ui::AskQuestion(messages_, question, views_.mainWindow)) {
      AutoSettings = on;
      SyncIndex = on ? 3 : SyncIndexOf(SyncName);
    }
  }
  RefreshProfileView();
}

void TApplicationSettings::RefreshProfileView() {
  const bool hasActive = IsProfileIndex(ActiveProfileID);
  const QString activeKey = hasActive ? profiles_[ActiveProfileID].key : QString();
  if (ProfileList* list = views_.profileList) {
    const int selected = list->CurrentIndex();
    QStringList items;
    for (const ProfileEntry& entry : profiles_)
      items.append(QStringLiteral("  ") + entry.profile.ProfileName);
    if (hasActive) items[ActiveProfileID] = QStringLiteral("* ") + activeKey;
    list->SetItems(items);
    list->SetAutoRecognitionChecked(AutoSettings);
    list->SetCurrentIndex(selected);
  }
  const QString profileText = AutoSettings ? QStringLiteral("Ауто/Модел") : activeKey;
  views_.SetLabel(kActiveProfileLabel, profileText);
  views_.SetLabel(kProfileLabel, profileText);
  views_.SetLabel(kSyncLabel, kSyncNames.value(SyncIndex));
}

bool TApplicationSettings::SaveToRegistry() {
  WriteInteger(store_, kApplicationKey, QStringLiteral("ActiveProfileID"), ActiveProfileID);
  store_.SetValue(kApplicationKey, QStringLiteral("ActiveProfileName"), ActiveProfileName);
  WriteBool(store_, kApplicationKey, QStringLiteral("AutoSettings"), AutoSettings);
  store_.SetValue(kApplicationKey, QStringLiteral("ComSpeed"), ComSpeed);
  store_.SetValue(kApplicationKey, QStringLiteral("ComPort"), ComPort);
  // Deleted and renamed profiles must not come back at the next load.
  store_.RemoveKey(kProfilesKey);
  for (int i = 0; i < int(profiles_.size()); ++i)
    profiles_[i].profile.WriteToRegistry(store_,
                                         ProfileSubkey(i, profiles_[i].profile.ProfileName));
  return store_.Flush();
}

void TApplicationSettings::LoadFromRegistry() {
  ClearAll();
  ActiveProfileID = ReadInteger(store_, kApplicationKey, QStringLiteral("ActiveProfileID"), -1);
  ActiveProfileName = ReadText(store_, kApplicationKey, QStringLiteral("ActiveProfileName"), {});
  AutoSettings = ReadBool(store_, kApplicationKey, QStringLiteral("AutoSettings"), true);
  ComSpeed = ReadText(store_, kApplicationKey, QStringLiteral("ComSpeed"), {});
  ComPort = ReadText(store_, kApplicationKey, QStringLiteral("ComPort"), {});
  for (const QString& subkey : store_.SubKeys(kProfilesKey)) {
    TProfiles profile;
    profile.ReadFromRegistry(store_, kProfilesKey + QLatin1Char('/') + subkey);
    AddProfile(profile);
  }

  if (profiles_.empty()) {
    if (plainMessage_)
      plainMessage_(QStringLiteral("Няма записани профили! Зареден е само Default Profile!"));
    ClearAll();
    ActiveProfileID = 0;
    AutoSettings = true;
    TProfiles defaults;
    defaults.SetDefaults();
    AddProfile(defaults);
  }

  RefreshProfileView();
  ProfileList* list = views_.profileList;
  if (list) list->SetCurrentIndex(int(profiles_.size()) - 1);
  if (IsProfileIndex(ActiveProfileID))
    ActivateProfile(ActiveProfileID);
  else
    ActiveProfileID = -1;
  if (list) list->SetCurrentIndex(ActiveProfileID);
}

}  // namespace vor

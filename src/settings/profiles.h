#pragma once

#include <QString>

namespace vor {

class SettingsStore;

// The service menu's profile edit fields as they read: the texts of the boxes and the ticks.
struct ProfileFields {
  QString name;             // "Име на Прифила"
  QString synchronization;  // "Синхронизация"
  QString keyLength;        // "Дължина на ключа": "8 byte" or "16 byte"
  QString keysMax;          // "Макс. бр. ключове"
  QString usedKeys;         // "Ползв. ключове"
  QString programFunction;  // "Програм. функ."
  bool timer = false;       // "Часовник"
  bool problemsAndReminders = false;
  bool parameters = false;
  bool profilactic = false;
  bool memory = false;

  bool operator==(const ProfileFields&) const = default;
};

// The profile edit fields; the service menu implements it. A box shows no choice when it
// lacks the text it is given.
class ProfileForm {
 public:
  virtual ~ProfileForm() = default;
  virtual ProfileFields Fields() const = 0;
  virtual void ShowFields(const ProfileFields& fields) = 0;
};

// What one kind of controller offers. A new profile holds the values of the widest one.
class TProfiles {
 public:
  QString ProfileName = QStringLiteral("Default");
  QString Synchronization = QStringLiteral("auto");
  int KeyLength = 8;
  bool Timer = true;
  int KeysMax = 999;
  int UsedKeys = 999;
  int ProgramFunction = 24;
  QString ProgramFunctionsTable;
  bool ProblemsAndReminders = true;
  bool Parameters = true;
  bool Profilactic = true;
  bool Memory = true;

  // A box whose text is no number leaves its field as it was.
  void LoadFromForm(const ProfileForm& form);
  void ShowOnForm(ProfileForm& form) const;
  // The values of the protected "Default Profile".
  void SetDefaults();
  // A missing value, or one that is no number, keeps the field's current value.
  void ReadFromRegistry(const SettingsStore& store, const QString& subkey);
  void WriteToRegistry(SettingsStore& store, const QString& subkey) const;

  bool operator==(const TProfiles&) const = default;
};

}  // namespace vor

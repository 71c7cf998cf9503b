#include "settings/profiles.h"

#include "settings/number_text.h"
#include "settings/settings_store.h"

namespace vor {
namespace {

const QString kByteSuffix = QStringLiteral(" byte");

void TakeNumber(const QString& text, int& field) {
  if (const std::optional<int> value = NumberFromText(text)) field = *value;
}

}  // namespace

void TProfiles::LoadFromForm(const ProfileForm& form) {
  const ProfileFields fields = form.Fields();
  ProfileName = fields.name;
  Synchronization = fields.synchronization;
  if (fields.keyLength.endsWith(kByteSuffix)) TakeNumber(fields.keyLength.chopped(5), KeyLength);
  TakeNumber(fields.keysMax, KeysMax);
  TakeNumber(fields.usedKeys, UsedKeys);
  TakeNumber(fields.programFunction, ProgramFunction);
  Timer = fields.timer;
  ProblemsAndReminders = fields.problemsAndReminders;
  Parameters = fields.parameters;
  Profilactic = fields.profilactic;
  Memory = fields.memory;
}

void TProfiles::ShowOnForm(ProfileForm& form) const {
  form.ShowFields({ProfileName, Synchronization, QString::number(KeyLength) + kByteSuffix,
                   QString::number(KeysMax), QString::number(UsedKeys),
                   QString::number(ProgramFunction), Timer, ProblemsAndReminders, Parameters,
                   Profilactic, Memory});
}

void TProfiles::SetDefaults() {
  ProfileName = QStringLiteral("Default Profile");
  Synchronization = QStringLiteral("Auto");
  KeyLength = 8;
  Timer = false;
  KeysMax = 64;
  UsedKeys = 16;
  ProgramFunction = 0;
  ProblemsAndReminders = true;
  Parameters = true;
  Profilactic = true;
  Memory = false;
}

void TProfiles::ReadFromRegistry(const SettingsStore& store, const QString& subkey) {
  ProfileName = ReadText(store, subkey, QStringLiteral("ProfileName"), ProfileName);
  Synchronization = ReadText(store, subkey, QStringLiteral("Synchronization"), Synchronization);
  KeyLength = ReadInteger(store, subkey, QStringLiteral("KeyLength"), KeyLength);
  Timer = ReadBool(store, subkey, QStringLiteral("Timer"), Timer);
  KeysMax = ReadInteger(store, subkey, QStringLiteral("KeysMax"), KeysMax);
  UsedKeys = ReadInteger(store, subkey, QStringLiteral("UsedKeys"), UsedKeys);
  ProgramFunction = ReadInteger(store, subkey, QStringLiteral("ProgramFunction"), ProgramFunction);
  ProgramFunctionsTable =
      ReadText(store, subkey, QStringLiteral("ProgramFunctionsTable"), ProgramFunctionsTable);
  ProblemsAndReminders =
      ReadBool(store, subkey, QStringLiteral("ProblemsAndReminders"), ProblemsAndReminders);
  Parameters = ReadBool(store, subkey, QStringLiteral("Parameters"), Parameters);
  Profilactic = ReadBool(store, subkey, QStringLiteral("Profilactic"), Profilactic);
  Memory = ReadBool(store, subkey, QStringLiteral("Memory"), Memory);
}

void TProfiles::WriteToRegistry(SettingsStore& store, const QString& subkey) const {
  store.SetValue(subkey, QStringLiteral("ProfileName"), ProfileName);
  store.SetValue(subkey, QStringLiteral("Synchronization"), Synchronization);
  WriteInteger(store, subkey, QStringLiteral("KeyLength"), KeyLength);
  WriteBool(store, subkey, QStringLiteral("Timer"), Timer);
  WriteInteger(store, subkey, QStringLiteral("KeysMax"), KeysMax);
  WriteInteger(store, subkey, QStringLiteral("UsedKeys"), UsedKeys);
  WriteInteger(store, subkey, QStringLiteral("ProgramFunction"), ProgramFunction);
  store.SetValue(subkey, QStringLiteral("ProgramFunctionsTable"), ProgramFunctionsTable);
  WriteBool(store, subkey, QStringLiteral("ProblemsAndReminders"), ProblemsAndReminders);
  WriteBool(store, subkey, QStringLiteral("Parameters"), Parameters);
  WriteBool(store, subkey, QStringLiteral("Profilactic"), Profilactic);
  WriteBool(store, subkey, QStringLiteral("Memory"), Memory);
}

}  // namespace vor

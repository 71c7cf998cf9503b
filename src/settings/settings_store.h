#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

namespace vor {

// Where the application values and profiles are kept: keys holding string values and subkeys.
// Key paths use "/" between levels ("Application Settings/Profils Settings").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<QString> Value(const QString& key, const QString& name) const = 0;
  virtual void SetValue(const QString& key, const QString& name, const QString& value) = 0;
  // Names of the subkeys, ascending regardless of case.
  virtual QStringList SubKeys(const QString& key) const = 0;
  virtual void RemoveKey(const QString& key) = 0;
  // Makes the writes lasting; false when the store could not be written.
  virtual bool Flush() = 0;
};

// The store kept by QSettings: the registry on Windows, a settings file elsewhere.
class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(std::unique_ptr<QSettings> settings);
  // A settings file at `path`; for tests and for systems without a registry.
  explicit QtSettingsStore(const QString& path);
  ~QtSettingsStore() override;

  std::optional<QString> Value(const QString& key, const QString& name) const override;
  void SetValue(const QString& key, const QString& name, const QString& value) override;
  QStringList SubKeys(const QString& key) const override;
  void RemoveKey(const QString& key) override;
  bool Flush() override;

 private:
  std::unique_ptr<QSettings> settings_;
};

// HKEY_LOCAL_MACHINE\Software\Tavo\VOR\3.0 on Windows; elsewhere a file of the same
// layout in the user's configuration folder.
std::unique_ptr<SettingsStore> OpenSettingsStore();

// Typed reading and writing: integers as decimal text, booleans as "0" and "1"; a missing
// value or text that is no integer yields the default.
int ReadInteger(const SettingsStore& store, const QString& key, const QString& name, int fallback);
bool ReadBool(const SettingsStore& store, const QString& key, const QString& name, bool fallback);
QString ReadText(const SettingsStore& store, const QString& key, const QString& name,
                 const QString& fallback);
void WriteInteger(SettingsStore& store, const QString& key, const QString& name, int value);
void WriteBool(SettingsStore& store, const QString& key, const QString& name, bool value);

}  // namespace vor

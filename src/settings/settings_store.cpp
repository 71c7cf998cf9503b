#include "settings/settings_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

#include "settings/number_text.h"

namespace vor {

QtSettingsStore::QtSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QtSettingsStore::QtSettingsStore(const QString& path)
    : QtSettingsStore(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<QString> QtSettingsStore::Value(const QString& key, const QString& name) const {
  const QString path = key + QLatin1Char('/') + name;
  if (!settings_->contains(path)) return std::nullopt;
  return settings_->value(path).toString();
}

void QtSettingsStore::SetValue(const QString& key, const QString& name, const QString& value) {
  settings_->setValue(key + QLatin1Char('/') + name, value);
}

QStringList QtSettingsStore::SubKeys(const QString& key) const {
  settings_->beginGroup(key);
  QStringList names = settings_->childGroups();
  settings_->endGroup();
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return names;
}

void QtSettingsStore::RemoveKey(const QString& key) {
  settings_->remove(key);
}

bool QtSettingsStore::Flush() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

std::unique_ptr<SettingsStore> OpenSettingsStore() {
#ifdef Q_OS_WIN
  return std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(
      QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tavo\\VOR\\3.0"), QSettings::NativeFormat));
#else
  return std::make_unique<QtSettingsStore>(
      QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
      QStringLiteral("/Tavo/VOR/3.0.conf"));
#endif
}

int ReadInteger(const SettingsStore& store, const QString& key, const QString& name, int fallback) {
  return NumberFromText(store.Value(key, name).value_or(QString())).value_or(fallback);
}

bool ReadBool(const SettingsStore& store, const QString& key, const QString& name, bool fallback) {
  return ReadInteger(store, key, name, fallback ? 1 : 0) != 0;
}

QString ReadText(const SettingsStore& store, const QString& key, const QString& name,
                 const QString& fallback) {
  return store.Value(key, name).value_or(fallback);
}

void WriteInteger(SettingsStore& store, const QString& key, const QString& name, int value) {
  store.SetValue(key, name, QString::number(value));
}

void WriteBool(SettingsStore& store, const QString& key, const QString& name, bool value) {
  store.SetValue(key, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

}  // namespace vor

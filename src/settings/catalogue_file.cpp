#include "settings/catalogue_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

#include "settings/cp1251_text.h"
#include "settings/ini_file.h"

namespace vor {
namespace {

struct Section {
  const char* name;
  CatalogueTable Catalogue::*table;
};

// The order of reading; writing goes the other way round.
constexpr std::array<Section, 4> kSections{{
    {"MODELS", &Catalogue::models},
    {"PROGRAM FUNCTIONS", &Catalogue::programFunctions},
    {"PROPHYLAXIS", &Catalogue::prophylaxis},
    {"KEYS SCHEME", &Catalogue::keysScheme},
}};

QString RowKey(int row) {
  return QStringLiteral("RC%1CC0").arg(row);
}

// The texts between consecutive ";".
QStringList CellsOf(const QString& value) {
  QStringList parts = value.split(QLatin1Char(';'));
  if (parts.size() < 2) return {};
  return parts.mid(1, parts.size() - 2);
}

QString ValueOf(const QStringList& cells) {
  return QLatin1Char(';') + cells.join(QLatin1Char(';')) + QLatin1Char(';');
}

// A cell with ";" or a line break, or an over-long row, would come back changed.
bool ReadsBackTheSame(const QStringList& cells, const QString& value) {
  if (value.size() > IniFile::kMaxValueLength) return false;
  for (const QString& cell : cells)
    if (cell.contains(QLatin1Char(';')) || cell.contains(QLatin1Char('\n')) ||
        cell.contains(QLatin1Char('\r')))
      return false;
  return true;
}

void ReadTable(const IniFile& ini, const QString& section, CatalogueTable& table) {
  QList<QStringList> rows{CellsOf(ini.Value(section, RowKey(0)).value_or(QString()))};
  while (const std::optional<QString> value = ini.Value(section, RowKey(int(rows.size()))))
    rows.append(CellsOf(*value));

  qsizetype widest = table.BaseColumnCount();
  for (const QStringList& cells : rows) widest = qMax(widest, cells.size());
  table.SetRowCount(0);
  table.SetColumnCount(int(widest));
  table.SetRowCount(int(rows.size()));
  for (int r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size(); ++c) table.SetCell(r, c, rows[r][c]);
}

}  // namespace

QString CatalogueFilePath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VOR.ini"));
}

QString MissingCatalogueMessage(const QString& path) {
  return QStringLiteral("IniFile \n") + QDir::toNativeSeparators(path) +
         QStringLiteral("\n not Exist or is Corupted!");
}

QString UnableToWriteMessage(const QString& path) {
  return QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path);
}

bool ReadSettingsFromIniFile(const QString& path, Catalogue& catalogue) {
  const std::optional<QStringList> lines = ReadCp1251Lines(path);
  if (!lines) return false;
  const IniFile ini(*lines);
  for (const Section& section : kSections)
    ReadTable(ini, QLatin1String(section.name), catalogue.*section.table);
  return true;
}

bool WriteSettingsToIniFile(const QString& path, const Catalogue& catalogue) {
  std::optional<QStringList> lines = QStringList();
  if (QFileInfo::exists(path)) lines = ReadCp1251Lines(path);
  if (!lines) return false;  // other sections could not be kept

  IniFile ini(*lines);
  for (auto section = kSections.rbegin(); section != kSections.rend(); ++section) {
    const CatalogueTable& table = catalogue.*section->table;
    QList<IniFile::Entry> entries;
    for (int r = 0; r < table.RowCount(); ++r) {
      const QStringList cells = table.Row(r);
      const QString value = ValueOf(cells);
      if (!ReadsBackTheSame(cells, value)) return false;
      entries.append({RowKey(r), value});
    }
    const QString name = QLatin1String(section->name);
    ini.EraseSection(name);
    ini.AppendSection(name, entries);
  }
  return WriteCp1251Lines(path, ini.Lines());
}

}  // namespace vor

#include "settings/ini_file.h"

namespace vor {
namespace {

// The name inside "[...]", or nothing when the line is no section header.
std::optional<QString> HeaderName(const QString& line) {
  const QString text = line.trimmed();
  if (!text.startsWith(QLatin1Char('[')) || !text.endsWith(QLatin1Char(']'))) return std::nullopt;
  return text.mid(1, text.size() - 2).trimmed();
}

}  // namespace

int IniFile::FindSection(const QString& section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    const std::optional<QString> name = HeaderName(lines_[i]);
    if (name && name->compare(section, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

int IniFile::SectionEnd(int header) const {
  int end = header + 1;
  while (end < lines_.size() && !HeaderName(lines_[end])) ++end;
  return end;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
  const int header = FindSection(section);
  if (header < 0) return std::nullopt;
  const int end = SectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    const QString& line = lines_[i];
    if (line.trimmed().startsWith(QLatin1Char(';'))) continue;  // comment
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0) continue;
    return line.mid(eq + 1).trimmed().left(kMaxValueLength);
  }
  return std::nullopt;
}

void IniFile::EraseSection(const QString& section) {
  const int header = FindSection(section);
  if (header >= 0) lines_.remove(header, SectionEnd(header) - header);
}

void IniFile::AppendSection(const QString& section, const QList<Entry>& entries) {
  lines_.append(QLatin1Char('[') + section + QLatin1Char(']'));
  for (const Entry& entry : entries) lines_.append(entry.first + QLatin1Char('=') + entry.second);
}

}  // namespace vor

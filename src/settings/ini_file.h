#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace vor {

// A Windows INI file held as its lines: "[section]" headers and "key=value" lines.
// Section and key names compare regardless of case; the first of equal keys counts.
class IniFile {
 public:
  using Entry = std::pair<QString, QString>;
  // Longer values are cut, as the platform's INI reader does.
  static constexpr int kMaxValueLength = 2047;

  explicit IniFile(QStringList lines = {}) : lines_(std::move(lines)) {}

  std::optional<QString> Value(const QString& section, const QString& key) const;
  // Removes the header and every line up to the next section.
  void EraseSection(const QString& section);
  // Adds the section with its entries at the end of the file.
  void AppendSection(const QString& section, const QList<Entry>& entries);

  const QStringList& Lines() const { return lines_; }

 private:
  // Index of the section's header line, or -1.
  int FindSection(const QString& section) const;
  // One past the section's last line.
  int SectionEnd(int header) const;

  QStringList lines_;
};

}  // namespace vor

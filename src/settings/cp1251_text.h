#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The program's files are Windows-1251 text with CR LF line ends.
namespace vor {

QString DecodeCp1251(const QByteArray& bytes);
// Characters the code page lacks become '?'.
QByteArray EncodeCp1251(const QString& text);

// Lines of a Windows-1251 file (CR LF or LF ends a line; a last line without an end counts);
// nothing when the file cannot be read.
std::optional<QStringList> ReadCp1251Lines(const QString& path);
// Splits decoded text the same way.
QStringList SplitLines(const QString& text);

// Writes the bytes atomically: on failure the old file stays whole and `error` says why.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Each line ended by CR LF, in Windows-1251, atomically.
bool WriteCp1251Lines(const QString& path, const QStringList& lines, QString* error = nullptr);

}  // namespace vor

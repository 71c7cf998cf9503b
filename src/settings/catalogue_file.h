#pragma once

#include <QString>

#include "settings/catalogue_table.h"

namespace vor {

// "VOR.ini" in the folder of the program.
QString CatalogueFilePath();

// Texts of the plain messages about the file.
QString MissingCatalogueMessage(const QString& path);
QString UnableToWriteMessage(const QString& path);

// Reads the four tables; false, with the tables unchanged, when the file cannot be read.
// A table is widened to its widest row, so columns added by the editors survive.
bool ReadSettingsFromIniFile(const QString& path, Catalogue& catalogue);

// Replaces the four sections and keeps every other line. False when the file could not be
// written, or a row would not read back the same; the old file then stays whole.
bool WriteSettingsToIniFile(const QString& path, const Catalogue& catalogue);

}  // namespace vor

#pragma once

#include <QString>

#include "settings/catalogue_table.h"

namespace vor {

struct ModelMatch {
  // Model-table row of the chosen entry; -1 when none was chosen.
  int row = -1;
  bool exact = false;
  bool similar = false;
  // The chosen entry: code "-" version ":" row.
  QString entry;

  bool Found() const { return exact || similar; }
};

// The model-table row for a model text "cccc-vvvv": the same code and version, else the
// nearest version of the same code, else the first row that begins with a partial text.
ModelMatch FindNearestModel(const CatalogueTable& models, const QString& text);

}  // namespace vor

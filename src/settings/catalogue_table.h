#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vor {

// One catalogue table: row 0 holds the headers, column 0 the row labels, every cell is text.
class CatalogueTable {
 public:
  // A new table has its header row only. `baseColumns` is the width it is created with;
  // reading a file may widen it.
  explicit CatalogueTable(int baseColumns = 0);

  int RowCount() const { return int(rows_.size()); }
  int ColumnCount() const { return columns_; }
  int BaseColumnCount() const { return baseColumns_; }

  // Empty text outside the table.
  QString Cell(int row, int column) const;
  void SetCell(int row, int column, const QString& text);
  // Every cell of the row, padded to the column count.
  QStringList Row(int row) const;

  // Rows are added empty or cut at the end.
  void SetRowCount(int rows);
  void SetColumnCount(int columns);

  // First column after the label column whose header equals `header` regardless of case; -1 none.
  int FindColumn(const QString& header) const;

  // Same size and the same text in every cell.
  bool operator==(const CatalogueTable& other) const;

 private:
  int baseColumns_;
  int columns_;
  QList<QStringList> rows_;
};

// Columns of the model table.
enum ModelColumn {
  kModelCode = 1,
  kModelVersion = 2,
  kModelKeysMax = 3,
  kModelKeyChoice = 4,
  kModelKeySize = 5,
  kModelMemory = 6,
  kModelClock = 7,
  kModelPfTable = 8,
  kModelProphylaxis = 9,
  kModelParameters = 10,
  kModelProblems = 11,
  kModelSync = 12,
};

// The four tables of the model catalogue, at the widths the service menu creates them with.
struct Catalogue {
  CatalogueTable models{13};
  CatalogueTable programFunctions{11};
  CatalogueTable prophylaxis{6};
  CatalogueTable keysScheme{3};
};

// The yes/no cells of the catalogue.
inline const QString kYes = QStringLiteral("да");
inline const QString kNo = QStringLiteral("не");

}  // namespace vor

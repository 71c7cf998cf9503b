#include "settings/catalogue_table.h"

namespace vor {

CatalogueTable::CatalogueTable(int baseColumns)
    : baseColumns_(baseColumns), columns_(baseColumns), rows_(1) {}

QString CatalogueTable::Cell(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= columns_) return {};
  return rows_[row].value(column);
}

void CatalogueTable::SetCell(int row, int column, const QString& text) {
  if (row < 0 || column < 0 || column >= columns_) return;
  if (row >= RowCount()) SetRowCount(row + 1);
  QStringList& cells = rows_[row];
  while (cells.size() <= column) cells.append(QString());
  cells[column] = text;
}

QStringList CatalogueTable::Row(int row) const {
  QStringList cells;
  for (int c = 0; c < columns_; ++c) cells.append(Cell(row, c));
  return cells;
}

void CatalogueTable::SetRowCount(int rows) {
  rows_.resize(qMax(0, rows));
}

void CatalogueTable::SetColumnCount(int columns) {
  columns_ = qMax(0, columns);
  for (QStringList& cells : rows_)
    if (cells.size() > columns_) cells.resize(columns_);
}

int CatalogueTable::FindColumn(const QString& header) const {
  for (int c = 1; c < columns_; ++c)
    if (Cell(0, c).compare(header, Qt::CaseInsensitive) == 0) return c;
  return -1;
}

bool CatalogueTable::operator==(const CatalogueTable& other) const {
  if (RowCount() != other.RowCount() || columns_ != other.columns_) return false;
  for (int r = 0; r < RowCount(); ++r)
    if (Row(r) != other.Row(r)) return false;
  return true;
}

}  // namespace vor

#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "keys/user_row.h"
#include "keys/users_reader.h"

namespace vor::keys {

// The users list: running number, key number and name per row, at least one row.
// Each operation numbers column 0 in its own way, as the users window has always done.
class UsersList : public QAbstractTableModel, public UsersReader {
  Q_OBJECT

 public:
  enum Column { NumberColumn = 0, KeyColumn = 1, NameColumn = 2 };
  enum SortState { NotSorted = 0, Ascending = 1, Descending = 2 };

  explicit UsersList(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  int Count() const override { return int(rows_.size()); }
  QString KeyNumberText(int row) const override { return rows_[row].keyNumber; }
  QString Name(int row) const override { return rows_[row].name; }

  const UserRow& Row(int row) const { return rows_[row]; }
  // The rows that hold a user: none for the empty list.
  QList<UserRow> Users() const;
  bool IsEmpty() const;

  // Takes `rows` as they are; no rows gives the empty list. Sort states stay.
  void SetRows(const QList<UserRow>& rows);
  void Clear() { SetRows({}); }
  void ResetSortStates();

  // The smallest key number from 1 up that no row holds.
  int ProposedKeyNumber() const;
  // Fills row 0 of the empty list, else a new last row numbered with the row count.
  // Returns that row, or -1 (and changes nothing) when a row already holds the key number.
  int Add(int keyNumber, const QString& name);
  // Writes the row and numbers all rows from 1.
  void Edit(int row, int keyNumber, const QString& name);
  // Moves the users below up a row and drops the last row; the numbers stay where they were.
  void Remove(int row);

  // The first row whose key number is not a whole number (the empty list has none), or -1.
  int BadKeyRow() const;
  // Sorts by KeyColumn or NameColumn: ascending, or descending when that column was last sorted
  // ascending; rows are then numbered from 0. Refuses (false, nothing changes) while BadKeyRow()
  // finds a row.
  bool Sort(Column column);
  // Ascending, whatever the column's state.
  bool SortAscending(Column column);
  SortState SortStateOf(Column column) const;

 private:
  SortState& StateOf(Column column) { return column == NameColumn ? nameSort_ : keySort_; }
  void RowsChanged(int first, int last);

  QList<UserRow> rows_{UserRow{}};
  SortState nameSort_ = NotSorted;
  SortState keySort_ = NotSorted;
};

}  // namespace vor::keys

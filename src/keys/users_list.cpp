#include "keys/users_list.h"

#include <QCollator>
#include <algorithm>

#include "settings/number_text.h"

namespace vor::keys {

UsersList::UsersList(QObject* parent) : QAbstractTableModel(parent) {}

int UsersList::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(rows_.size());
}

int UsersList::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant UsersList::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  const UserRow& row = rows_[index.row()];
  switch (index.column()) {
    case NumberColumn:
      return row.number;
    case KeyColumn:
      return row.keyNumber;
    default:
      return row.name;
  }
}

QVariant UsersList::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const QString titles[] = {"Ном", "Кл. Ном.", "Име"};
  return titles[section];
}

QList<UserRow> UsersList::Users() const {
  return IsEmpty() ? QList<UserRow>{} : rows_;
}

bool UsersList::IsEmpty() const {
  return rows_.size() == 1 && rows_[0] == UserRow{};
}

void UsersList::SetRows(const QList<UserRow>& rows) {
  beginResetModel();
  rows_ = rows.isEmpty() ? QList<UserRow>{UserRow{}} : rows;
  endResetModel();
}

void UsersList::ResetSortStates() {
  nameSort_ = keySort_ = NotSorted;
}

int UsersList::ProposedKeyNumber() const {
  int keyNumber = 1;
  while (RowOfKey(*this, keyNumber) >= 0) ++keyNumber;
  return keyNumber;
}

int UsersList::Add(int keyNumber, const QString& name) {
  if (RowOfKey(*this, keyNumber) >= 0) return -1;
  if (!rows_[0].keyNumber.isEmpty()) {
    beginInsertRows({}, Count(), Count());
    rows_.append(UserRow{});
    endInsertRows();
  }
  const int last = Count() - 1;
  rows_[last] = {QString::number(Count()), QString::number(keyNumber), name};
  RowsChanged(last, last);
  return last;
}

void UsersList::Edit(int row, int keyNumber, const QString& name) {
  rows_[row].keyNumber = QString::number(keyNumber);
  rows_[row].name = name;
  for (int i = 0; i < Count(); ++i) rows_[i].number = QString::number(i + 1);
  RowsChanged(0, Count() - 1);
}

void UsersList::Remove(int row) {
  if (Count() == 1) {
    rows_[0] = {};
    RowsChanged(0, 0);
    return;
  }
  for (int i = row; i < Count() - 1; ++i) {
    rows_[i].keyNumber = rows_[i + 1].keyNumber;
    rows_[i].name = rows_[i + 1].name;
  }
  RowsChanged(row, Count() - 2);
  beginRemoveRows({}, Count() - 1, Count() - 1);
  rows_.removeLast();
  endRemoveRows();
}

int UsersList::BadKeyRow() const {
  if (IsEmpty()) return -1;
  for (int row = 0; row < Count(); ++row)
    if (!NumberFromText(rows_[row].keyNumber)) return row;
  return -1;
}

bool UsersList::Sort(Column column) {
  if (BadKeyRow() >= 0) return false;
  SortState& state = StateOf(column);
  const bool descending = state == Ascending;
  state = descending ? Descending : Ascending;
  if (IsEmpty()) return true;

  struct Entry {
    QString text;
    QString formerIndex;
    int keyNumber;
    QString name;
  };
  QList<Entry> entries;
  for (int i = 0; i < Count(); ++i) {
    const int keyNumber = *NumberFromText(rows_[i].keyNumber);
    // Three digits at least, so key numbers up to 999 sort by value.
    const QString text =
        column == NameColumn ? rows_[i].name : QString::asprintf("%.3d", keyNumber);
    entries.append({text, QString::number(i), keyNumber, rows_[i].name});
  }
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(entries.begin(), entries.end(), [&collator](const Entry& a, const Entry& b) {
    const int order = collator.compare(a.text, b.text);
    return order != 0 ? order < 0 : a.formerIndex < b.formerIndex;
  });
  if (descending) std::reverse(entries.begin(), entries.end());

  for (int i = 0; i < Count(); ++i)
    rows_[i] = {QString::number(i), QString::number(entries[i].keyNumber), entries[i].name};
  RowsChanged(0, Count() - 1);
  return true;
}

bool UsersList::SortAscending(Column column) {
  if (BadKeyRow() >= 0) return false;
  StateOf(column) = NotSorted;
  return Sort(column);
}

UsersList::SortState UsersList::SortStateOf(Column column) const {
  return column == NameColumn ? nameSort_ : keySort_;
}

void UsersList::RowsChanged(int first, int last) {
  if (first <= last) emit dataChanged(index(first, 0), index(last, 2));
}

}  // namespace vor::keys

#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include "keys/user_row.h"

// Rows numbered from 0, as a load leaves them.
inline QList<vor::keys::UserRow> Loaded(const QList<QPair<QString, QString>>& users) {
  QList<vor::keys::UserRow> rows;
  for (const auto& [keyNumber, name] : users)
    rows.append({QString::number(rows.size()), keyNumber, name});
  return rows;
}

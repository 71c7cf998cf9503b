#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

namespace vor {

// A tool-bar picture drawn in code: a coloured tile carrying a short mark.
QIcon ToolPicture(const QString& mark, const QColor& colour);

}  // namespace vor

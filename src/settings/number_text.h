#pragma once

#include <QString>
#include <optional>

namespace vor {

// The whole number a stored or typed text holds, if it holds one.
inline std::optional<int> NumberFromText(const QString& text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace vor

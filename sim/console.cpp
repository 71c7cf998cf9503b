#include "sim/console.h"

#include <QStringList>

namespace vor::sim {
namespace {

// Decimal, or hexadecimal with 0x.
bool ParseNumber(const QString& text, int& value) {
  bool ok = false;
  value = text.startsWith("0x", Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok);
  return ok;
}

}  // namespace

QString Console::Help() {
  return QStringLiteral(
      "Commands on standard input, one a line:\n"
      "  param N V    set parameter N (1-63) to V (0-255; 0x.. for hex)\n"
      "  problems W   set the problems-and-reminders word to W (0-0xFFFF)\n"
      "  fault KIND   the next request misbehaves as KIND\n");
}

QString Console::Execute(const QString& line) {
  const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
  if (words.isEmpty()) return {};
  const QString& command = words.first();
  if (command == "param" && words.size() == 3) {
    int number = 0, value = 0;
    if (!ParseNumber(words[1], number) || number < 1 || number > ControllerModel::kParameterCount)
      return "parameter number out of range";
    if (!ParseNumber(words[2], value) || value < 0 || value > 255) return "value out of range";
    model_.SetParameter(number, quint8(value));
    return {};
  }
  if (command == "problems" && words.size() == 2) {
    int word = 0;
    if (!ParseNumber(words[1], word) || word < 0 || word > 0xFFFF) return "word out of range";
    model_.SetProblems(quint16(word));
    return {};
  }
  if (command == "fault" && words.size() == 2) {
    const Fault kind = FaultFromName(words[1]);
    if (kind == Fault::None) return "unknown fault kind";
    faults_.InjectOnce(kind);
    return {};
  }
  return "unknown command: " + line.trimmed();
}

}  // namespace vor::sim

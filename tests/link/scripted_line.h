#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "link/serial_line.h"

// A line that answers reads from a script: each entry is one byte or one empty read.
class ScriptedLine : public vor::SerialLine {
 public:
  static ScriptedLine FromHex(const char* hex) {
    ScriptedLine line;
    for (char c : QByteArray::fromHex(hex)) line.script.append(quint8(c));
    return line;
  }
  ScriptedLine& Empty(int count) {
    for (int i = 0; i < count; ++i) script.append(std::nullopt);
    return *this;
  }
  ScriptedLine& Bytes(const char* hex) {
    for (char c : QByteArray::fromHex(hex)) script.append(quint8(c));
    return *this;
  }

  void Purge() override {}
  vor::ReadResult ReadBytes(quint8* buffer, int count) override {
    int got = 0;
    ++reads;
    while (got < count && !script.isEmpty()) {
      const std::optional<quint8> next = script.takeFirst();
      if (!next) break;
      buffer[got++] = *next;
    }
    return {got, true};
  }
  bool WriteBytes(const QByteArray& bytes) override {
    written += bytes;
    return true;
  }
  void Close() override {}
  bool IsOpen() const override { return true; }

  QList<std::optional<quint8>> script;  // exhausted: every read is empty
  QByteArray written;
  int reads = 0;
};

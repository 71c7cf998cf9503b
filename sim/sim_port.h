#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <memory>

namespace vor {
struct MemoryLine;
}

namespace vor::sim {

// The controller's end of the line.
class SimPort {
 public:
  using Clock = std::chrono::steady_clock;
  virtual ~SimPort() = default;
  // Waits until bytes come or the deadline passes; returns how many (0 on time-out),
  // or -1 when the line is gone.
  virtual int ReadSome(quint8* buffer, int max, Clock::time_point deadline) = 0;
  // Bytes nobody can take (no tool on the line) are dropped, as on a real wire.
  virtual void Write(const QByteArray& bytes) = 0;
  // Pulls the plug.
  virtual void Vanish() = 0;
};

// A new pseudo-terminal; `path` is where the tool opens it. Empty on failure.
std::unique_ptr<SimPort> OpenPseudoTerminal(QString& path, QString& error);
// An existing serial device, set to 9600 8N2.
std::unique_ptr<SimPort> OpenDevice(const QString& path, QString& error);
// The device end of an in-memory line.
std::unique_ptr<SimPort> MemoryPort(MemoryLine& line);

}  // namespace vor::sim

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace vor {

// Read and write time-outs of the line, in milliseconds. Tests shrink them.
struct LineTimeouts {
  int readIntervalMs = 50;
  int readTotalMultiplierMs = 50;
  int readTotalConstantMs = 500;
  int writeTotalMultiplierMs = 50;
  int writeTotalConstantMs = 500;

  int ReadTotalMs(int count) const { return readTotalConstantMs + readTotalMultiplierMs * count; }
  int WriteTotalMs(int count) const {
    return writeTotalConstantMs + writeTotalMultiplierMs * count;
  }
};

struct ReadResult {
  int count = 0;   // bytes that came, 0 … asked
  bool ok = true;  // false when the port itself failed (unplugged, closed)
};

// One open serial line. Used by one thread at a time.
class SerialLine {
 public:
  virtual ~SerialLine() = default;
  // Discard whatever waits in both directions.
  virtual void Purge() = 0;
  // Returns when `count` bytes have come, or the interval passes between two bytes,
  // or the total time-out passes; with what came.
  virtual ReadResult ReadBytes(quint8* buffer, int count) = 0;
  virtual bool WriteBytes(const QByteArray& bytes) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
};

// The steps of opening a port that can fail; each is reported on its own.
enum class OpenFailure { Opening, Settings, Applying };

struct OpenResult {
  std::unique_ptr<SerialLine> line;  // empty when the port could not be opened
  QList<OpenFailure> failures;
};

// The ports this PC has, sorted as text without regard to case (COM1, COM10, COM3).
QStringList ListPorts();
QStringList SortPortNames(QStringList names);
// "\\.\COM1" on Windows; "/dev/" + name elsewhere, or the name itself when it is a path.
QString DevicePath(const QString& portName);
// Opens at `speed` baud, 8 data bits, no parity, 2 stop bits, DTR on.
OpenResult OpenLine(const QString& portName, int speed, const LineTimeouts& timeouts = {});

}  // namespace vor

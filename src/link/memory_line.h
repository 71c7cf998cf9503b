#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

#include "serial_line.h"

namespace vor {

// One direction of an in-memory line; safe between threads.
class BytePipe {
 public:
  using Deadline = std::chrono::steady_clock::time_point;

  // False once the pipe is closed.
  bool Write(const char* data, int count);
  // Waits until a byte has come or the deadline passes; returns how many were taken
  // (0 on time-out), or -1 once the pipe is closed and empty.
  int ReadSome(quint8* buffer, int max, Deadline deadline);
  void Clear();
  void Close();
  bool IsClosed() const;

 private:
  mutable std::mutex mutex_;
  std::condition_variable arrived_;
  std::deque<quint8> bytes_;
  bool closed_ = false;
};

// A duplex line between the tool (host) and a simulated controller (device).
struct MemoryLine {
  BytePipe toDevice;
  BytePipe toHost;

  // The tool's end, with the line time-outs. The MemoryLine must outlive it.
  std::unique_ptr<SerialLine> HostEnd(const LineTimeouts& timeouts = {});
  // Like an unplugged adapter: both directions fail from now on.
  void Vanish();
};

}  // namespace vor

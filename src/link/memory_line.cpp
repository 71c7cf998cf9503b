#include "memory_line.h"

namespace vor {

bool BytePipe::Write(const char* data, int count) {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return false;
    bytes_.insert(bytes_.end(), data, data + count);
  }
  arrived_.notify_all();
  return true;
}

int BytePipe::ReadSome(quint8* buffer, int max, Deadline deadline) {
  std::unique_lock lock(mutex_);
  arrived_.wait_until(lock, deadline, [this] { return !bytes_.empty() || closed_; });
  if (bytes_.empty()) return closed_ ? -1 : 0;
  int n = 0;
  while (n < max && !bytes_.empty()) {
    buffer[n++] = bytes_.front();
    bytes_.pop_front();
  }
  return n;
}

void BytePipe::Clear() {
  std::lock_guard lock(mutex_);
  bytes_.clear();
}

void BytePipe::Close() {
  {
    std::lock_guard lock(mutex_);
    closed_ = true;
    bytes_.clear();
  }
  arrived_.notify_all();
}

bool BytePipe::IsClosed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

namespace {

class MemorySerialLine : public SerialLine {
 public:
  MemorySerialLine(MemoryLine& line, const LineTimeouts& timeouts)
      : line_(line), timeouts_(timeouts) {}

  // Bytes written are already on the wire, so only the input is discarded.
  void Purge() override { line_.toHost.Clear(); }

  ReadResult ReadBytes(quint8* buffer, int count) override {
    using namespace std::chrono;
    if (!open_) return {0, false};
    ReadResult result;
    const auto start = steady_clock::now();
    const auto totalEnd = start + milliseconds(timeouts_.ReadTotalMs(count));
    auto deadline = totalEnd;
    while (result.count < count) {
      const int n = line_.toHost.ReadSome(buffer + result.count, count - result.count, deadline);
      if (n < 0) return {result.count, false};
      if (n == 0) break;
      result.count += n;
      deadline = std::min(totalEnd, steady_clock::now() + milliseconds(timeouts_.readIntervalMs));
    }
    return result;
  }

  bool WriteBytes(const QByteArray& bytes) override {
    return open_ && line_.toDevice.Write(bytes.constData(), int(bytes.size()));
  }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }

 private:
  MemoryLine& line_;
  LineTimeouts timeouts_;
  bool open_ = true;
};

}  // namespace

std::unique_ptr<SerialLine> MemoryLine::HostEnd(const LineTimeouts& timeouts) {
  return std::make_unique<MemorySerialLine>(*this, timeouts);
}

void MemoryLine::Vanish() {
  toDevice.Close();
  toHost.Close();
}

}  // namespace vor

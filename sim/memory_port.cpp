#include "link/memory_line.h"
#include "sim/sim_port.h"

namespace vor::sim {
namespace {

class MemorySimPort : public SimPort {
 public:
  explicit MemorySimPort(MemoryLine& line) : line_(line) {}
  int ReadSome(quint8* buffer, int max, Clock::time_point deadline) override {
    return line_.toDevice.ReadSome(buffer, max, deadline);
  }
  void Write(const QByteArray& bytes) override {
    line_.toHost.Write(bytes.constData(), int(bytes.size()));
  }
  void Vanish() override { line_.Vanish(); }

 private:
  MemoryLine& line_;
};

}  // namespace

std::unique_ptr<SimPort> MemoryPort(MemoryLine& line) {
  return std::make_unique<MemorySimPort>(line);
}

}  // namespace vor::sim

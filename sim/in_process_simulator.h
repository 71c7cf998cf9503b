#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "link/memory_line.h"
#include "sim/simulator.h"

namespace vor::sim {

// The simulator serving the device end of an in-memory line from a thread of its own.
class InProcessSimulator {
 public:
  InProcessSimulator(MemoryLine& line, LineBehaviour behaviour);
  ~InProcessSimulator();

  ControllerModel model;
  FaultPlan faults;

 private:
  std::unique_ptr<SimPort> port_;
  std::atomic<bool> stop_{false};
  std::unique_ptr<Simulator> simulator_;
  std::thread thread_;
};

}  // namespace vor::sim

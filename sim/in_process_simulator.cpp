#include "sim/in_process_simulator.h"

namespace vor::sim {

InProcessSimulator::InProcessSimulator(MemoryLine& line, LineBehaviour behaviour)
    : port_(MemoryPort(line)),
      simulator_(std::make_unique<Simulator>(*port_, model, faults, behaviour)),
      thread_([this] { simulator_->Run(stop_); }) {}

InProcessSimulator::~InProcessSimulator() {
  stop_ = true;
  thread_.join();
}

}  // namespace vor::sim

#include "sim/fault_plan.h"

namespace vor::sim {
namespace {

const char* const kNames[] = {"silent",       "late",    "wrong-address", "short",
                              "bad-checksum", "garbage", "sync-in-echo",  "vanish"};

}  // namespace

QStringList FaultNames() {
  QStringList names;
  for (const char* name : kNames) names.append(QString::fromLatin1(name));
  return names;
}

Fault FaultFromName(const QString& name) {
  const int index = FaultNames().indexOf(name);
  return index < 0 ? Fault::None : Fault(index + 1);
}

void FaultPlan::SetRate(double p, unsigned seed) {
  std::lock_guard lock(mutex_);
  rate_ = p;
  random_.seed(seed);
}

Fault FaultPlan::Next() {
  const Fault once = Fault(once_.exchange(int(Fault::None)));
  if (once != Fault::None) return once;
  std::lock_guard lock(mutex_);
  ++count_;
  if (kind_ == Fault::None) return Fault::None;
  if (every_ > 0 && count_ % every_ == 0) return kind_;
  if (rate_ > 0 && std::uniform_real_distribution<double>(0, 1)(random_) < rate_) return kind_;
  return Fault::None;
}

}  // namespace vor::sim

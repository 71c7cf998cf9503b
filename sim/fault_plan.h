#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <random>

namespace vor::sim {

enum class Fault {
  None,
  Silent,        // echo, then no reply
  Late,          // the reply comes after the read time-out
  WrongAddress,  // the reply's first byte is not the inverted address
  Short,         // the reply lacks its last two bytes
  BadChecksum,   // the reply's checksum is off by one
  Garbage,       // stray bytes before the reply
  SyncInEcho,    // a sync frame before the echo
  Vanish,        // the line goes away
};

QStringList FaultNames();
// Fault::None for an unknown name.
Fault FaultFromName(const QString& name);

// Which requests misbehave: every Nth, or each with a probability from a seeded generator,
// or the next one only (for tests). Pings count as requests.
class FaultPlan {
 public:
  void SetKind(Fault kind) { kind_ = kind; }
  void SetEvery(int n) { every_ = n; }
  void SetRate(double p, unsigned seed);
  // The next request gets `kind`, whatever else is set.
  void InjectOnce(Fault kind) { once_ = int(kind); }

  Fault Next();

 private:
  Fault kind_ = Fault::None;
  int every_ = 0;
  double rate_ = 0;
  int count_ = 0;
  std::atomic<int> once_{int(Fault::None)};
  std::mutex mutex_;
  std::mt19937 random_;
};

}  // namespace vor::sim

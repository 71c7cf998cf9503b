#pragma once

#include "serial_line.h"

namespace vor {

// Sync types: how the controller paces an idle line.
enum SyncType { kSyncNet = 0, kSyncIButton = 1, kSyncRfid = 2, kSyncAuto = 3 };

// What detection and the worker need of the application settings. SyncIndex is read
// from the worker thread, so implementations keep it safe across threads.
class SyncSettings {
 public:
  virtual ~SyncSettings() = default;
  virtual int SyncIndex() const = 0;
  virtual void SetSyncIndex(int index) = 0;
  // Shows the type's name in the main window.
  virtual void RefreshProfileView() = 0;
};

// A line that only ever sends other bytes counts as silent after this many.
inline constexpr int kMaxPassedOverBytes = 1000;

// First detection, before the worker starts: gives up after four empty reads.
void DetectVORType(SerialLine& line, SyncSettings& settings);
// The worker's detection: gives up after seven; skipped once the model was recognised.
void DetectSyncType(SerialLine& line, SyncSettings& settings, bool modelChecked);

}  // namespace vor

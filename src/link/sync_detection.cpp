#include "sync_detection.h"

namespace vor {
namespace {

struct StartByte {
  bool found = false;
  quint8 bytes[4] = {0, 0, 0, 0};
  int emptyReads = 0;
};

// Reads single bytes until F0 or 55, passing over any other byte.
StartByte FindStartByte(SerialLine& line, int giveUpAfterEmptyReads) {
  StartByte result;
  int passedOver = 0;
  while (result.emptyReads < giveUpAfterEmptyReads && passedOver < kMaxPassedOverBytes) {
    quint8 byte = 0;
    if (line.ReadBytes(&byte, 1).count == 0) {
      ++result.emptyReads;
    } else if (byte == 0xF0 || byte == 0x55) {
      result.found = true;
      result.bytes[0] = byte;
      return result;
    } else {
      ++passedOver;
    }
  }
  return result;
}

void ReadRest(SerialLine& line, StartByte& start) {
  for (int i = 1; i < 4; ++i) {
    quint8 byte = 0;
    if (line.ReadBytes(&byte, 1).count == 1) start.bytes[i] = byte;
  }
}

// 55 A4 1F A9 is a sync frame, F0 F0 F0 F0 the idle byte; anything else tells nothing.
void Classify(const StartByte& start, SyncSettings& settings) {
  const quint8* b = start.bytes;
  if (!start.found)
    settings.SetSyncIndex(kSyncNet);
  else if (b[0] == 0x55 && b[1] == 0xA4 && b[2] == 0x1F && b[3] == 0xA9)
    settings.SetSyncIndex(kSyncRfid);
  else if (b[0] == 0xF0 && b[1] == 0xF0 && b[2] == 0xF0 && b[3] == 0xF0)
    settings.SetSyncIndex(kSyncIButton);
  settings.RefreshProfileView();
}

}  // namespace

void DetectVORType(SerialLine& line, SyncSettings& settings) {
  StartByte start = FindStartByte(line, 4);
  if (start.found) ReadRest(line, start);
  Classify(start, settings);
}

void DetectSyncType(SerialLine& line, SyncSettings& settings, bool modelChecked) {
  if (modelChecked) return;
  StartByte start = FindStartByte(line, 7);
  // A start byte after four or more empty reads is not trusted: the rest counts as 00.
  if (start.found && start.emptyReads <= 3) ReadRest(line, start);
  Classify(start, settings);
}

}  // namespace vor

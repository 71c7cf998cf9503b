#pragma once

#include <QByteArray>

namespace vor::sim {

// Collects request bytes into whole frames; the length follows from byte 2 (2L + 4 bytes).
class FrameAssembler {
 public:
  // True when `byte` completed a frame, which is then in `frame`.
  bool Push(quint8 byte, QByteArray& frame);
  bool InFrame() const { return !bytes_.isEmpty(); }
  void Reset() { bytes_.clear(); }

 private:
  QByteArray bytes_;
};

}  // namespace vor::sim

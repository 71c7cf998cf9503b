#include "sim/frame_assembler.h"

namespace vor::sim {

bool FrameAssembler::Push(quint8 byte, QByteArray& frame) {
  // A frame starts with the address A5 A5; anything else before it is line noise.
  if ((bytes_.size() == 0 || bytes_.size() == 1) && byte != 0xA5) {
    bytes_.clear();
    return false;
  }
  bytes_.append(char(byte));
  if (bytes_.size() < 3) return false;
  const int length = 2 * (quint8(bytes_.at(2)) >> 4) + 4;
  if (bytes_.size() < length) return false;
  frame = bytes_;
  bytes_.clear();
  return true;
}

}  // namespace vor::sim

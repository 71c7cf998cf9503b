#pragma once

#include "link/link.h"

namespace vor::pages {

// The two commands of the controller's parameter memory (numbered one-byte parameters 1-63).
inline constexpr quint8 kReadParameter = 0x02;
inline constexpr quint8 kWriteParameter = 0xF2;

// Asks for parameter `number`; its reply carries parameters number and number + 1.
int RequestRead(Link& link, quint8 number, PageAction action);
// Writes one byte of parameter `number`.
int RequestWrite(Link& link, quint8 number, quint8 value, PageAction action);

}  // namespace vor::pages

#include "pages/parameter_requests.h"

namespace vor::pages {

int RequestRead(Link& link, quint8 number, PageAction action) {
  return link.Enqueue(link.Address(), QByteArray(1, char(number)), std::move(action),
                      kReadParameter);
}

int RequestWrite(Link& link, quint8 number, quint8 value, PageAction action) {
  // The trailing 0x00 makes command and data fill whole 16-bit words.
  QByteArray data;
  data.append(char(number)).append(char(value)).append('\0');
  return link.Enqueue(link.Address(), data, std::move(action), kWriteParameter);
}

}  // namespace vor::pages

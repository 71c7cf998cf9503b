#include <QSerialPortInfo>

#include <algorithm>

#include "serial_line.h"

namespace vor {

QStringList SortPortNames(QStringList names) {
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return names;
}

QStringList ListPorts() {
  QStringList names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    names.append(info.portName());
  return SortPortNames(names);
}

QString DevicePath(const QString& portName) {
#ifdef Q_OS_WIN
  return QStringLiteral("\\\\.\\") + portName;
#else
  if (portName.startsWith(QLatin1Char('/'))) return portName;
  return QStringLiteral("/dev/") + portName;
#endif
}

}  // namespace vor

#include <windows.h>

#include "serial_line.h"

namespace vor {
namespace {

class WinSerialLine : public SerialLine {
 public:
  explicit WinSerialLine(HANDLE handle) : handle_(handle) {}
  ~WinSerialLine() override { Close(); }

  void Purge() override {
    PurgeComm(handle_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
  }
  ReadResult ReadBytes(quint8* buffer, int count) override {
    DWORD got = 0;
    const bool ok = ReadFile(handle_, buffer, DWORD(count), &got, nullptr);
    return {int(got), ok};
  }
  bool WriteBytes(const QByteArray& bytes) override {
    DWORD done = 0;
    return WriteFile(handle_, bytes.constData(), DWORD(bytes.size()), &done, nullptr) &&
           done == DWORD(bytes.size());
  }
  void Close() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }
  bool IsOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace

OpenResult OpenLine(const QString& portName, int speed, const LineTimeouts& timeouts) {
  OpenResult result;
  const HANDLE handle =
      CreateFileW(reinterpret_cast<LPCWSTR>(DevicePath(portName).utf16()),
                  GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) result.failures.append(OpenFailure::Opening);
  DCB dcb{};
  dcb.DCBlength = sizeof(dcb);
  const QString mode = QStringLiteral("%1:%2,n,8,2").arg(portName).arg(speed);
  if (!BuildCommDCBW(reinterpret_cast<LPCWSTR>(mode.utf16()), &dcb))
    result.failures.append(OpenFailure::Settings);
  dcb.fDtrControl = DTR_CONTROL_ENABLE;
  if (!SetCommState(handle, &dcb)) result.failures.append(OpenFailure::Applying);
  if (handle == INVALID_HANDLE_VALUE) return result;
  SetupComm(handle, 10000, 10000);
  SetCommMask(handle, EV_RXCHAR);
  COMMTIMEOUTS t{};
  t.ReadIntervalTimeout = DWORD(timeouts.readIntervalMs);
  t.ReadTotalTimeoutMultiplier = DWORD(timeouts.readTotalMultiplierMs);
  t.ReadTotalTimeoutConstant = DWORD(timeouts.readTotalConstantMs);
  t.WriteTotalTimeoutMultiplier = DWORD(timeouts.writeTotalMultiplierMs);
  t.WriteTotalTimeoutConstant = DWORD(timeouts.writeTotalConstantMs);
  SetCommTimeouts(handle, &t);
  result.line = std::make_unique<WinSerialLine>(handle);
  return result;
}

}  // namespace vor

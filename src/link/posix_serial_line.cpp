#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <cerrno>

#include "serial_line.h"

namespace vor {
namespace {

class PosixSerialLine : public SerialLine {
 public:
  PosixSerialLine(int fd, const LineTimeouts& timeouts) : fd_(fd), timeouts_(timeouts) {}
  ~PosixSerialLine() override { Close(); }

  void Purge() override {
    if (fd_ >= 0) tcflush(fd_, TCIOFLUSH);
  }

  ReadResult ReadBytes(quint8* buffer, int count) override {
    ReadResult result;
    if (fd_ < 0) return {0, false};
    QElapsedTimer clock;
    clock.start();
    const qint64 total = timeouts_.ReadTotalMs(count);
    qint64 lastByteAt = -1;
    while (result.count < count) {
      qint64 wait = total - clock.elapsed();
      if (lastByteAt >= 0)
        wait = std::min(wait, lastByteAt + timeouts_.readIntervalMs - clock.elapsed());
      if (wait <= 0) break;
      pollfd p{fd_, POLLIN, 0};
      const int ready = poll(&p, 1, int(wait));
      if (ready < 0) {
        if (errno == EINTR) continue;
        result.ok = false;
        break;
      }
      if (ready == 0) continue;  // the loop head decides whether time is up
      if (p.revents & (POLLERR | POLLNVAL)) {
        result.ok = false;
        break;
      }
      const ssize_t n = read(fd_, buffer + result.count, size_t(count - result.count));
      if (n > 0) {
        result.count += int(n);
        lastByteAt = clock.elapsed();
      } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
        // A hung-up or vanished device reads as end of file or EIO.
        result.ok = false;
        break;
      }
    }
    return result;
  }

  bool WriteBytes(const QByteArray& bytes) override {
    if (fd_ < 0) return false;
    QElapsedTimer clock;
    clock.start();
    const qint64 total = timeouts_.WriteTotalMs(int(bytes.size()));
    qsizetype done = 0;
    while (done < bytes.size()) {
      const qint64 wait = total - clock.elapsed();
      if (wait <= 0) return false;
      pollfd p{fd_, POLLOUT, 0};
      const int ready = poll(&p, 1, int(wait));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0 || (p.revents & (POLLERR | POLLNVAL | POLLHUP))) return false;
      const ssize_t n = write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n <= 0) return false;
      done += n;
    }
    return true;
  }

  void Close() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool IsOpen() const override { return fd_ >= 0; }

 private:
  int fd_;
  LineTimeouts timeouts_;
};

speed_t BaudConstant(int speed) {
  switch (speed) {
    case 1200:
      return B1200;
    case 2400:
      return B2400;
    case 4800:
      return B4800;
    case 19200:
      return B19200;
    case 38400:
      return B38400;
    default:
      return B9600;
  }
}

}  // namespace

OpenResult OpenLine(const QString& portName, int speed, const LineTimeouts& timeouts) {
  OpenResult result;
  // Not shared: no controlling terminal, and exclusive once opened.
  const int fd = ::open(DevicePath(portName).toLocal8Bit().constData(),
                        O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    result.failures.append(OpenFailure::Opening);
    result.failures.append(OpenFailure::Applying);  // settings cannot be applied to no port
    return result;
  }
  ioctl(fd, TIOCEXCL);

  termios settings{};
  if (tcgetattr(fd, &settings) != 0) result.failures.append(OpenFailure::Settings);
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD | CSTOPB;
  settings.c_cflag &= ~(PARENB | CRTSCTS);
  settings.c_cflag = (settings.c_cflag & ~CSIZE) | CS8;
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  cfsetispeed(&settings, BaudConstant(speed));
  cfsetospeed(&settings, BaudConstant(speed));
  if (tcsetattr(fd, TCSANOW, &settings) != 0) result.failures.append(OpenFailure::Applying);

  // DTR on; a pseudo-terminal has no modem lines, which is no failure.
  int dtr = TIOCM_DTR;
  ioctl(fd, TIOCMBIS, &dtr);

  tcflush(fd, TCIOFLUSH);
  result.line = std::make_unique<PosixSerialLine>(fd, timeouts);
  return result;
}

}  // namespace vor

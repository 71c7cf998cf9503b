#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "sim/sim_port.h"

namespace vor::sim {
namespace {

void MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return;
  cfmakeraw(&t);
  t.c_cflag |= CLOCAL | CREAD | CSTOPB;
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  tcsetattr(fd, TCSANOW, &t);
}

class FdPort : public SimPort {
 public:
  // `keepOpen` is a second descriptor held so the line survives the tool closing its end.
  FdPort(int fd, int keepOpen) : fd_(fd), keepOpen_(keepOpen) {}
  ~FdPort() override { Vanish(); }

  int ReadSome(quint8* buffer, int max, Clock::time_point deadline) override {
    if (fd_ < 0) return -1;
    for (;;) {
      const auto left = deadline - Clock::now();
      const auto ns = std::max<long long>(0, std::chrono::nanoseconds(left).count());
      timespec timeout{time_t(ns / 1000000000), long(ns % 1000000000)};
      pollfd p{fd_, POLLIN, 0};
      const int ready = ppoll(&p, 1, &timeout, nullptr);
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) return ready < 0 ? -1 : 0;
      const ssize_t n = read(fd_, buffer, size_t(max));
      if (n > 0) return int(n);
      if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
      return -1;
    }
  }

  void Write(const QByteArray& bytes) override {
    if (fd_ < 0) return;
    qsizetype done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
      if (n > 0) {
        done += n;
      } else if (n < 0 && errno == EINTR) {
        continue;
      } else {
        return;  // nobody reads the other end: the bytes are lost on the wire
      }
    }
  }

  void Vanish() override {
    if (fd_ >= 0) close(fd_);
    if (keepOpen_ >= 0) close(keepOpen_);
    fd_ = keepOpen_ = -1;
  }

 private:
  int fd_;
  int keepOpen_;
};

}  // namespace

std::unique_ptr<SimPort> OpenPseudoTerminal(QString& path, QString& error) {
  const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    error = QString::fromLocal8Bit(strerror(errno));
    if (master >= 0) close(master);
    return nullptr;
  }
  path = QString::fromLocal8Bit(ptsname(master));
  // Holding the tool's end open keeps the line raw and alive between the tool's connections.
  const int slave = open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave >= 0) MakeRaw(slave);
  return std::make_unique<FdPort>(master, slave);
}

std::unique_ptr<SimPort> OpenDevice(const QString& path, QString& error) {
  const int fd = open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = QString::fromLocal8Bit(strerror(errno));
    return nullptr;
  }
  MakeRaw(fd);
  return std::make_unique<FdPort>(fd, -1);
}

}  // namespace vor::sim

// The port exports: open, close, read, write, purge and line settings, on
// POSIX terminals. Descriptors are non-blocking; every wait is a poll() with
// a deadline, so nothing here sleeps longer than the line makes it.
#include "PortIo.h"

#include "BackPressure.h"
#include "Dcb.h"
#include "PortPath.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace tkcom {

using Clock = std::chrono::steady_clock;

int portDescriptor(TKHandle handle) {
  if (handle <= 0 || handle > INT_MAX) return -1;
  int fd = static_cast<int>(handle);
  // A terminal whose line hung up answers EIO; it is still ours to read
  // (end of file) and to close.
  if (!isatty(fd) && errno != EIO) return -1;
  return fd;
}

std::chrono::milliseconds readTimeout() {
  static const std::chrono::milliseconds timeout = [] {
    const char* text = std::getenv("TKCOM_READ_TIMEOUT_MS");
    long ms = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return ms > 0 ? std::chrono::milliseconds(ms) : kReadTimeout;
  }();
  return timeout;
}

namespace {

int pollMillis(Clock::time_point deadline) {
  auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (left <= 0) return 0;
  return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

void release(int fd) {
  ioctl(fd, TIOCNXCL);
  close(fd);
}

// Fixed line settings of the logger: 9600 baud, 8 data bits, no parity,
// one stop bit; everything else as the port reports it.
bool configure(int fd) {
  struct termios t {};
  if (tcgetattr(fd, &t) != 0) return false;
  makeRaw(t);
  TKDCB dcb {};
  if (!dcbFromTermios(t, dcb)) {
    dcb.DCBlength = sizeof dcb;
    dcb.fBinary = 1;
  }
  dcb.BaudRate = 9600;
  dcb.Parity = TK_NOPARITY;
  dcb.fParity = 0;
  dcb.StopBits = TK_ONESTOPBIT;
  dcb.ByteSize = 8;
  if (!applyDcb(dcb, t)) return false;
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

int outputQueue(void* context) {
  int queued = 0;
  if (ioctl(*static_cast<int*>(context), TIOCOUTQ, &queued) != 0) return -1;
  return queued;
}

int lineBaud(int fd) {
  struct termios t {};
  TKDCB dcb {};
  if (tcgetattr(fd, &t) != 0 || !dcbFromTermios(t, dcb)) return 9600;
  return static_cast<int>(dcb.BaudRate);
}

}  // namespace

}  // namespace tkcom

using namespace tkcom;

extern "C" {

TKHandle TKOpenComm(int port, int inQueue, int outQueue) {
  // The kernel sizes a terminal's queues itself.
  (void)inQueue;
  (void)outQueue;
  std::string path = devicePathForPort(static_cast<uint16_t>(port));
  if (path.empty()) return 0;
  int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return 0;
  if (fd < 3) {
    // With standard input closed a new descriptor can be 0, which callers
    // read as "not open": move it above the standard three.
    int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    if (moved < 0) return 0;
    fd = moved;
  }
  if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
    close(fd);
    return 0;
  }
  // Keeps other programs out as well; those that do not take the lock.
  ioctl(fd, TIOCEXCL);
  tcflush(fd, TCOFLUSH);
  tcflush(fd, TCIFLUSH);
  if (!configure(fd)) {
    release(fd);
    return 0;
  }
  return fd;
}

int TKCloseComm(TKHandle* handle) {
  if (handle == nullptr || *handle == 0) return 0;
  int fd = portDescriptor(*handle);
  if (fd < 0) return 0;
  tcflush(fd, TCOFLUSH);
  tcflush(fd, TCIFLUSH);
  // The exclusive mark outlives the descriptor while anyone else holds the
  // terminal (a simulator does): clear it so that the next open succeeds.
  ioctl(fd, TIOCNXCL);
  if (close(fd) != 0) return 0;
  *handle = 0;
  return 1;
}

int TKWriteComm(TKHandle handle, const uint8_t* buffer, int count) {
  if (buffer == nullptr) return 0;
  int fd = portDescriptor(handle);
  if (fd < 0) return TK_ERR_WRITE;
  if (count <= 0) return 0;
  Clock::time_point deadline = Clock::now() + kWriteTimeout;

  // The room asked for is the buffer's length up to its first zero byte,
  // never counted past the bytes being written.
  RoomWait wait;
  wait.needed = static_cast<int>(strnlen(reinterpret_cast<const char*>(buffer), static_cast<size_t>(count)));
  if (wait.needed > kQueueRoom) wait.needed = kQueueRoom;
  wait.capacity = kQueueRoom;
  wait.baud = lineBaud(fd);
  wait.deadline = deadline;
  waitForRoom(wait, outputQueue, &fd);

  int written = 0;
  while (written < count) {
    ssize_t n = write(fd, buffer + written, static_cast<size_t>(count - written));
    if (n > 0) {
      written += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) return TK_ERR_WRITE;
    int ms = pollMillis(deadline);
    if (ms == 0) break;
    struct pollfd p {fd, POLLOUT, 0};
    int r = poll(&p, 1, ms);
    if (r < 0 && errno != EINTR) return TK_ERR_WRITE;
    if (r > 0 && (p.revents & POLLNVAL)) return TK_ERR_WRITE;
  }
  return written;
}

int TKReadComm(TKHandle handle, uint8_t* buffer, int count) {
  if (buffer == nullptr) return TK_ERR_READ;
  std::memset(buffer, 0, TK_BUFFER_SIZE);
  int fd = portDescriptor(handle);
  if (fd < 0) return TK_ERR_READ;
  if (count > TK_BUFFER_SIZE) count = TK_BUFFER_SIZE;
  Clock::time_point deadline = Clock::now() + readTimeout();
  int got = 0;
  bool hungUp = false;
  while (got < count) {
    ssize_t n = read(fd, buffer + got, static_cast<size_t>(count - got));
    if (n > 0) {
      got += static_cast<int>(n);
      continue;
    }
    if (n == 0) {
      // A terminal in raw mode reads 0 only once the other side hung up.
      hungUp = true;
      break;
    }
    if (errno == EINTR) continue;
    if (errno != EAGAIN) return TK_ERR_READ;
    int ms = pollMillis(deadline);
    if (ms == 0) break;
    struct pollfd p {fd, POLLIN, 0};
    int r = poll(&p, 1, ms);
    if (r < 0 && errno != EINTR) return TK_ERR_READ;
    if (r > 0 && (p.revents & POLLNVAL)) return TK_ERR_READ;
  }
  if (hungUp && buffer[0] == 0) return TK_ERR_EOF;
  return got;
}

int TKGetStatus(TKHandle handle, TKDCB* dcb) {
  int fd = portDescriptor(handle);
  if (fd < 0 || dcb == nullptr) return 0;
  struct termios t {};
  if (tcgetattr(fd, &t) != 0) return 0;
  return dcbFromTermios(t, *dcb) ? 1 : 0;
}

int TKSetStatus(TKHandle handle, const TKDCB* dcb) {
  int fd = portDescriptor(handle);
  if (fd < 0 || dcb == nullptr) return 0;
  struct termios t {};
  if (tcgetattr(fd, &t) != 0 || !applyDcb(*dcb, t)) return 0;
  return tcsetattr(fd, TCSANOW, &t) == 0 ? 1 : 0;
}

int TKFlushComm(TKHandle handle, int direction) {
  if (direction != 0 && direction != 1) return direction;
  int fd = portDescriptor(handle);
  if (fd < 0) return 0;
  return tcflush(fd, direction == 0 ? TCOFLUSH : TCIFLUSH) == 0 ? 1 : 0;
}

}  // extern "C"

#include "PtyPair.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

PtyPair::PtyPair(const std::string& portsDir, int port) {
  m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) throw std::runtime_error("no pty");
  char name[128];
  if (ptsname_r(m_master, name, sizeof name) != 0) throw std::runtime_error("no pts name");
  // Held open so that the line stays up between the test's opens and closes.
  m_slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (m_slave < 0) throw std::runtime_error("cannot open pts");
  struct termios t {};
  tcgetattr(m_slave, &t);
  cfmakeraw(&t);
  tcsetattr(m_slave, TCSANOW, &t);
  std::string link = portsDir + "/COM" + std::to_string(port);
  unlink(link.c_str());
  if (symlink(name, link.c_str()) != 0) throw std::runtime_error("cannot link " + link);
}

PtyPair::~PtyPair() {
  if (m_master >= 0) close(m_master);
  if (m_slave >= 0) close(m_slave);
}

void PtyPair::send(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(m_master, bytes.data() + done, bytes.size() - done);
    if (n <= 0) throw std::runtime_error("pty write failed");
    done += static_cast<size_t>(n);
  }
}

std::vector<uint8_t> PtyPair::receive(size_t n, int timeoutMs) {
  std::vector<uint8_t> out;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (out.size() < n) {
    int left = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count());
    if (left <= 0) break;
    struct pollfd p {m_master, POLLIN, 0};
    if (poll(&p, 1, left) <= 0) break;
    uint8_t buf[4096];
    ssize_t got = read(m_master, buf, std::min(sizeof buf, n - out.size()));
    if (got <= 0) break;
    out.insert(out.end(), buf, buf + got);
  }
  return out;
}

void PtyPair::hangUp() {
  if (m_master >= 0) close(m_master);
  m_master = -1;
  // The test's own slave descriptor would keep nothing alive, but it must
  // not be mistaken for the port under test either.
  if (m_slave >= 0) close(m_slave);
  m_slave = -1;
}

void PtyPair::hangUpWhenRead(int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  // Bytes written reach the near end's queue a moment later (the kernel
  // passes them on from a work queue).
  usleep(20000);
  int unread = 0;
  // Our slave descriptor shares the near end's input queue.
  while (ioctl(m_slave, FIONREAD, &unread) == 0 && unread > 0 && std::chrono::steady_clock::now() < deadline)
    usleep(1000);
  hangUp();
}

#include "SimClient.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>

SimClient::SimClient(const std::string& linkPath) {
  m_fd = open(linkPath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (m_fd < 0) return;
  struct termios t {};
  tcgetattr(m_fd, &t);
  cfmakeraw(&t);
  t.c_cc[VMIN] = 1;
  tcsetattr(m_fd, TCSANOW, &t);
  tcflush(m_fd, TCIFLUSH);
}

SimClient::~SimClient() {
  if (m_fd >= 0) close(m_fd);
}

void SimClient::send(const std::vector<uint8_t>& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(m_fd, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
    } else {
      struct pollfd p {m_fd, POLLOUT, 0};
      if (poll(&p, 1, 1000) <= 0) return;
    }
  }
}

std::vector<uint8_t> SimClient::receive(size_t n, int timeoutMs) {
  std::vector<uint8_t> out;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (out.size() < n) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    struct pollfd p {m_fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    uint8_t buf[4096];
    ssize_t got = read(m_fd, buf, std::min(sizeof buf, n - out.size()));
    if (got <= 0) break;
    out.insert(out.end(), buf, buf + got);
  }
  return out;
}

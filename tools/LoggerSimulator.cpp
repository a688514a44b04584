#include "LoggerSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <ctime>
#include <filesystem>

namespace {

constexpr double kBytesPerSecondAt9600 = 960.0;  // 10 bits per byte
constexpr auto kPacedTick = std::chrono::milliseconds(1);
constexpr auto kFrameGap = std::chrono::milliseconds(300);

std::string defaultPortsDir() {
  const char* dir = std::getenv("TKCOM_PORT_DIR");
  if (dir != nullptr && dir[0] != '\0') return dir;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/hyetoscope/ports";
}

}  // namespace

LoggerSimulator::LoggerSimulator(const LoggerDevice& device, const SimulatorOptions& options)
    : m_options(options), m_device(device), m_pace(options.pace) {
  if (m_options.portsDir.empty()) m_options.portsDir = defaultPortsDir();
  m_link = m_options.portsDir + "/COM" + std::to_string(m_options.port);
}

LoggerSimulator::~LoggerSimulator() { stop(); }

bool LoggerSimulator::start(std::string* error) {
  if (m_thread.joinable()) return true;
  if (pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
    if (error) *error = "cannot create a pipe";
    return false;
  }
  if (!openTerminal(error)) {
    close(m_wake[0]);
    close(m_wake[1]);
    m_wake[0] = m_wake[1] = -1;
    return false;
  }
  m_stop = false;
  m_thread = std::thread([this] { run(); });
  return true;
}

void LoggerSimulator::stop() {
  if (m_thread.joinable()) {
    m_stop = true;
    wake();
    m_thread.join();
  }
  closeTerminal();
  for (int& fd : m_wake) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

bool LoggerSimulator::openTerminal(std::string* error) {
  int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  char name[128] = {};
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0 || ptsname_r(master, name, sizeof name) != 0) {
    if (master >= 0) close(master);
    if (error) *error = "cannot create a pseudo-terminal";
    return false;
  }
  int slave = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slave < 0) {
    close(master);
    if (error) *error = std::string("cannot open ") + name;
    return false;
  }
  // Raw from the start: an echoing terminal would hand our replies back to us.
  struct termios t {};
  tcgetattr(slave, &t);
  cfmakeraw(&t);
  cfsetspeed(&t, B9600);
  tcsetattr(slave, TCSANOW, &t);

  std::error_code ec;
  std::filesystem::create_directories(m_options.portsDir, ec);
  std::string temporary = m_link + ".new";
  unlink(temporary.c_str());
  if (symlink(name, temporary.c_str()) != 0 || rename(temporary.c_str(), m_link.c_str()) != 0) {
    unlink(temporary.c_str());
    close(slave);
    close(master);
    if (error) *error = "cannot create the link " + m_link;
    return false;
  }
  std::lock_guard lock(m_mutex);
  m_master = master;
  m_slave = slave;
  m_terminal = name;
  if (m_busy) flock(m_slave, LOCK_EX | LOCK_NB);
  return true;
}

void LoggerSimulator::closeTerminal() {
  std::lock_guard lock(m_mutex);
  if (!m_terminal.empty()) {
    // Only our own link goes; another simulator may have taken the name since.
    std::error_code ec;
    if (std::filesystem::read_symlink(m_link, ec).string() == m_terminal) unlink(m_link.c_str());
  }
  if (m_master >= 0) close(m_master);
  if (m_slave >= 0) close(m_slave);
  m_master = m_slave = -1;
  m_terminal.clear();
}

void LoggerSimulator::wake() {
  if (m_wake[1] >= 0) {
    char c = 1;
    [[maybe_unused]] ssize_t n = write(m_wake[1], &c, 1);
  }
}

std::string LoggerSimulator::linkPath() const { return m_link; }

std::string LoggerSimulator::terminalPath() const {
  std::lock_guard lock(m_mutex);
  return m_terminal;
}

void LoggerSimulator::setFaults(const LoggerFaults& faults) {
  std::lock_guard lock(m_mutex);
  m_device.setFaults(faults);
}

void LoggerSimulator::setPace(double pace) {
  {
    std::lock_guard lock(m_mutex);
    m_pace = pace;
    restartLine();
  }
  wake();
}

void LoggerSimulator::holdReplies(bool hold) {
  {
    std::lock_guard lock(m_mutex);
    m_hold = hold;
    // Held replies go out from the moment of release, at the line's pace.
    if (!hold) restartLine();
  }
  wake();
}

void LoggerSimulator::restartLine() {
  Clock::time_point now = Clock::now();
  m_lineStart = now;
  m_lineSent = 0;
  if (!m_queue.empty() && m_queue.front().sent == 0) m_queue.front().notBefore = std::max(m_queue.front().notBefore, now);
}

std::vector<uint8_t> LoggerSimulator::received() const {
  std::lock_guard lock(m_mutex);
  return m_received;
}

std::vector<ReceivedByte> LoggerSimulator::receivedLog() const {
  std::lock_guard lock(m_mutex);
  return m_receivedLog;
}

void LoggerSimulator::clearReceived() {
  std::lock_guard lock(m_mutex);
  m_received.clear();
  m_receivedLog.clear();
}

void LoggerSimulator::setBusy(bool busy) {
  std::lock_guard lock(m_mutex);
  m_busy = busy;
  if (m_slave >= 0) flock(m_slave, busy ? LOCK_EX | LOCK_NB : LOCK_UN);
}

bool LoggerSimulator::waitForReceived(size_t count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_received.size() >= count; });
}

bool LoggerSimulator::waitUntilSent(std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_queue.empty(); });
}

LoggerSettings LoggerSimulator::settings() const {
  std::lock_guard lock(m_mutex);
  return m_device.settings();
}

LoggerRecording LoggerSimulator::recording() const {
  std::lock_guard lock(m_mutex);
  return m_device.recording();
}

LoggerCounters LoggerSimulator::counters() const {
  std::lock_guard lock(m_mutex);
  return m_device.counters();
}

void LoggerSimulator::run() {
  while (!m_stop) {
    Clock::time_point now = Clock::now();
    Clock::time_point next = sendDue(now);
    bool dropping;
    int master;
    {
      std::lock_guard lock(m_mutex);
      dropping = m_dropPending;
      master = m_master;
    }
    if (dropping) {
      dropLine();
      continue;
    }
    struct pollfd fds[2] = {{m_wake[0], POLLIN, 0}, {master, POLLIN, 0}};
    // Blocked by a full terminal: wait until it takes more.
    if (master >= 0 && next == Clock::time_point::min()) fds[1].events |= POLLOUT;
    int timeout = -1;
    if (next != Clock::time_point::max() && next != Clock::time_point::min()) {
      auto ms = std::chrono::ceil<std::chrono::milliseconds>(next - Clock::now()).count();
      timeout = static_cast<int>(std::clamp<long long>(ms, 0, INT_MAX));
    }
    int r = poll(fds, master >= 0 ? 2 : 1, timeout);
    if (r < 0 && errno != EINTR) break;
    if (fds[0].revents & POLLIN) {
      char drain[64];
      while (read(m_wake[0], drain, sizeof drain) > 0) {
      }
    }
    if (master >= 0 && (fds[1].revents & POLLIN)) takeInput();
  }
}

void LoggerSimulator::takeInput() {
  uint8_t buf[4096];
  for (;;) {
    int master;
    {
      std::lock_guard lock(m_mutex);
      master = m_master;
    }
    ssize_t n = read(master, buf, sizeof buf);
    if (n <= 0) return;
    Clock::time_point now = Clock::now();
    std::lock_guard lock(m_mutex);
    // The logger forgets a frame whose bytes stopped coming.
    if (now - m_lastInput > kFrameGap) m_device.abandonPartialFrame();
    m_lastInput = now;
    m_received.insert(m_received.end(), buf, buf + n);
    for (ssize_t i = 0; i < n; ++i) m_receivedLog.push_back({buf[i], now});
    const int64_t steadyMs = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    for (LoggerReply& reply :
         m_device.receiveAt(buf, static_cast<size_t>(n), static_cast<int64_t>(time(nullptr)), steadyMs)) {
      Outgoing out;
      out.bytes = std::move(reply.bytes);
      out.notBefore = now + std::chrono::milliseconds(reply.delayMs);
      out.hangUpAfter = reply.hangUpAfter;
      m_queue.push_back(std::move(out));
    }
    m_changed.notify_all();
  }
}

LoggerSimulator::Clock::time_point LoggerSimulator::sendDue(Clock::time_point now) {
  std::lock_guard lock(m_mutex);
  while (!m_hold && !m_queue.empty() && m_master >= 0) {
    Outgoing& front = m_queue.front();
    if (front.notBefore > now) return front.notBefore;
    if (front.bytes.empty()) {
      // A hang-up without a reply.
      bool hangUp = front.hangUpAfter;
      m_queue.pop_front();
      m_changed.notify_all();
      if (hangUp) {
        m_dropPending = true;
        return now;
      }
      continue;
    }
    size_t want = front.bytes.size() - front.sent;
    Clock::time_point nextByte = Clock::time_point::max();
    if (m_pace > 0) {
      auto byteTime = std::chrono::duration<double>(1.0 / (kBytesPerSecondAt9600 * m_pace));
      auto lineFree = m_lineStart + std::chrono::duration_cast<Clock::duration>(byteTime * m_lineSent);
      if (front.sent == 0 && front.notBefore > lineFree) {
        // The line has been idle: this reply's first byte starts now.
        m_lineStart = front.notBefore;
        m_lineSent = 0;
      }
      // A byte may go once its ten bits would have been on the line.
      double onLine = std::chrono::duration<double>(now - m_lineStart) / byteTime;
      size_t allowed = static_cast<size_t>(std::floor(onLine));
      size_t due = allowed > m_lineSent ? allowed - m_lineSent : 0;
      want = std::min(want, due);
      nextByte = m_lineStart + std::chrono::duration_cast<Clock::duration>(byteTime * (m_lineSent + want + 1));
      nextByte = std::max(nextByte, now + kPacedTick);
      if (want == 0) return nextByte;
    }
    ssize_t n = write(m_master, front.bytes.data() + front.sent, want);
    if (n < 0) {
      if (errno == EAGAIN) return Clock::time_point::min();
      return Clock::time_point::max();
    }
    front.sent += static_cast<size_t>(n);
    m_lineSent += static_cast<size_t>(n);
    if (front.sent < front.bytes.size()) return m_pace > 0 ? nextByte : Clock::time_point::min();
    bool hangUp = front.hangUpAfter;
    m_queue.pop_front();
    m_device.replySent(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count());
    m_changed.notify_all();
    if (hangUp) {
      m_dropPending = true;
      return now;
    }
  }
  return Clock::time_point::max();
}

void LoggerSimulator::dropLine() {
  // A hang-up discards what the program has not read yet, but on a real line
  // the last block was delivered before the plug came out: wait (a while at
  // most) until the program has taken it. Our own terminal descriptor shares
  // the program's input queue, so it can tell.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // bytes reach the queue a moment after the write
  auto deadline = Clock::now() + std::chrono::seconds(15);
  while (Clock::now() < deadline && !m_stop) {
    int unread = 0;
    {
      std::lock_guard lock(m_mutex);
      if (m_slave < 0 || ioctl(m_slave, FIONREAD, &unread) != 0) break;
    }
    if (unread == 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  closeTerminal();
  if (m_options.replugAfterDrop) openTerminal(nullptr);
  std::lock_guard lock(m_mutex);
  m_dropPending = false;
  m_queue.clear();
  ++m_drops;
  m_changed.notify_all();
}

int LoggerSimulator::lineDrops() const {
  std::lock_guard lock(m_mutex);
  return m_drops;
}

bool LoggerSimulator::waitForLineDrops(int count, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_drops >= count; });
}

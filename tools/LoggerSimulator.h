#pragma once
// A simulated logger on a pseudo-terminal. It owns the terminal pair, the
// link COM<n> in a ports folder that points at it, one thread that reads
// what the program sends and writes the LoggerDevice's replies, and a log of
// every byte received. It does not own the ports folder itself.
//
// Output goes out as fast as the terminal takes it, or paced like a real
// line: at pace 1 one byte per 10 bits at 9600 baud (960 bytes/s), at pace
// 10 ten times that. All public calls are safe from any thread.

#include "LoggerDevice.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One received byte and when it arrived.
struct ReceivedByte {
  uint8_t value;
  std::chrono::steady_clock::time_point at;
};

struct SimulatorOptions {
  std::string portsDir;  // empty: $TKCOM_PORT_DIR, else ~/.config/hyetoscope/ports
  int port = 1;          // the link is named COM<port>
  double pace = 0;       // 0: unpaced; else multiples of 960 bytes/s
  bool replugAfterDrop = true;  // a dropped line comes back on a new terminal
};

class LoggerSimulator {
 public:
  LoggerSimulator(const LoggerDevice& device, const SimulatorOptions& options);
  ~LoggerSimulator();
  LoggerSimulator(const LoggerSimulator&) = delete;
  LoggerSimulator& operator=(const LoggerSimulator&) = delete;

  // Creates the terminal, links it and starts answering.
  bool start(std::string* error = nullptr);
  // Stops answering, removes the link and closes the terminal.
  void stop();

  std::string linkPath() const;
  std::string terminalPath() const;

  void setFaults(const LoggerFaults& faults);
  void setPace(double pace);
  // While held, replies wait (received bytes are still taken and logged).
  void holdReplies(bool hold);

  std::vector<uint8_t> received() const;
  // Every received byte with its arrival time, in order.
  std::vector<ReceivedByte> receivedLog() const;
  void clearReceived();
  // While busy, the simulator holds the port's lock, so the program's open
  // fails as on a port another program uses.
  void setBusy(bool busy);
  // Waits until at least count bytes were received in all.
  bool waitForReceived(size_t count, std::chrono::milliseconds timeout) const;
  // Waits until every queued reply has been written to the terminal.
  bool waitUntilSent(std::chrono::milliseconds timeout) const;

  LoggerSettings settings() const;
  LoggerRecording recording() const;
  LoggerCounters counters() const;
  // How often the line was dropped (and, with replugAfterDrop, set up again).
  int lineDrops() const;
  bool waitForLineDrops(int count, std::chrono::milliseconds timeout) const;

 private:
  using Clock = std::chrono::steady_clock;
  struct Outgoing {
    std::vector<uint8_t> bytes;
    size_t sent = 0;
    Clock::time_point notBefore;
    bool hangUpAfter = false;
  };

  bool openTerminal(std::string* error);
  void closeTerminal();
  void run();
  void takeInput();
  // Writes what is due; returns the time of the next byte, or max when idle.
  Clock::time_point sendDue(Clock::time_point now);
  void dropLine();
  // Pacing starts afresh now (the caller holds m_mutex).
  void restartLine();
  void wake();

  SimulatorOptions m_options;
  std::string m_link;
  std::string m_terminal;
  int m_master = -1;
  int m_slave = -1;  // held so that the line stays up between the program's opens
  int m_wake[2] = {-1, -1};
  std::thread m_thread;
  std::atomic<bool> m_stop{false};

  mutable std::mutex m_mutex;  // guards everything below
  mutable std::condition_variable m_changed;
  LoggerDevice m_device;
  std::vector<uint8_t> m_received;
  std::vector<ReceivedByte> m_receivedLog;
  bool m_busy = false;
  std::deque<Outgoing> m_queue;
  double m_pace = 0;
  bool m_hold = false;
  Clock::time_point m_lineStart;  // pacing: when the current burst began
  size_t m_lineSent = 0;          // pacing: bytes written since m_lineStart
  bool m_dropPending = false;
  Clock::time_point m_lastInput;
  int m_drops = 0;
};

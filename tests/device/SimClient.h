#pragma once
// The program's end of a simulated line, without TKCom1: opens the
// simulator's COM link raw and reads with short, test-chosen time-outs, so
// that missing or late replies can be checked without waiting 10 s.

#include <cstdint>
#include <string>
#include <vector>

class SimClient {
 public:
  explicit SimClient(const std::string& linkPath);
  ~SimClient();
  SimClient(const SimClient&) = delete;
  SimClient& operator=(const SimClient&) = delete;

  bool isOpen() const { return m_fd >= 0; }
  void send(const std::vector<uint8_t>& bytes);
  template <typename Container>
  void send(const Container& c) { send(std::vector<uint8_t>(c.begin(), c.end())); }
  // What arrived within timeoutMs, at most n bytes.
  std::vector<uint8_t> receive(size_t n, int timeoutMs);

 private:
  int m_fd = -1;
};

#pragma once
// A pseudo-terminal standing in for a serial line in tests: the test holds
// the master side and talks as the far end; the slave side is linked into a
// ports folder as COM<n> for TKOpenComm to find.

#include <cstdint>
#include <string>
#include <vector>

class PtyPair {
 public:
  // Creates the pair and the link portsDir/COM<port>.
  PtyPair(const std::string& portsDir, int port);
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  int slaveFd() const { return m_slave; }
  void send(const std::vector<uint8_t>& bytes);
  // Reads until n bytes arrived or timeoutMs passed.
  std::vector<uint8_t> receive(size_t n, int timeoutMs);
  // Closes the far end, as when a USB adapter is pulled. The kernel drops
  // what the near end has not read yet.
  void hangUp();
  // Hangs up once the near end has read everything sent (waits at most
  // timeoutMs).
  void hangUpWhenRead(int timeoutMs);

 private:
  int m_master = -1;
  int m_slave = -1;
};

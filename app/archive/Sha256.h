#pragma once
// Sha256: the SHA-256 digest (FIPS 180-4) of a byte stream, fed in pieces.
// The archive names every imported file by it, so that the same file given
// twice is recognised whatever its name. Owns only its running state; reads
// no files itself except through sha256OfFile.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class Sha256 {
 public:
  Sha256();
  void update(const void* data, size_t size);
  // The digest of everything fed so far; the object is spent afterwards.
  std::array<uint8_t, 32> finish();
  // The digest as 64 lower-case hexadecimal digits, as sha256sum prints it.
  std::string finishHex();

 private:
  void block(const uint8_t* p);

  std::array<uint32_t, 8> m_state;
  std::array<uint8_t, 64> m_buffer{};
  size_t m_buffered = 0;
  uint64_t m_length = 0;  // bytes fed
};

// The hexadecimal digest of a file's bytes; nothing when it cannot be read.
std::optional<std::string> sha256OfFile(const std::string& path);

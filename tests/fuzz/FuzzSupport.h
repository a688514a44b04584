#pragma once
// Shared by the fuzz targets: the program's clock, a private folder for the
// files a target writes, and a check that stops the run when an invariant
// breaks (so libFuzzer and the replay test both report the input).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// UTC+9 as in the program, set once per process.
void useProgramClock();

// A folder of this process's own, made on first use and removed at exit.
const std::string& scratchFolder();

// Writes size bytes to path, replacing it. False when the write failed.
bool writeWholeFile(const std::string& path, const uint8_t* data, size_t size);

// Reads bytes off the front of the input; zero once it is used up.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
  uint8_t byte() { return m_size == 0 ? 0 : (--m_size, *m_data++); }
  uint32_t u32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(byte()) << (8 * i);
    return v;
  }
  uint16_t u16() { return static_cast<uint16_t>(byte() | byte() << 8); }
  // Up to n bytes (fewer when the input ends).
  std::string bytes(size_t n) {
    if (n > m_size) n = m_size;
    std::string out(reinterpret_cast<const char*>(m_data), n);
    m_data += n;
    m_size -= n;
    return out;
  }
  size_t left() const { return m_size; }

 private:
  const uint8_t* m_data;
  size_t m_size;
};

}  // namespace fuzz

#define FUZZ_CHECK(cond)                                                            \
  do {                                                                              \
    if (!(cond)) {                                                                  \
      std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

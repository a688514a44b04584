#include "RunLengthDeflate.h"


#include <array>
#include <cstring>

namespace {

// A code as it goes into the stream: bits in stream order (Huffman codes
// reversed, extra bits as they are) and how many.
struct Code {
  uint32_t bits = 0;
  int count = 0;
};

uint32_t reversed(uint32_t code, int length) {
  uint32_t r = 0;
  for (int k = 0; k < length; ++k) r |= ((code >> k) & 1u) << (length - 1 - k);
  return r;
}

// The fixed code of a literal/length symbol (0-287).
Code fixedSymbol(int symbol) {
  if (symbol < 144) return {reversed(0x30u + symbol, 8), 8};
  if (symbol < 256) return {reversed(0x190u + (symbol - 144), 9), 9};
  if (symbol < 280) return {reversed(static_cast<uint32_t>(symbol - 256), 7), 7};
  return {reversed(0xc0u + (symbol - 280), 8), 8};
}

struct Tables {
  std::array<Code, 256> literal;
  // Length 3..258 with its extra bits, then distance 1 (code 0, five bits).
  std::array<Code, 259> match;
  Tables() {
    for (int b = 0; b < 256; ++b) literal[static_cast<size_t>(b)] = fixedSymbol(b);
    static constexpr int kBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    for (int length = 3; length <= 258; ++length) {
      int k = 28;
      while (kBase[k] > length) --k;
      const Code symbol = fixedSymbol(257 + k);
      Code c = symbol;
      c.bits |= static_cast<uint32_t>(length - kBase[k]) << c.count;
      c.count += kExtra[k];
      c.count += 5;  // distance code 0: five zero bits
      match[static_cast<size_t>(length)] = c;
    }
  }
};

class BitWriter {
 public:
  explicit BitWriter(std::string& out) : m_out(out) {}
  void put(Code c) {
    m_bits |= static_cast<uint64_t>(c.bits) << m_count;
    m_count += c.count;
    while (m_count >= 8) {
      m_out.push_back(static_cast<char>(m_bits & 0xffu));
      m_bits >>= 8;
      m_count -= 8;
    }
  }
  void flush() {
    if (m_count > 0) m_out.push_back(static_cast<char>(m_bits & 0xffu));
    m_bits = 0;
    m_count = 0;
  }

 private:
  std::string& m_out;
  uint64_t m_bits = 0;
  int m_count = 0;
};

// How many bytes from data[from] on equal value, at most limit.
size_t runLength(const uint8_t* data, size_t from, size_t limit, uint8_t value) {
  const uint64_t pattern = 0x0101010101010101ull * value;
  size_t n = 0;
  while (n + 8 <= limit) {
    uint64_t word;
    std::memcpy(&word, data + from + n, 8);
    const uint64_t diff = word ^ pattern;
    if (diff != 0) return n + static_cast<size_t>(__builtin_ctzll(diff) / 8);
    n += 8;
  }
  while (n < limit && data[from + n] == value) ++n;
  return n;
}

// The zlib stream's Adler-32 check, taken a run of equal bytes at a time:
// n bytes of value v move the two sums on by n v and by n a + v n (n + 1) / 2.
class RunAdler {
 public:
  void add(uint8_t value, uint64_t n) {
    m_b = (m_b + (n % kBase) * m_a + value * ((n * (n + 1) / 2) % kBase)) % kBase;
    m_a = (m_a + (n % kBase) * value) % kBase;
  }
  uint32_t value() const { return static_cast<uint32_t>((m_b << 16) | m_a); }

 private:
  static constexpr uint64_t kBase = 65521;
  uint64_t m_a = 1;
  uint64_t m_b = 0;
};

}  // namespace

std::string RunLengthDeflate::compress(const uint8_t* data, size_t size) {
  static const Tables tables;
  std::string out;
  out.reserve(size / 8 + 64);
  out.push_back(static_cast<char>(0x78));  // deflate, 32 KiB window
  out.push_back(static_cast<char>(0x01));  // no dictionary, fastest; check bits
  BitWriter bits(out);
  bits.put({0b011, 3});  // the last block, fixed codes
  RunAdler check;
  size_t i = 0;
  while (i < size) {
    const uint8_t value = data[i];
    bits.put(tables.literal[value]);
    ++i;
    size_t run = runLength(data, i, size - i, value);
    i += run;
    check.add(value, run + 1);
    while (run >= 3) {
      const size_t length = run < 258 ? run : 258;
      bits.put(tables.match[length]);
      run -= length;
    }
    for (; run > 0; --run) bits.put(tables.literal[value]);
  }
  bits.put(fixedSymbol(256));  // end of block
  bits.flush();
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((check.value() >> shift) & 0xffu));
  return out;
}

#include "ShiftJis.h"

#include <iconv.h>

namespace {

std::optional<std::string> convertChecked(const char* to, const char* from, const std::string& text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string in = text;
  std::string out(in.size() * 3 + 4, '\0');
  char* ip = in.data();
  size_t il = in.size();
  char* op = out.data();
  size_t ol = out.size();
  size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return std::nullopt;
  out.resize(out.size() - ol);
  return out;
}

std::string convert(const char* to, const char* from, const std::string& text) {
  return convertChecked(to, from, text).value_or(text);
}

}  // namespace

std::string utf8ToShiftJis(const std::string& utf8) { return convert("SHIFT_JIS", "UTF-8", utf8); }

std::string shiftJisToUtf8(const std::string& sjis) { return convert("UTF-8", "SHIFT_JIS", sjis); }

std::optional<std::string> encodeShiftJis(const std::string& utf8) {
  return convertChecked("SHIFT_JIS", "UTF-8", utf8);
}

bool isShiftJisLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::string decodeShiftJisField(const char* bytes, std::size_t maxBytes) {
  std::size_t n = 0;
  while (n < maxBytes && bytes[n] != '\0') ++n;
  // Walk the characters so a lead byte cut off at the end is not decoded.
  std::size_t whole = 0;
  while (whole < n) {
    std::size_t step = isShiftJisLeadByte(static_cast<unsigned char>(bytes[whole])) ? 2 : 1;
    if (whole + step > n) break;
    whole += step;
  }
  return shiftJisToUtf8(std::string(bytes, whole));
}

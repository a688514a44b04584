#include "ShiftJis.h"

#include <iconv.h>

namespace {

std::string convert(const char* to, const char* from, const std::string& text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return text;
  std::string in = text;
  std::string out(in.size() * 3 + 4, '\0');
  char* ip = in.data();
  size_t il = in.size();
  char* op = out.data();
  size_t ol = out.size();
  size_t r = iconv(cd, &ip, &il, &op, &ol);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return text;
  out.resize(out.size() - ol);
  return out;
}

}  // namespace

std::string utf8ToShiftJis(const std::string& utf8) { return convert("SHIFT_JIS", "UTF-8", utf8); }

std::string shiftJisToUtf8(const std::string& sjis) { return convert("UTF-8", "SHIFT_JIS", sjis); }

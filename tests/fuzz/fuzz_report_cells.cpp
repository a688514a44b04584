// The two rainfall tables' pages from any snapshot: table starts and series
// starts anywhere (also past January 2038 and before the recording), any
// number of values of any size, any station name bytes and page rectangle.
// Building a page never reads past the values and every text it places is
// valid UTF-8 of a sane length.
#include "DailyYearTable.h"
#include "FuzzSupport.h"
#include "HourlyMonthTable.h"
#include "TableSnapshot.h"

#include <cstring>
#include <string>

namespace {
bool validUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += n;
  }
  return true;
}

void checkPage(const ReportPage& page) {
  for (const ReportText& t : page.texts) {
    FUZZ_CHECK(t.text.size() < 4096);
    FUZZ_CHECK(validUtf8(t.text));
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::useProgramClock();
  fuzz::Input in(data, size);
  TableSnapshot snap;
  // Starts within a few years either side of the values, or anywhere.
  const int64_t base = static_cast<int64_t>(static_cast<int32_t>(in.u32()));
  snap.seriesStart = base + static_cast<int64_t>(static_cast<int16_t>(in.u16())) * 3600;
  snap.tableStart = (in.byte() & 1) ? base + static_cast<int64_t>(static_cast<int16_t>(in.u16())) * 3600
                                    : static_cast<int64_t>(in.u32()) * 4;
  snap.stationName = in.bytes(in.byte() % 48);
  if (!validUtf8(snap.stationName)) snap.stationName.clear();
  const size_t n = in.u16() % 12000;
  snap.values.resize(n);
  for (double& v : snap.values) {
    const uint16_t w = in.u16();
    v = (w & 0x8000) ? static_cast<double>(w & 0x7FFF) * 0.1 : static_cast<double>(w) * 0.5;
  }
  // The largest sum a full recording can give, in one cell.
  if (n > 0 && (in.byte() & 1)) snap.values[n / 2] = 2047.5 * 59872;
  ReportRect rect;
  rect.left = in.byte();
  rect.top = in.byte();
  rect.right = rect.left + 1 + in.u16() % 5000;
  rect.bottom = rect.top + 1 + in.u16() % 7000;
  const int fontHeight = 1 + in.byte() % 80;

  checkPage(buildHourlyMonthTable(snap, rect, fontHeight));
  checkPage(buildDailyYearTable(snap, rect, fontHeight));
  hourlyMonthEraLine(snap.tableStart);
  dailyYearEraLine(snap.tableStart);
  return 0;
}

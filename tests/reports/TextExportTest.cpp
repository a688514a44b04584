#include "TextExport.h"

#include "ExportRange.h"

#include "HourlySeries.h"
#include "RecordingFixture.h"
#include "FileSizeLimit.h"
#include "TempDir.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string exportText(const RecordingBuffer& rec, IntervalMode mode, int32_t start, int index, int count,
                       char sep = ',') {
  std::string out;
  EXPECT_EQ(exportSeriesText(rec, {mode, start, index, count, sep}, out), ExportStatus::Written);
  return out;
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}
}  // namespace

TEST(TextExport, HourlyAndTenMinuteLinesAcrossMidnightAreByteExact) {
  // 22:00 to 02:00, 0.5 mm per sample; one 0.5-mm sample in the hour from 00:00.
  std::vector<uint16_t> samples(24, 0);
  samples[12] = 1;  // stamped 00:00
  samples[11] = 3;  // stamped 23:50 -> 1.5 mm
  auto rec = makeRecording(jst(2019, 12, 31, 22, 0), samples);
  EXPECT_EQ(exportText(*rec, IntervalMode::Hourly, jst(2019, 12, 31, 22, 0), 0, 4),
            "\"2019/12/31 23:00\",0.0\n"
            "\"2019/12/31 24:00\",1.5\n"
            "\"2020/01/01  1:00\",0.5\n"
            "\"2020/01/01  2:00\",0.0\n");
  EXPECT_EQ(exportText(*rec, IntervalMode::TenMinute, jst(2019, 12, 31, 23, 40), 10, 3, '\t'),
            "\"2019/12/31 23:50\"\t0.0\n"
            "\"2020/01/01  0:00\"\t1.5\n"
            "\"2020/01/01  0:10\"\t0.5\n");
}

TEST(TextExport, DailyMonthlyAndEverySeparator) {
  // 1 Nov 2020 00:00 to mid-January 2021, one 0.1-mm word per sample.
  const int n = (30 + 31 + 10) * 144;
  auto rec = makeSteady(jst(2020, 11, 1, 0, 0), n, 1, 0x2001);
  EXPECT_EQ(exportText(*rec, IntervalMode::Monthly, jst(2020, 11, 1, 0, 0), 0, 3, ';'),
            "\"2020/11\";432.0\n\"2020/12\";446.4\n\"2021/01\";144.0\n");
  EXPECT_EQ(exportText(*rec, IntervalMode::Daily, jst(2020, 12, 30, 0, 0), 59, 3, ' '),
            "\"2020/12/30 24:00\" 14.4\n\"2020/12/31 24:00\" 14.4\n\"2021/01/01 24:00\" 14.4\n");
  EXPECT_EQ(exportText(*rec, IntervalMode::TenMinute, jst(2020, 11, 1, 0, 0), 0, 1, '\t'),
            "\"2020/11/01  0:10\"\t0.1\n");
  // Three 0.1-mm samples sum to 0.30000000000000004 and are written 0.3.
  EXPECT_EQ(exportText(*rec, IntervalMode::Hourly, jst(2020, 11, 1, 0, 0), 0, 1),
            "\"2020/11/01  1:00\",0.6\n");
  auto three = makeSteady(jst(2020, 11, 1, 0, 0), 3, 1, 0x2001);
  EXPECT_EQ(exportText(*three, IntervalMode::Hourly, jst(2020, 11, 1, 0, 0), 0, 1), "\"2020/11/01  1:00\",0.3\n");
  auto big = makeSteady(jst(2020, 11, 1, 0, 0), 1, 250);
  EXPECT_EQ(exportText(*big, IntervalMode::Hourly, jst(2020, 11, 1, 0, 0), 0, 1), "\"2020/11/01  1:00\",125.0\n");
}

TEST(TextExport, NeverReadsPastTheSeriesNorWritesARefusedRecording) {
  auto rec = makeSteady(jst(2024, 6, 1, 0, 0), 12);  // two hourly values
  HourlySeries series;
  ASSERT_EQ(series.build(*rec), 1);
  ASSERT_EQ(series.valueCount, 2);
  // Whatever lies past the count must not appear.
  series.values[2] = 999.0;
  std::string out;
  EXPECT_EQ(appendExportLines(series, {IntervalMode::Hourly, series.startTime + 3600, 1, 10, ','}, out), 1);
  EXPECT_EQ(out, "\"2024/06/01  2:00\",3.0\n");
  EXPECT_EQ(appendExportLines(series, {IntervalMode::Hourly, series.startTime, 2, 1, ','}, out), 0);

  auto refused = makeRecording(jst(2024, 6, 1, 0, 0), {1, 2}, 0x1001, "00060");
  TempDir dir;
  EXPECT_EQ(writeSeriesTextFile(*refused, {IntervalMode::Hourly, 0, 0, 1, ','}, dir.file("x.txt")),
            ExportStatus::SeriesRefused);
  EXPECT_FALSE(std::filesystem::exists(dir.file("x.txt")));
}

TEST(TextExport, FailedWriteLeavesTheOldFileAndNoPartialFile) {
  auto rec = makeSteady(jst(2024, 6, 1, 0, 0), 6000);
  TempDir dir;
  const std::string path = dir.file("out.txt");
  { std::ofstream(path) << "old contents\n"; }
  ASSERT_EQ(writeSeriesTextFile(*rec, {IntervalMode::TenMinute, jst(2024, 6, 1, 0, 0), 0, 6000, ','}, path),
            ExportStatus::Written);
  EXPECT_EQ(readFile(path).size(), 6000u * 23);

  { std::ofstream(path) << "old contents\n"; }
  // A file-size limit makes every write past 4 KiB fail, even for root.
  ExportStatus status;
  {
    const FileSizeLimit limit(4096);
    status = writeSeriesTextFile(*rec, {IntervalMode::TenMinute, jst(2024, 6, 1, 0, 0), 0, 6000, ','}, path);
  }
  EXPECT_EQ(status, ExportStatus::WriteFailed);
  EXPECT_EQ(readFile(path), "old contents\n");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);

  EXPECT_EQ(writeSeriesTextFile(*rec, {IntervalMode::TenMinute, 0, 0, 1, ','}, dir.file("missing/out.txt")),
            ExportStatus::WriteFailed);
}

TEST(TextExport, ShownSeriesSpanPastJanuary2038KeepsItsDates) {
  // Three days from 2038-01-18 00:00; the shown window is the third day,
  // which starts past the last second a signed 32-bit time holds.
  auto rec = makeSteady(jst(2038, 1, 18, 0, 0), 3 * 144, 1);
  ShownSeriesSpan g;
  g.mode = IntervalMode::Daily;
  g.firstShownIndex = 2;
  g.visibleCount = 1;
  g.valueCount = 3;
  g.seriesStart = jst(2038, 1, 18, 0, 0);
  const ExportRequest r = graphExportRequest(g, jst64(2038, 1, 20, 0, 0), ',');
  std::string out;
  ASSERT_EQ(exportSeriesText(*rec, r, out), ExportStatus::Written);
  EXPECT_EQ(out, "\"2038/01/20 24:00\",72.0\n");
}

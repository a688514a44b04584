// events, maxima and indices: their option values read strictly, and the
// tool run as a process on the bundled samples against the analysis the
// window calls: the same bytes, one output per file, usage errors naming
// the option, nothing written for a file that cannot be read.
#include "AnalysisArguments.h"
#include "AnalysisTables.h"
#include "CliRun.h"
#include "RecordedSlots.h"
#include "RecordingBuffer.h"
#include "SampleFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {
const std::string kSamples = HY_SAMPLES_DIR;
const std::string kLong = kSamples + "/long-2024-0.5mm.hyy";
const std::string kShort = kSamples + "/short-2026-06-0.5mm.hyy";
const std::string kTenth = kSamples + "/tenth-2025-09-0.1mm.hyy";

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> out;
  size_t from = 0;
  for (;;) {
    const size_t comma = line.find(',', from);
    out.push_back(line.substr(from, comma - from));
    if (comma == std::string::npos) return out;
    from = comma + 1;
  }
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
}  // namespace

TEST(AnalysisArguments, GapsHalfLivesAndMillimetres) {
  EXPECT_EQ(parseGapArgument("90min"), 9);
  EXPECT_EQ(parseGapArgument("6h"), 36);
  EXPECT_EQ(parseGapArgument("10min"), 1);
  EXPECT_EQ(parseGapArgument("72h"), 432);
  EXPECT_EQ(parseGapArgument("4320min"), 432);
  for (const char* bad : {"0min", "0h", "5min", "15min", "73h", "4330min", "6", "h", "min", "1.5h", "-6h", "6 h", "6H", ""})
    EXPECT_FALSE(parseGapArgument(bad).has_value()) << bad;
  EXPECT_EQ(parseHalfLivesArgument("1.5"), std::vector<double>{1.5});
  EXPECT_EQ(parseHalfLivesArgument("1.5,72,0.5,720"), (std::vector<double>{1.5, 72, 0.5, 720}));
  for (const char* bad : {"0.4", "720.5", "abc", "1.5,", ",1.5", "1e2", ".5", "5.", "1..5", "", "+2"})
    EXPECT_FALSE(parseHalfLivesArgument(bad).has_value()) << bad;
  EXPECT_EQ(parseMillimetresArgument("12.5"), 12.5);
  EXPECT_EQ(parseMillimetresArgument("0"), 0.0);
  for (const char* bad : {"-1", "x", "1,5", "inf", "nan", "100000"})
    EXPECT_FALSE(parseMillimetresArgument(bad).has_value()) << bad;
  EXPECT_EQ(parseMillimetrePairArgument("100,30"), std::make_pair(100.0, 30.0));
  for (const char* bad : {"100", "100,30,5", "100,", ",30"}) EXPECT_FALSE(parseMillimetrePairArgument(bad)) << bad;
}

TEST(CliAnalysis, EventsAreTheLibrarysTableAndAccountForEveryMillimetre) {
  for (const std::string& path : {kLong, kTenth}) {
    auto rec = loadRecording(path);
    ASSERT_TRUE(rec) << path;
    RecordedSlots recorded;
    ASSERT_TRUE(recorded.build(*rec));
    const RainSlots rain = recorded.view();
    EXPECT_EQ(rain.size(), rec->sampleCount()) << "the series' closing slot is not a recorded one";

    StormEventOptions o;
    o.gapSlots = 9;
    o.alarms.continuousMm = 20;
    o.alarms.hourlyMm = 5;
    o.alarms.combinedContinuousMm = 10;
    o.alarms.combinedHourlyMm = 2.5;
    std::string csv, json;
    const AnalysisTable table = eventTable(findStormEvents(rain, o), o.alarms);
    table.appendCsv(csv);
    table.appendJson(json);
    const std::vector<std::string> args{"events", "--gap", "90min", "--alarm-continuous", "20", "--alarm-hourly", "5",
                                        "--alarm-combined", "10,2.5", path};
    CliResult r = runCli(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, csv);
    std::vector<std::string> withJson = args;
    withJson.insert(withJson.begin() + 1, {"--format", "json"});
    r = runCli(withJson);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, json);

    // The events hold all the rain: their totals add up to the recording's.
    r = runCli({"events", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto rows = textLines(r.out);
    ASSERT_GT(rows.size(), 2u) << path;
    EXPECT_EQ(rows[0],
              "start,end,duration_min,total_mm,peak10_mm,peak10_end,max60_mm,max60_end,mean_mm_per_h,"
              "dry_before_min,flags");
    double sum = 0.0, recorded_mm = 0.0;
    for (size_t i = 1; i < rows.size(); ++i) {
      const auto f = fields(rows[i]);
      ASSERT_EQ(f.size(), 11u) << rows[i];
      sum += std::stod(f[3]);
    }
    for (double v : rain.mm) recorded_mm += v;
    EXPECT_NEAR(sum, recorded_mm, 0.05 * static_cast<double>(rows.size())) << path;
    EXPECT_GT(recorded_mm, 10.0) << path;
  }
}

TEST(CliAnalysis, MaximaAndIndicesCoverTheRecordingInOrder) {
  CliResult r = runCli({"maxima", "--by", "month", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto rows = textLines(r.out);
  ASSERT_EQ(rows[0], "period,duration,max_mm,window_end");
  // 2024-01 to 2025-02: 14 months of eight durations.
  ASSERT_EQ(rows.size(), 1u + 14 * 8);
  const char* durations[] = {"10min", "1h", "3h", "6h", "12h", "24h", "48h", "72h"};
  std::string previous;
  for (size_t i = 1; i < rows.size(); ++i) {
    const auto f = fields(rows[i]);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[1], durations[(i - 1) % 8]) << rows[i];
    if ((i - 1) % 8 == 0) {
      EXPECT_LT(previous, f[0]);
      previous = f[0];
    } else {
      EXPECT_EQ(f[0], previous);
    }
  }
  EXPECT_EQ(fields(rows[1])[0], "2024-01");
  EXPECT_EQ(fields(rows.back())[0], "2025-02");

  r = runCli({"indices", "--half-life", "3,1.5,24", kShort});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  rows = textLines(r.out);
  auto rec = loadRecording(kShort);
  ASSERT_TRUE(rec);
  ASSERT_EQ(rows.size(), 1u + static_cast<size_t>(rec->sampleCount()));
  EXPECT_EQ(rows[0], "end,rain_mm,continuous_mm,effective_3h_mm,effective_1.5h_mm,effective_24h_mm,swi_mm,spinup");
  for (size_t i = 1; i < rows.size(); ++i) ASSERT_EQ(fields(rows[i]).size(), 8u) << rows[i];
  EXPECT_EQ(fields(rows[1]).back(), "1");
}

TEST(CliAnalysis, UsageErrorsNameTheOption) {
  struct Case {
    std::vector<std::string> args;
    const char* option;
  };
  for (const Case& c : std::vector<Case>{{{"events", "--gap", "0min", kShort}, "--gap"},
                                         {{"events", "--gap", "73h", kShort}, "--gap"},
                                         {{"events", "--gap", "15min", kShort}, "--gap"},
                                         {{"events", "--min-depth", "-1", kShort}, "--min-depth"},
                                         {{"events", "--alarm-hourly", "x", kShort}, "--alarm-hourly"},
                                         {{"events", "--alarm-combined", "100", kShort}, "--alarm-combined"},
                                         {{"events", "--format", "xml", kShort}, "--format"},
                                         {{"maxima", "--by", "week", kShort}, "--by"},
                                         {{"indices", "--half-life", "0.4", kShort}, "--half-life"},
                                         {{"indices", "--half-life", "1.5,abc", kShort}, "--half-life"},
                                         {{"indices", "--gap", "6", kShort}, "--gap"},
                                         {{"indices", "--format", "json", kShort}, "--format"},
                                         {{"maxima", kShort, kLong}, "-o"}}) {
    const CliResult r = runCli(c.args);
    EXPECT_EQ(r.exitCode, 1) << c.args[1] << " " << c.args[2];
    EXPECT_TRUE(contains(r.err, c.option)) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(CliAnalysis, SeveralFilesGetAnOutputEachAndABadOneGetsNone) {
  TempDir dir;
  const std::string damaged = dir.file("damaged.hyy");
  const std::string bytes = readWholeFile(kShort);
  std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  const CliResult r = runCli({"maxima", "--by", "year", "-o", dir.file("{stem}-maxima.csv"), kShort, damaged, kLong});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, damaged)) << r.err;
  EXPECT_FALSE(fs::exists(dir.file("damaged-maxima.csv")));
  for (const std::string& path : {kShort, kLong}) {
    const std::string stem = fs::path(path).stem().string();
    EXPECT_EQ(readWholeFile(dir.file(stem + "-maxima.csv")), runCli({"maxima", "--by", "year", path}).out) << stem;
  }
}

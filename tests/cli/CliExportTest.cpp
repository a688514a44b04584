// export run as a process against the export code the dialog calls: the
// same bytes for the whole recording in every interval and for typed
// ranges; the ISO form covers the same slots with the same values; the
// dialog's range checks come back as exit code 2 naming the file.
#include "CliRun.h"
#include "ExportRange.h"
#include "RecordingBuffer.h"
#include "SampleFiles.h"
#include "SeriesForMode.h"
#include "TempDir.h"
#include "TextExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace {
const std::string kSamples = HY_SAMPLES_DIR;
const std::string kLong = kSamples + "/long-2024-0.5mm.hyy";
const std::string kShort = kSamples + "/short-2026-06-0.5mm.hyy";

// What the dialog writes for "whole recording" at an interval.
std::string dialogWhole(const RecordingBuffer& rec, IntervalMode mode, char sep) {
  auto series = makeSeriesFor(mode);
  series->build(rec);
  ShownSeriesSpan graph{mode, 0, series->valueCount, series->valueCount, series->startTime};
  std::string out;
  exportSeriesText(rec, wholeExportRequest(graph, sep), out);
  return out;
}

// What the dialog writes for a range typed into its ten fields.
std::string dialogGiven(const RecordingBuffer& rec, IntervalMode mode, const DateTexts& from, const DateTexts& to,
                        char sep) {
  const GivenRange given = givenExportRange(rec, mode, from, to, sep);
  EXPECT_EQ(given.check, RangeCheck::Ok);
  std::string out;
  exportSeriesText(rec, given.request, out);
  return out;
}

std::string lastField(const std::string& line, char sep) { return line.substr(line.rfind(sep) + 1); }
}  // namespace

TEST(CliExport, WholeRecordingIsTheDialogsBytesInEveryInterval) {
  auto rec = loadRecording(kLong);
  ASSERT_TRUE(rec);
  TempDir dir;
  const struct {
    const char* name;
    IntervalMode mode;
  } intervals[] = {{"10min", IntervalMode::TenMinute}, {"hour", IntervalMode::Hourly},
                   {"day", IntervalMode::Daily}, {"month", IntervalMode::Monthly}};
  for (const auto& i : intervals) {
    const std::string out = dir.file(std::string(i.name) + ".txt");
    const CliResult r = runCli({"export", "-i", i.name, "-o", out, kLong});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string expected = dialogWhole(*rec, i.mode, ',');
    EXPECT_GT(expected.size(), 100u);
    EXPECT_TRUE(readWholeFile(out) == expected) << i.name;
  }
  // Standard output carries the same bytes; a tab is one byte 0x09.
  const CliResult r = runCli({"export", "-i", "day", "--sep", "tab", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.out == dialogWhole(*rec, IntervalMode::Daily, '\t'));
  EXPECT_EQ(r.out.substr(0, 19), "\"2024/01/01 24:00\"\t");
}

TEST(CliExport, TypedRangesAreTheDialogsBytes) {
  auto rec = loadRecording(kLong);
  ASSERT_TRUE(rec);
  // Hours across midnight: the hour ending at midnight is 24:00, none is 0:00.
  CliResult r = runCli({"export", "-i", "hour", "--sep", "semicolon", "--from", "2024-03-01 22:00", "--to",
                        "2024-03-02 02:00", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.out == dialogGiven(*rec, IntervalMode::Hourly, {"2024", "3", "1", "22", ""},
                                   {"2024", "3", "2", "2", ""}, ';'));
  const auto hours = textLines(r.out);
  ASSERT_EQ(hours.size(), 4u);
  EXPECT_EQ(hours[1].substr(0, 19), "\"2024/03/01 24:00\";");
  EXPECT_EQ(hours[2].substr(0, 19), "\"2024/03/02  1:00\";");

  // Ten minutes across midnight: the slot ending at midnight is 0:00.
  r = runCli({"export", "-i", "10min", "--from", "2024-03-01 23:40", "--to", "2024-03-02 00:20", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.out == dialogGiven(*rec, IntervalMode::TenMinute, {"2024", "3", "1", "23", "40"},
                                   {"2024", "3", "2", "0", "20"}, ','));
  EXPECT_EQ(textLines(r.out).at(1).substr(0, 19), "\"2024/03/02  0:00\",");

  // Months over New Year; --to is exclusive, so January is the last.
  r = runCli({"export", "-i", "month", "--from", "2024-11-01", "--to", "2025-02-01", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.out == dialogGiven(*rec, IntervalMode::Monthly, {"2024", "11", "", "", ""},
                                   {"2025", "1", "", "", ""}, ','));
  const auto months = textLines(r.out);
  ASSERT_EQ(months.size(), 3u);
  EXPECT_EQ(months[2].substr(0, 10), "\"2025/01\",");

  // Only --from: up to the recording's end (2025-02-13 17:20).
  r = runCli({"export", "-i", "day", "--from", "2025-02-10", kLong});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(textLines(r.out).size(), 3u) << r.out;
}

TEST(CliExport, IsoFormCoversTheSameSlotsWithTheSameValues) {
  TempDir dir;
  for (const char* interval : {"10min", "hour", "month"}) {
    SCOPED_TRACE(interval);
    const CliResult plain = runCli({"export", "-i", interval, "--sep", "tab", kShort});
    const CliResult iso = runCli({"export", "-i", interval, "--sep", "tab", "--iso", kShort});
    ASSERT_EQ(iso.exitCode, 0) << iso.err;
    const auto a = textLines(plain.out);
    const auto b = textLines(iso.out);
    ASSERT_EQ(b.size(), a.size() + 1);
    EXPECT_EQ(b[0], "start\tend\train_mm");
    for (size_t k = 0; k < a.size(); ++k) ASSERT_EQ(lastField(b[k + 1], '\t'), lastField(a[k], '\t')) << k;
  }
  const CliResult hours = runCli({"export", "-i", "hour", "--iso", kShort});
  EXPECT_EQ(textLines(hours.out).at(1).substr(0, 52), "2026-06-01T09:00:00+09:00,2026-06-01T10:00:00+09:00,");
}

TEST(CliExport, SeveralFilesAndTheDialogsRangeChecks) {
  TempDir dir;
  CliResult r = runCli({"export", "-i", "day", "-o", dir.file("{stem}-{interval}.txt"), kLong, kShort});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(dir.file("long-2024-0.5mm-day.txt")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("short-2026-06-0.5mm-day.txt")));

  // One output that cannot be written (a folder stands in its place) is
  // reported by name; the other file is still written.
  std::filesystem::create_directory(dir.file("long-2024-0.5mm-month.txt"));
  r = runCli({"export", "-i", "month", "-o", dir.file("{stem}-{interval}.txt"), kLong, kShort});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.err, "hyetoscope-cli: " + dir.file("long-2024-0.5mm-month.txt") + " に書き込めません。\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.file("short-2026-06-0.5mm-month.txt")));

  EXPECT_EQ(runCli({"export", kLong, kShort}).exitCode, 1) << "several files need -o";
  EXPECT_EQ(runCli({"export", "--sep", "pipe", kLong}).exitCode, 1);

  // The short sample starts 2026-06-01 09:00 and ends 2026-06-08 09:00.
  const struct {
    std::vector<std::string> args;
    std::string text;
  } refused[] = {{{"-i", "10min", "--from", "2026-06-01 08:50", "--to", "2026-06-02"}, "開始時間に誤りがあります。"},
                 {{"-i", "hour", "--from", "2026-06-02", "--to", "2026-06-08 10:00"}, "終了時間に誤りがあります。"},
                 {{"-i", "hour", "--from", "2026-06-02", "--to", "2026-06-02"}, "終了時間に誤りがあります。"},
                 {{"-i", "hour", "--from", "2026-02-30"}, "日付・時刻に誤りがあります。"}};
  for (const auto& c : refused) {
    std::vector<std::string> args{"export", "-o", dir.file("refused.txt")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.push_back(kShort);
    r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << c.text;
    EXPECT_NE(r.err.find(c.text), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("refused.txt"))) << c.text;
  }
  // From the recording's first minute.
  r = runCli({"export", "-i", "hour", "--from", "2026-06-01 09:00", "--to", "2026-06-01 11:00", kShort});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(textLines(r.out).size(), 2u);
}

// print and table run as processes against the print code the window calls,
// compared through the texts pdftotext reads from both PDFs (with the print
// time fixed), and the table's refusals with their exit codes.
#include "CHyetoscopeDoc.h"
#include "CliRun.h"
#include "GraphPages.h"
#include "RecordingState.h"
#include "PrinterOutput.h"
#include "ScriptedMessages.h"
#include "TableSnapshot.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
const std::string kShort = std::string(HY_SAMPLES_DIR) + "/short-2026-06-0.5mm.hyy";
const std::string kLong = std::string(HY_SAMPLES_DIR) + "/long-2024-0.5mm.hyy";
constexpr int64_t kPrintTime = 1780000000;

bool havePoppler() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

std::string pdfText(const std::string& pdf) {
  const std::string txt = pdf + ".txt";
  if (std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()) != 0) return "(pdftotext failed)";
  return readWholeFile(txt);
}

CliResult runFixedClock(std::vector<std::string> args) {
  args.insert(args.begin(), {"SOURCE_DATE_EPOCH=" + std::to_string(kPrintTime), std::string(HY_BIN_DIR) + "/hyetoscope-cli"});
  return runProgram("/usr/bin/env", args);
}
}  // namespace

TEST(CliPrint, PagesReadTheSameAsTheWindowsPrintJob) {
  if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
  TempDir dir;
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc(state, messages);
  ASSERT_TRUE(doc.onOpenDocument(kShort));
  for (const bool landscape : {false, true}) {
    for (const auto& [mode, name] : {std::pair{IntervalMode::Hourly, "hour"}, std::pair{IntervalMode::TenMinute, "10min"}}) {
      SCOPED_TRACE(std::string(name) + (landscape ? " landscape" : " portrait"));
      doc.loadedFlag = 0;
      doc.intervalMode = mode;
      doc.rebuild();
      doc.loadedFlag = 1;
      GraphPrintData data{&doc.series(), true, printDataName(doc.recording()), kPrintTime};
      const std::string expected = dir.file("window.pdf");
      ASSERT_GT(printGraphToPdf(expected, data, landscape ? PaperOrientation::Landscape : PaperOrientation::Portrait), 1);

      const std::string out = dir.file("tool.pdf");
      std::vector<std::string> args{"print", "-i", name, "-o", out, kShort};
      if (landscape) args.push_back("--landscape");
      const CliResult r = runFixedClock(args);
      ASSERT_EQ(r.exitCode, 0) << r.err;
      const std::string text = pdfText(out);
      EXPECT_EQ(text, pdfText(expected));
      EXPECT_NE(text.find("ﾃﾙｶ 屋上"), std::string::npos) << text.substr(0, 2000);
    }
  }
}

TEST(CliTable, SheetsReadTheSameAsTheWindowsTablePrint) {
  if (!havePoppler()) GTEST_SKIP() << "pdftotext is not installed";
  TempDir dir;
  RecordingState state;
  ScriptedMessages messages;
  CHyetoscopeDoc doc(state, messages);
  ASSERT_TRUE(doc.onOpenDocument(kLong));
  const struct {
    TableKind kind;
    int year, month;
    std::vector<std::string> args;
  } sheets[] = {{TableKind::HourlyMonth, 2024, 7, {"--month", "2024-07"}},
                {TableKind::DailyYear, 2024, 1, {"--year", "2024"}}};
  for (const auto& s : sheets) {
    SCOPED_TRACE(s.args[1]);
    const auto table = makeTableSnapshot(doc.recording(), s.kind, s.year, s.month, "山の上");
    ASSERT_TRUE(table.has_value());
    const std::string expected = dir.file("window.pdf");
    ASSERT_EQ(printTableToPdf(expected, *table, s.kind, PaperOrientation::Portrait), 1);
    std::vector<std::string> args{"table", "--station", "山の上", "-o", dir.file("{stem}-{period}.pdf"), kLong};
    args.insert(args.end(), s.args.begin(), s.args.end());
    const CliResult r = runFixedClock(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = pdfText(dir.file("long-2024-0.5mm-" + s.args[1] + ".pdf"));
    EXPECT_EQ(text, pdfText(expected));
    // pdftotext reads some kanji back as their radical look-alikes.
    EXPECT_NE(text.find("の上"), std::string::npos) << text.substr(0, 2000);
  }
}

TEST(CliTable, RefusesPeriodsItCannotPrint) {
  TempDir dir;
  const std::string out = dir.file("sheet.pdf");
  const struct {
    std::vector<std::string> args;
    int exitCode;
    std::string text;
  } cases[] = {{{"--month", "2026-13"}, 2, "2026-13: 入力した値に誤りがあります。"},
               {{"--month", "2026-00"}, 2, "入力した値に誤りがあります。"},
               {{"--year", "1969"}, 2, "入力した値に誤りがあります。"},
               {{"--month", "June"}, 1, "YYYY-MM"},
               {{"--year", "2026", "--month", "2026-06"}, 1, "either"},
               {{}, 1, "either"}};
  for (const auto& c : cases) {
    std::vector<std::string> args{"table", "-o", out, kShort};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.text;
    EXPECT_NE(r.err.find(c.text), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.text;
  }
  // The month the recording starts in, though it begins on the 1st at 09:00.
  EXPECT_EQ(runCli({"table", "--month", "2026-06", "-o", out, kShort}).exitCode, 0);
}

TEST(CliTable, PeriodsOutsideTheRecordingPrintTheEmptyFormAsTheWindowDoes) {
  TempDir dir;
  // The short sample holds June 2026 only; the long one the whole of 2024.
  const struct {
    std::vector<std::string> args;
    TableKind kind;
    int year, month;
    const char* period;
  } cases[] = {{{"--month", "2026-05"}, TableKind::HourlyMonth, 2026, 5, "2026-05"},
               {{"--month", "2026-07"}, TableKind::HourlyMonth, 2026, 7, "2026-07"},
               {{"--year", "2027"}, TableKind::DailyYear, 2027, 1, "2027"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.period);
    std::vector<std::string> args{"table", "-o", dir.file("{stem}-{period}.pdf"), kShort, kLong};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult r = runFixedClock(args);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Each file gets its sheet; the note names the file and the period.
    const std::string shortSheet = dir.file(std::string("short-2026-06-0.5mm-") + c.period + ".pdf");
    ASSERT_TRUE(std::filesystem::exists(shortSheet));
    EXPECT_TRUE(std::filesystem::exists(dir.file(std::string("long-2024-0.5mm-") + c.period + ".pdf")));
    EXPECT_NE(r.err.find(kShort + ": " + c.period), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("empty form"), std::string::npos) << r.err;
    if (!havePoppler()) continue;
    RecordingState state;
    ScriptedMessages messages;
    CHyetoscopeDoc doc(state, messages);
    ASSERT_TRUE(doc.onOpenDocument(kShort));
    const auto table = makeTableSnapshot(doc.recording(), c.kind, c.year, c.month, "");
    ASSERT_TRUE(table.has_value());
    const std::string expected = dir.file("window.pdf");
    ASSERT_EQ(printTableToPdf(expected, *table, c.kind, PaperOrientation::Portrait), 1);
    EXPECT_EQ(pdfText(shortSheet), pdfText(expected));
  }
}

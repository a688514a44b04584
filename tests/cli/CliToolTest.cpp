// hyetoscope-cli run as a process: usage, help, info, and every exit code
// with a damaged file, a date that does not exist and a range outside the
// recording. A failed input never leaves an output file behind.
#include "CliRun.h"
#include "LoadFailureText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <chrono>
#include <csignal>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {
const std::string kSamples = HY_SAMPLES_DIR;
const std::string kLong = kSamples + "/long-2024-0.5mm.hyy";
const std::string kShort = kSamples + "/short-2026-06-0.5mm.hyy";

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A copy of a sample cut short in the middle of its samples.
std::string damagedCopy(const TempDir& dir) {
  const std::string bytes = readWholeFile(kShort);
  const std::string path = dir.file("damaged.hyy");
  std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  return path;
}
}  // namespace

TEST(CliTool, UsageErrorsExitOneAndHelpExitsZero) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"frobnicate"},
           {"info"},
           {"chart", kShort},
           {"chart", "--bogus", "-o", "x.png", kShort},
           {"chart", "-i", "week", "-o", "x.png", kShort},
           {"chart", "--size", "10x10", "-o", "x.png", kShort},
           {"chart", "-o", "x.gif", kShort},
           {"chart", "-o", "same.png", kShort, kLong}}) {
    std::string line;
    for (const auto& a : args) line += a + " ";
    const CliResult r = runCli(args);
    EXPECT_EQ(r.exitCode, 1) << line;
    EXPECT_TRUE(contains(r.err, "hyetoscope-cli")) << line << r.err;
    EXPECT_EQ(r.out, "") << line;
  }
  const CliResult overview = runCli({"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  for (const char* sub : {"info", "chart"}) {
    EXPECT_TRUE(contains(overview.out, std::string("  ") + sub + " ")) << sub;
    const CliResult help = runCli({sub, "--help"});
    EXPECT_EQ(help.exitCode, 0) << sub;
    EXPECT_EQ(help.out.rfind(std::string("Usage: hyetoscope-cli ") + sub + " ", 0), 0u) << help.out;
  }
}

TEST(CliTool, InfoDescribesEachFileAndHyInfoIsTheSame) {
  const CliResult r = runCli({"info", kLong, kShort});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(contains(r.out, "  samples    59000 (to 2025/02/13 17:10:00)\n")) << r.out;
  EXPECT_TRUE(contains(r.out, "  daily      start 2026/06/02 00:00:00  values      7  total     871.5 mm\n"))
      << r.out;
  const CliResult alias = runProgram("hy-info", {kLong, kShort});
  EXPECT_EQ(alias.exitCode, 0);
  EXPECT_EQ(alias.out, r.out);
}

TEST(CliTool, BadInputExitsTwoNamingTheFileAndWritesNothingForIt) {
  TempDir dir;
  const std::string damaged = damagedCopy(dir);
  const std::string missing = dir.file("missing.hyy");

  CliResult r = runCli({"info", kShort, damaged});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.out, "ﾃﾙｶ 屋上")) << "the good file is still described";
  // The window's message, naming the file and why, without its last line
  // (about the recording on screen).
  const std::string text = loadFailureText(damaged, logstore::LoadError::SizeMismatch);
  const auto firstBreak = text.find('\n');
  const auto lastBreak = text.rfind('\n');
  EXPECT_TRUE(contains(r.err, text.substr(0, firstBreak) + " " + text.substr(firstBreak + 1, lastBreak - firstBreak - 1)))
      << r.err;
  EXPECT_FALSE(contains(r.err, text.substr(lastBreak + 1))) << r.err;

  r = runCli({"chart", "-o", dir.file("{stem}.png"), missing, kShort, damaged});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, missing)) << r.err;
  EXPECT_TRUE(contains(r.err, damaged)) << r.err;
  EXPECT_TRUE(fs::exists(dir.file("short-2026-06-0.5mm.png")));
  EXPECT_FALSE(fs::exists(dir.file("damaged.png")));
  EXPECT_FALSE(fs::exists(dir.file("missing.png")));

  // A date that does not exist, and ranges that miss the recording (one
  // week from 2026-06-01 09:00).
  const std::string out = dir.file("range.png");
  const struct {
    std::vector<std::string> range;
    std::string text;
  } cases[] = {{{"--from", "2026-06-31"}, "--from 2026-06-31: 日付・時刻に誤りがあります。"},
               {{"--to", "2026-06-03 25:00"}, "日付・時刻に誤りがあります。"},
               {{"--from", "2026-06-08 10:00"}, kShort + ": 開始時間に誤りがあります。"},
               {{"--to", "2026-06-01 09:00"}, kShort + ": 終了時間に誤りがあります。"},
               {{"--from", "2026-06-03", "--to", "2026-06-02"}, kShort + ": 終了時間に誤りがあります。"}};
  for (const auto& c : cases) {
    std::vector<std::string> args{"chart", "-o", out};
    args.insert(args.end(), c.range.begin(), c.range.end());
    args.push_back(kShort);
    r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << c.text;
    EXPECT_TRUE(contains(r.err, c.text)) << r.err;
    EXPECT_FALSE(fs::exists(out)) << c.text;
  }
  // The last hour of the recording is inside it.
  r = runCli({"chart", "-o", out, "--from", "2026-06-08 08:00", kShort});
  EXPECT_EQ(r.exitCode, 0) << r.err;

  // An output folder that does not exist: nothing half-made, exit code 2.
  r = runCli({"chart", "-o", dir.file("no/such/dir.png"), kShort});
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_TRUE(contains(r.err, dir.file("no/such/dir.png"))) << r.err;
}

TEST(CliTool, ManPageDescribesEverySubcommandAndOptionOfTheHelp) {
  // The man page is written from the help: every subcommand the overview
  // lists and every long option a subcommand's help shows must be in it.
  std::string page = readWholeFile(std::string(HY_SOURCE_DIR) + "/docs/hyetoscope-cli.1");
  for (size_t at; (at = page.find("\\-")) != std::string::npos;) page.replace(at, 2, "-");
  const CliResult overview = runCli({"--help"});
  const auto listStart = overview.out.find("Subcommands:\n");
  ASSERT_NE(listStart, std::string::npos);
  std::istringstream list(overview.out.substr(listStart + 13));
  int subcommands = 0;
  for (std::string line; std::getline(list, line) && line.rfind("  ", 0) == 0;) {
    const std::string sub = line.substr(2, line.find(' ', 2) - 2);
    ++subcommands;
    EXPECT_NE(page.find(".B " + sub), std::string::npos) << sub;
    const CliResult help = runCli({sub, "--help"});
    for (size_t at = 0; (at = help.out.find("--", at)) != std::string::npos;) {
      const size_t end = help.out.find_first_of(" ,<\n)'.]", at);
      const std::string option = help.out.substr(at, end - at);
      at = end;
      if (option == "--help") continue;
      EXPECT_NE(page.find(option), std::string::npos) << sub << " " << option;
    }
  }
  EXPECT_EQ(subcommands, 12);
}

TEST(CliTool, CtrlCStopsABatchBetweenFilesWithEveryOutputWhole) {
  TempDir dir;
  std::vector<std::string> args{"chart", "-i", "10min", "--size", "1600x600", "-o", dir.file("out/{stem}.png")};
  fs::create_directory(dir.file("out"));
  for (int i = 0; i < 300; ++i) {
    const std::string copy = dir.file("station-" + std::to_string(i) + ".hyy");
    fs::create_symlink(kLong, copy);
    args.push_back(copy);
  }
  RunningProgram cli("hyetoscope-cli", args);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!fs::exists(dir.file("out/station-1.png")) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  cli.signal(SIGINT);
  const CliResult r = cli.wait();
  EXPECT_EQ(r.exitCode, 130) << r.err;
  EXPECT_NE(r.err.find("interrupted before "), std::string::npos) << r.err;
  int pictures = 0;
  for (const auto& entry : fs::directory_iterator(dir.file("out"))) {
    EXPECT_EQ(entry.path().extension(), ".png") << entry.path() << " is left over";
    EXPECT_EQ(readWholeFile(entry.path().string()).substr(1, 3), "PNG") << entry.path();
    ++pictures;
  }
  EXPECT_GE(pictures, 2);
  EXPECT_LT(pictures, 300) << "the batch stopped";
}

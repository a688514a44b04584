// The tool's device subcommands as processes against the simulated logger on
// a pseudo-terminal, linked as a COM number in a ports folder of the test's
// own: a logger that answers, one that stays silent, and no logger at all.
// The protocol's waits run at a fifth of their length (the simulator is
// strict about them at the same scale).
#include "CliRun.h"
#include "LoggerSimulator.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <filesystem>
#include <thread>
#include <memory>

namespace {
constexpr double kScale = 0.2;

struct SimulatedLogger {
  explicit SimulatedLogger(int samples, LoggerFaults faults = {}) {
    LoggerSettings settings;
    std::memcpy(settings.name.data(), "RIVER-2", 7);
    LoggerRecording recording;
    recording.startTime = 1780272000;  // 2026-06-01 09:00 UTC+9
    recording.elapsed = static_cast<uint32_t>(samples) * 600 + 12;
    for (int i = 0; i < samples; ++i) recording.samples.push_back(static_cast<uint16_t>(i % 7 == 0 ? 3 : 0));
    LoggerDevice device(settings, recording);
    faults.strict = true;
    faults.strictScale = kScale;
    device.setFaults(faults);
    SimulatorOptions options;
    options.portsDir = dir.path().string();
    options.port = 2;
    sim = std::make_unique<LoggerSimulator>(device, options);
    std::string error;
    started = sim->start(&error);
    EXPECT_TRUE(started) << error;
  }

  // hyetoscope-cli with this ports folder and the scaled protocol.
  std::vector<std::string> command(std::vector<std::string> args) const {
    args.insert(args.begin(), {"TKCOM_PORT_DIR=" + dir.path().string(), "TKCOM_READ_TIMEOUT_MS=2000",
                               "HY_DEVICE_TIME_SCALE=" + std::to_string(kScale),
                               "XDG_CONFIG_HOME=" + dir.path().string(), std::string(HY_BIN_DIR) + "/hyetoscope-cli"});
    return args;
  }
  CliResult run(std::vector<std::string> args) const { return runProgram("/usr/bin/env", command(std::move(args))); }

  TempDir dir;
  std::unique_ptr<LoggerSimulator> sim;
  bool started = false;
};
}  // namespace

TEST(CliDevice, ProbeTellsAnAnsweringLoggerFromASilentOneAndFromNone) {
  {
    SimulatedLogger logger(100);
    ASSERT_TRUE(logger.started);
    const CliResult r = logger.run({"probe", "--port", "2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "COM2: the logger answered\n");
    // Nothing on COM3 of this folder (nor on the device it falls back to).
    const CliResult none = logger.run({"probe", "--port", "3"});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_EQ(none.err, "hyetoscope-cli: COM3: 通信に失敗しました。\n");
  }
  LoggerFaults silent;
  silent.noAnswer = true;
  SimulatedLogger logger(100, silent);
  ASSERT_TRUE(logger.started);
  const CliResult r = logger.run({"probe", "--port", "2"});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_NE(r.err.find("COM2: 通信に失敗しました。"), std::string::npos) << r.err;
  EXPECT_EQ(logger.run({"probe", "--port", "10"}).exitCode, 1);
}

TEST(CliDevice, DownloadWritesTheRecordingAndReportsEachBlock) {
  SimulatedLogger logger(5000);  // three blocks
  ASSERT_TRUE(logger.started);
  TempDir out;
  const std::string file = out.file("river.hyy");
  const CliResult r = logger.run({"download", "--port", "2", "-o", file});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  // Not a terminal: one line per block, the status, the finishing message.
  EXPECT_NE(r.err.find("吸い上げ中\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" 33.3 %\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find(" 99.9 %\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("記録吸い上げが終了しました。"), std::string::npos) << r.err;
  const CliResult info = runCli({"info", file});
  ASSERT_EQ(info.exitCode, 0) << info.err;
  EXPECT_NE(info.out.find("  name       RIVER-2\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("  samples    5000 "), std::string::npos) << info.out;
  // 5000 samples, every seventh 3 counts of 0.5 mm.
  EXPECT_NE(info.out.find("  10-minute  start 2026/06/01 09:00:00  values   5001  total    1072.5 mm\n"), std::string::npos)
      << info.out;

  // An existing file is replaced only when asked.
  EXPECT_EQ(logger.run({"download", "--port", "2", "-o", file}).exitCode, 1);
  EXPECT_EQ(logger.run({"download", "--port", "2", "-o", file, "--force"}).exitCode, 0);
}

TEST(CliDevice, CtrlCMidTransferCancelsAndLeavesTheOldFileAsItWas) {
  SimulatedLogger logger(12000);  // six blocks
  ASSERT_TRUE(logger.started);
  logger.sim->setPace(4);  // about a second per block
  TempDir out;
  const std::string file = out.file("river.hyy");
  const std::string old = "an older file of that name";
  std::ofstream(file, std::ios::binary) << old;

  RunningProgram cli("/usr/bin/env", logger.command({"download", "--port", "2", "-o", file, "--force"}));
  // Interrupt once the second block has come in.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (cli.err().find(" 16.6 %") == std::string::npos && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_NE(cli.err().find(" 16.6 %"), std::string::npos) << cli.err();
  cli.signal(SIGINT);
  const CliResult r = cli.wait();
  EXPECT_EQ(r.exitCode, 3) << r.err;
  EXPECT_NE(r.err.find("吸い上げキャンセル中"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("COM2: cancelled; " + file + " was not written"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("記録吸い上げが終了しました。"), std::string::npos) << r.err;
  EXPECT_EQ(readWholeFile(file), old);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(out.path())) ++entries;
  EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}

TEST(CliDevice, NoDataOrNoLoggerEndsWithExitCodeThreeAndNoFile) {
  TempDir out;
  const std::string file = out.file("empty.hyy");
  {
    SimulatedLogger logger(0);
    ASSERT_TRUE(logger.started);
    const CliResult r = logger.run({"download", "--port", "2", "-o", file});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_NE(r.err.find("ﾃﾞｰﾀはありません。"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(file));
    const CliResult none = logger.run({"download", "--port", "3", "-o", file});
    EXPECT_EQ(none.exitCode, 3);
    EXPECT_NE(none.err.find("通信に失敗しました。"), std::string::npos) << none.err;
    EXPECT_FALSE(std::filesystem::exists(file));
  }
  // The line drops in the middle of block 1.
  LoggerFaults drop;
  drop.hangUpBlock = 1;
  drop.hangUpAfterBytes = 1000;
  SimulatedLogger logger(5000, drop);
  ASSERT_TRUE(logger.started);
  const CliResult r = logger.run({"download", "--port", "2", "-o", file});
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_NE(r.err.find("吸い上げに失敗しました。"), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(CliDevice, PortsFindsTheLoggerAndCanStoreItsPort) {
  SimulatedLogger logger(10);
  ASSERT_TRUE(logger.started);
  CliResult r = logger.run({"ports", "--save"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "COM2\n");
  // The stored port is the window's; download takes it without --port.
  EXPECT_NE(readWholeFile(logger.dir.file("VELDEN CORPORATION/HY for Windows.conf")).find("ComPort=2"),
            std::string::npos);
  TempDir out;
  r = logger.run({"download", "-o", out.file("stored.hyy")});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

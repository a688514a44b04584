// The tool's device subcommands as processes against the simulated logger on
// a pseudo-terminal, linked as a COM number in a ports folder of the test's
// own: a logger that answers, one that stays silent, and no logger at all.
// The protocol's waits run at a fifth of their length (the simulator is
// strict about them at the same scale).
#include "CliRun.h"
#include "LoggerSimulator.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstring>
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
  CliResult run(std::vector<std::string> args) const {
    args.insert(args.begin(), {"TKCOM_PORT_DIR=" + dir.path().string(), "TKCOM_READ_TIMEOUT_MS=2000",
                               "HY_DEVICE_TIME_SCALE=" + std::to_string(kScale),
                               std::string(HY_BIN_DIR) + "/hyetoscope-cli"});
    return runProgram("/usr/bin/env", args);
  }

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

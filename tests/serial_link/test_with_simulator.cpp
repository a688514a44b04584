// TKCom1 against the simulated logger: a whole exchange as the program does
// it, a dropped line, and a paced line.
#include "LoggerSimulator.h"
#include "TKCom1.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class TKComWithSimulator : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TKCOM_PORT_DIR", dir.path().c_str(), 1);
    LoggerSettings settings;
    std::memcpy(settings.name.data(), "GAUGE-7", 7);
    settings.modelWord = 0x2001;
    LoggerRecording recording;
    recording.startTime = 1700000000;
    recording.elapsed = 5000 * 600 + 77;
    for (int i = 0; i < 5000; ++i) recording.samples.push_back(static_cast<uint16_t>(i * 13 + 1));
    samples = recording.samples;
    SimulatorOptions options;
    options.portsDir = dir.path().string();
    options.port = 4;
    sim = std::make_unique<LoggerSimulator>(LoggerDevice(settings, recording), options);
    ASSERT_TRUE(sim->start());
  }
  void TearDown() override {
    if (handle != 0) TKCloseComm(&handle);
    sim.reset();
    unsetenv("TKCOM_PORT_DIR");
  }
  void send(const std::vector<uint8_t>& frame) {
    ASSERT_EQ(TKPutROM(handle, frame.data(), static_cast<int>(frame.size())), 1);
  }

  TempDir dir;
  std::unique_ptr<LoggerSimulator> sim;
  std::vector<uint16_t> samples;
  TKHandle handle = 0;
  uint8_t buf[TK_BUFFER_SIZE];
};

TEST_F(TKComWithSimulator, RomBaseDataAndBlocksAsTheProgramReadsThem) {
  handle = TKOpenComm(4, 4096, 4096);
  ASSERT_NE(handle, 0);
  send({0x00});
  send({0x30, 1, 1, 1, 1, 0x34});
  ASSERT_EQ(TKGetInfo(handle, buf, 6), 1);
  EXPECT_EQ(buf[4], 0);
  EXPECT_EQ(buf[5], static_cast<uint8_t>(buf[0] + buf[1] + buf[2] + buf[3]));

  send({0x20, 0, 0, 0, 0, 0x20});
  ASSERT_EQ(TKGetInfo(handle, buf, TK_ROM_SIZE), 1);
  RomRecord rom{};
  EXPECT_EQ(TKGetROM(buf, &rom), 1);
  EXPECT_EQ(rom.words[1], 0x2001);
  EXPECT_EQ(std::memcmp(buf + 33, "GAUGE-7\0", 8), 0);

  send({0x22, 0, 0, 0, 0, 0x22});
  ASSERT_EQ(TKGetInfo(handle, buf, TK_BASE_DATA_SIZE), 1);
  BaseDataRecord base{};
  TKGetBaseData(handle, buf, &base);
  EXPECT_EQ(base.count, 5000u);
  EXPECT_EQ(base.startTime, 1700000000u);
  EXPECT_EQ(base.elapsed, 5000u * 600 + 77);

  // 5000 samples: blocks 0, 1 full, block 2 holds 904 samples and zeros.
  for (int k = 0; k < 3; ++k) {
    const uint8_t request = 0x1B;
    ASSERT_EQ(TKWriteComm(handle, &request, 1), 1);
    ASSERT_EQ(TKGetSaveData(handle, &base), 1) << "block " << k;
    for (int i = 0; i < 2048; ++i) {
      size_t s = static_cast<size_t>(2048 * k + i);
      uint16_t expected = s < samples.size() ? samples[s] : 0;
      uint16_t got = static_cast<uint16_t>(base.block.bytes[2 * i] | base.block.bytes[2 * i + 1] << 8);
      ASSERT_EQ(got, expected) << "block " << k << " word " << i;
    }
  }
  std::vector<uint8_t> expected = {0x00, 0x30, 1, 1, 1, 1, 0x34, 0x20, 0, 0, 0, 0, 0x20,
                                   0x22, 0, 0, 0, 0, 0x22, 0x1B, 0x1B, 0x1B};
  EXPECT_EQ(sim->received(), expected);
  EXPECT_EQ(TKCloseComm(&handle), 1);
}

TEST_F(TKComWithSimulator, DroppedLineIsEndOfFileAndThePortComesBack) {
  LoggerFaults faults;
  faults.dropAfterBlock = 0;
  sim->setFaults(faults);
  handle = TKOpenComm(4, 4096, 4096);
  ASSERT_NE(handle, 0);
  send({0x21, 0, 0, 0, 0, 0x21});
  ASSERT_EQ(TKGetInfo(handle, buf, TK_BASE_DATA_SIZE), 1);
  const uint8_t request = 0x1B;
  BaseDataRecord base{};
  ASSERT_EQ(TKWriteComm(handle, &request, 1), 1);
  ASSERT_EQ(TKGetSaveData(handle, &base), 1) << "block 0 arrives whole before the line drops";

  auto t0 = Clock::now();
  EXPECT_EQ(TKReadComm(handle, buf, TK_BLOCK_SIZE), TK_ERR_EOF);
  EXPECT_LT(Clock::now() - t0, 8s) << "ended by the hang-up, not by the time-out";
  EXPECT_EQ(TKWriteComm(handle, &request, 1), TK_ERR_WRITE);
  EXPECT_TRUE(sim->waitForLineDrops(1, 5s));
  EXPECT_EQ(TKCloseComm(&handle), 1);

  // Plugged in again on a new terminal behind the same COM name.
  sim->setFaults(LoggerFaults{});
  handle = TKOpenComm(4, 4096, 4096);
  ASSERT_NE(handle, 0);
  send({0x30, 1, 1, 1, 1, 0x34});
  EXPECT_EQ(TKGetInfo(handle, buf, 6), 1);
}

TEST_F(TKComWithSimulator, PacedLineDeliversNoFasterThanItsRate) {
  sim->setPace(10);  // 9600 bytes/s
  handle = TKOpenComm(4, 4096, 4096);
  ASSERT_NE(handle, 0);
  const uint8_t request = 0x1B;
  auto t0 = Clock::now();
  ASSERT_EQ(TKWriteComm(handle, &request, 1), 1);
  EXPECT_EQ(TKGetInfo(handle, buf, TK_BLOCK_SIZE), 1);
  EXPECT_GE(Clock::now() - t0, 420ms);  // 4096 bytes at 9600 bytes/s: 427 ms
}

}  // namespace

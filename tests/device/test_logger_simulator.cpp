// The simulator on its pseudo-terminal: link handling, the log of received
// bytes, late, held and missing replies, short replies and a whole data file
// served block by block.
#include "CLogstore1App.h"
#include "CommandFrames.h"
#include "LoggerSimulator.h"
#include "Replies.h"
#include "SimClient.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <thread>

using namespace device;
using namespace std::chrono_literals;

namespace {

using Bytes = std::vector<uint8_t>;

class Simulator : public ::testing::Test {
 protected:
  void start(const LoggerDevice& device = LoggerDevice()) {
    SimulatorOptions options;
    options.portsDir = dir.path().string();
    options.port = 3;
    sim = std::make_unique<LoggerSimulator>(device, options);
    std::string error;
    ASSERT_TRUE(sim->start(&error)) << error;
    client = std::make_unique<SimClient>(sim->linkPath());
    ASSERT_TRUE(client->isOpen());
  }
  void TearDown() override {
    client.reset();
    sim.reset();
  }

  TempDir dir;
  std::unique_ptr<LoggerSimulator> sim;
  std::unique_ptr<SimClient> client;
};

TEST_F(Simulator, LinksItsTerminalAndRemovesTheLinkWhenStopped) {
  // A stale link from an earlier run is replaced.
  std::filesystem::create_symlink("/nowhere", dir.file("COM3"));
  start();
  EXPECT_EQ(std::filesystem::read_symlink(dir.file("COM3")).string(), sim->terminalPath());
  client.reset();
  sim->stop();
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.file("COM3"))));
}

TEST_F(Simulator, RecordsEveryByteItReceived) {
  start();
  Bytes sent = {0x00, 0x7F, 0x43, 0x01, 0x00, 0x00, 0x00, 0x44, 0x1B};
  client->send(sent);
  ASSERT_TRUE(sim->waitForReceived(sent.size(), 2s));
  EXPECT_EQ(sim->received(), sent);
  EXPECT_EQ(sim->settings().buzzer, 1);
  EXPECT_EQ(client->receive(4096, 2000).size(), 4096u);
  sim->clearReceived();
  EXPECT_TRUE(sim->received().empty());
}

TEST_F(Simulator, LateProbeReplyArrivesOnlyAfterItsDelay) {
  start();
  LoggerFaults f;
  f.probeDelayMs = 600;
  sim->setFaults(f);
  client->send(probeFrame());
  EXPECT_TRUE(client->receive(6, 250).empty());
  Bytes reply = client->receive(6, 3000);
  ASSERT_EQ(reply.size(), 6u);
  EXPECT_TRUE(isValidProbeReply(reply.data()));
}

TEST_F(Simulator, HalfAFrameFromAnEarlierSessionIsForgotten) {
  start();
  client->send(Bytes{0x20, 0x00});
  ASSERT_TRUE(sim->waitForReceived(2, 2s));
  std::this_thread::sleep_for(400ms);
  client->send(Bytes{0x00});
  client->send(probeFrame());
  Bytes reply = client->receive(6, 2000);
  ASSERT_EQ(reply.size(), 6u);
  EXPECT_TRUE(isValidProbeReply(reply.data()));
}

TEST_F(Simulator, HeldRepliesWaitUntilReleased) {
  start();
  sim->holdReplies(true);
  client->send(romRequestFrame());
  ASSERT_TRUE(sim->waitForReceived(6, 2s));
  EXPECT_TRUE(client->receive(67, 200).empty());
  sim->holdReplies(false);
  EXPECT_EQ(client->receive(67, 2000).size(), 67u);
}

TEST_F(Simulator, PacedReplyReleasedAfterAHoldStillKeepsTheLineRate) {
  start();
  sim->setPace(1);  // 960 bytes/s: 67 bytes take 70 ms
  sim->holdReplies(true);
  client->send(romRequestFrame());
  ASSERT_TRUE(sim->waitForReceived(6, 2s));
  std::this_thread::sleep_for(200ms);
  sim->holdReplies(false);
  Bytes early = client->receive(67, 30);
  EXPECT_LT(early.size(), 67u) << "no burst of the time spent held";
  Bytes rest = client->receive(67 - early.size(), 2000);
  EXPECT_EQ(early.size() + rest.size(), 67u);
}

TEST_F(Simulator, SilentShortAndNoisyReplies) {
  start();
  LoggerFaults f;
  f.noAnswer = true;
  sim->setFaults(f);
  client->send(probeFrame());
  ASSERT_TRUE(sim->waitForReceived(6, 2s));
  EXPECT_TRUE(client->receive(6, 300).empty());

  f = LoggerFaults{};
  f.shortBaseData = 9;
  sim->setFaults(f);
  client->send(baseDataFrame(0));
  EXPECT_EQ(client->receive(9, 3000).size(), 9u);
  EXPECT_TRUE(client->receive(5, 300).empty()) << "the rest never comes";

  f = LoggerFaults{};
  f.garbageBytes = 3;
  sim->setFaults(f);
  client->send(probeFrame());
  Bytes noisy = client->receive(9, 2000);
  ASSERT_EQ(noisy.size(), 9u);
  EXPECT_TRUE(isValidProbeReply(noisy.data() + 3));
}

TEST_F(Simulator, ServesADataFileBlockByBlock) {
  const std::string path = HY_SAMPLES_DIR "/short-2026-06-0.5mm.hyy";
  LoggerSettings settings;
  LoggerRecording recording;
  std::string error;
  ASSERT_TRUE(loadHyyRecording(path, settings, recording, &error)) << error;
  start(LoggerDevice(settings, recording));

  client->send(romRequestFrame());
  Bytes romBytes = client->receive(67, 2000);
  ASSERT_EQ(romBytes.size(), 67u);
  RomRecord rom{};
  ASSERT_EQ(TKGetROM(romBytes.data(), &rom), 1);
  EXPECT_NE(romFields(rom).modelWord, kTenthModelWord);

  client->send(baseDataFrame(romFields(rom).modelWord));
  Bytes baseBytes = client->receive(14, 2000);
  ASSERT_EQ(baseBytes.size(), 14u);
  BaseDataRecord base{};
  TKGetBaseData(0, baseBytes.data(), &base);
  ASSERT_EQ(base.count, recording.samples.size());

  Bytes all;
  for (int k = 0; k < blockCount(base.count); ++k) {
    client->send(Bytes{kBlockRequest});
    Bytes block = client->receive(4096, 2000);
    ASSERT_EQ(block.size(), 4096u) << "block " << k;
    all.insert(all.end(), block.begin(), block.end());
  }
  auto image = std::make_unique<unsigned char[]>(logstore::kImageSize);
  logstore::CLogstore1App store;
  ASSERT_EQ(store.BfileToBuff(path.c_str(), image.get()), 1);
  EXPECT_EQ(std::memcmp(all.data(), image.get() + logstore::kHeaderSize, 2 * base.count), 0);
  EXPECT_EQ(firstSampleTime(base, 0), static_cast<int64_t>(recording.startTime));
}

}  // namespace

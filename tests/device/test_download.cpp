// The download end to end: the start sequence, both workers and the block
// transfer through TKCom1 against a strict simulated logger on a fast
// clock; the file it writes, the dialog's progress and texts, cancel and
// close mid-transfer, and a fault at every step ending with its message,
// no new file, the older file at the chosen path intact and the port free.
#include "CLogstore1App.h"
#include "CommandFrames.h"
#include "DeviceTexts.h"
#include "DownloadBench.h"
#include "FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

using namespace device;
using namespace std::chrono_literals;

namespace {

struct LoadedFile {
  bool ok = false;
  std::unique_ptr<unsigned char[]> image{new unsigned char[logstore::kImageSize]};
  long count() const { return logstore::parseFiveDigitField(image.get() + logstore::kOffSampleCount); }
  uint32_t startTime() const {
    const unsigned char* p = image.get() + logstore::kOffStartTime;
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  }
  uint16_t version() const { return static_cast<uint16_t>(image[logstore::kOffVersion] | image[logstore::kOffVersion + 1] << 8); }
  uint16_t sample(long i) const {
    const unsigned char* p = image.get() + logstore::kHeaderSize + 2 * i;
    return static_cast<uint16_t>(p[0] | p[1] << 8);
  }
  std::string name() const { return reinterpret_cast<const char*>(image.get() + logstore::kOffName); }
};

LoadedFile load(const std::string& path) {
  LoadedFile f;
  logstore::CLogstore1App store;
  f.ok = store.BfileToBuff(path.c_str(), f.image.get()) == 1;
  return f;
}

bool portOpensAtOnce(int port) {
  TKHandle h = TKOpenComm(port, 4096, 4096);
  if (h == 0) return false;
  TKCloseComm(&h);
  return true;
}

bool containsFrame(const std::vector<uint8_t>& bytes, const CommandFrame& frame) {
  return std::search(bytes.begin(), bytes.end(), frame.begin(), frame.end()) != bytes.end();
}

TEST(Download, BlockCountsFillTheFileAndTheProgressBar) {
  struct Case {
    int count;
    int blocks;
    int lastProgress;
  };
  for (const Case c : {Case{1, 1, 1000}, Case{2047, 1, 1000}, Case{2048, 2, 1000}, Case{4095, 2, 1000},
                       Case{4096, 3, 999}, Case{59872, 30, 990}}) {
    SCOPED_TRACE(c.count);
    DownloadBench d;
    d.bench.startLogger(loggerWith(c.count));
    d.runToEnd();
    EXPECT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextDownloadFinished});
    EXPECT_EQ(d.bench.ui.icons.front(), MessageIcon::Information);
    EXPECT_EQ(d.state.currentDataPath, d.target);
    EXPECT_STREQ(d.state.pendingDataName, "GAUGE-7");
    EXPECT_EQ(d.bench.sim->counters().blocksServed, c.blocks);
    EXPECT_EQ(d.bench.sim->counters().ignored, 0) << "every wait of the protocol was kept";
    ASSERT_FALSE(d.view.progress.empty());
    EXPECT_EQ(*std::max_element(d.view.progress.begin(), d.view.progress.end()), c.lastProgress);
    EXPECT_EQ(d.view.progress.back(), 0) << "reset at the end";
    EXPECT_GE(d.view.shown, 1);
    LoadedFile f = load(d.target);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.count(), c.count);
    EXPECT_EQ(f.sample(0), 1);
    EXPECT_EQ(f.sample(c.count - 1), (c.count - 1) % 50 + 1);
    EXPECT_EQ(f.name(), "GAUGE-7");
    EXPECT_TRUE(std::filesystem::exists(d.textPath)) << "the text copy goes to the per-user data folder";
    EXPECT_TRUE(d.view.startEnabled && d.view.closeEnabled && !d.view.cancelEnabled) << "reset at the end";
    EXPECT_TRUE(portOpensAtOnce(1));
  }
}

TEST(Download, TheTenthModelIsAskedWithItsOwnFrameAndAStartTimeOfZeroUsesThePcClock) {
  DownloadBench d;
  LoggerDevice logger = loggerWith(100, kTenthModelWord);
  LoggerSettings settings = logger.settings();
  std::memcpy(settings.name.data(), "ABCDEFGHIJKLMNOP", 16);  // all 16 bytes used
  d.bench.startLogger(LoggerDevice(settings, logger.recording()));
  LoggerFaults faults = d.bench.strictFaults();
  faults.romTail = true;  // bytes after the name must not join it
  faults.baseStartTime = 0;
  faults.baseElapsed = 100 * 600 + 34;
  d.bench.setFaults(faults);
  d.runToEnd();
  ASSERT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextDownloadFinished});
  EXPECT_TRUE(containsFrame(d.bench.sim->received(), commandFrame(kCmdBaseDataTenth)));
  EXPECT_FALSE(containsFrame(d.bench.sim->received(), commandFrame(kCmdBaseData)));
  EXPECT_STREQ(d.state.pendingDataName, "ABCDEFGHIJKLMNOP");
  LoadedFile f = load(d.target);
  ASSERT_TRUE(f.ok);
  EXPECT_EQ(f.version(), kTenthModelWord);
  EXPECT_EQ(f.startTime(), static_cast<uint32_t>(d.now - (34 + 100 * 600)));
}

TEST(Download, TheHalfMillimetreModelUsesTheOtherFrameAndAStartTimeFromTheLogger) {
  DownloadBench d;
  d.bench.startLogger(loggerWith(7, 0x1001, 1700000000));
  LoggerFaults faults = d.bench.strictFaults();
  faults.baseElapsed = 6000;  // not count x 600: the first sample is S + (10 - 7) x 600
  d.bench.setFaults(faults);
  d.runToEnd();
  ASSERT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextDownloadFinished});
  EXPECT_TRUE(containsFrame(d.bench.sim->received(), commandFrame(kCmdBaseData)));
  LoadedFile f = load(d.target);
  ASSERT_TRUE(f.ok);
  EXPECT_NE(f.version(), kTenthModelWord);
  EXPECT_EQ(f.startTime(), 1700000000u + 3 * 600);
}

// Blocks come slowly enough to act while block 2 of 5 is on its way.
class CancelMidTransfer : public ::testing::Test {
 protected:
  void SetUp() override {
    writeOldFile(d.target, 12);
    before = d.oldFileBytes();
    d.bench.startLogger(loggerWith(5 * 2048 - 1));
    LoggerFaults faults = d.bench.strictFaults();
    faults.replyDelayMs[kBlockRequest] = 200;
    d.bench.setFaults(faults);
    d.op->onStart();
    // Block 2 is requested right after the bar moved to 200.
    d.bench.ui.until([&] { return !d.view.progress.empty() && d.view.progress.back() == 200; });
  }
  void expectAbandoned() {
    EXPECT_TRUE(d.bench.ui.messages.empty()) << "a cancel shows no message";
    EXPECT_EQ(d.bench.sim->counters().blocksServed, 2) << "blocks 3 to 5 are not requested";
    EXPECT_EQ(d.state.currentDataPath, "ER");
    EXPECT_EQ(d.oldFileBytes(), before) << "the older file is untouched";
    EXPECT_EQ(d.dataFolder(), std::vector<std::string>{"new.hyy"}) << "and nothing else is left";
    EXPECT_EQ(d.view.ended, 1);
    EXPECT_TRUE(portOpensAtOnce(1));
  }
  DownloadBench d;
  std::string before;
};

TEST_F(CancelMidTransfer, TheCancelButtonStopsBeforeTheNextBlock) {
  d.op->onCancel();
  EXPECT_EQ(d.view.status, kTextCancelling);
  EXPECT_FALSE(d.view.startEnabled || d.view.cancelEnabled || d.view.closeEnabled);
  d.bench.ui.until([&] { return d.view.ended > 0; });
  expectAbandoned();
}

TEST_F(CancelMidTransfer, ClosingTheWindowCancelsAndReturnsOnlyOnceTheWorkerIsDone) {
  d.op->onClose();
  EXPECT_EQ(d.view.ended, 1);
  EXPECT_FALSE(d.bench.link->workerRunning());
  EXPECT_EQ(d.bench.link->portHandle.load(), 0) << "the worker has closed the port";
  d.bench.ui.drain();
  expectAbandoned();
}

TEST(Download, AnUntouchedDialogClosesWithoutTalkingToTheLogger) {
  DownloadBench d;
  d.bench.startLogger(loggerWith(10));
  d.op->onClose();
  EXPECT_EQ(d.view.ended, 1);
  EXPECT_FALSE(d.op->started());
  EXPECT_EQ(d.bench.link->workersStarted(), 0);
  EXPECT_TRUE(d.bench.sim->received().empty());
}

TEST(Download, ACancelledFileChoiceReturnsToReady) {
  DownloadBench d;
  d.bench.startLogger(loggerWith(10));
  logstore::CLogstore1App::SetFileChooser([](logstore::ChooserPurpose) { return std::string(); });
  d.op->onStart();
  EXPECT_EQ(d.op->phase(), DownloadOperation::Phase::Ready);
  EXPECT_TRUE(d.view.startEnabled && d.view.closeEnabled && !d.view.cancelEnabled);
  EXPECT_TRUE(d.bench.ui.messages.empty());
  EXPECT_TRUE(d.bench.sim->received().empty());
}

// One fault at one step: the message of that step, the path "ER", no new
// file, the older one intact, the dialog closed or back to Ready, the port
// free at once.
struct Fault {
  const char* name;
  std::function<void(LoggerFaults&)> apply;
  const char* message;
};

class DownloadFault : public ::testing::TestWithParam<Fault> {};

TEST_P(DownloadFault, EndsWithItsMessageAndLosesNothing) {
  DownloadBench d;
  writeOldFile(d.target, 12);
  const std::string before = d.oldFileBytes();
  d.bench.startLogger(loggerWith(3000));
  LoggerFaults faults = d.bench.strictFaults();
  GetParam().apply(faults);
  d.bench.setFaults(faults);
  d.op->onStart();
  // Failures of the start sequence return to Ready; those of the transfer close the dialog.
  d.bench.ui.until([&] { return d.view.ended > 0 || d.op->phase() == DownloadOperation::Phase::Ready; });
  d.bench.link->joinWorkers();
  d.bench.ui.drain();
  EXPECT_EQ(d.bench.ui.messages, std::vector<std::string>{GetParam().message});
  EXPECT_EQ(d.state.currentDataPath, "ER") << "nothing is reloaded after a failure";
  EXPECT_EQ(d.oldFileBytes(), before);
  EXPECT_EQ(d.dataFolder(), std::vector<std::string>{"new.hyy"});
  EXPECT_TRUE(portOpensAtOnce(1));
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, DownloadFault,
    ::testing::Values(
        Fault{"NoLogger", [](LoggerFaults& f) { f.noAnswer = true; }, kTextCommFailed},
        Fault{"ProbeLate", [](LoggerFaults& f) { f.replyDelayMs[kCmdProbe] = 900; }, kTextCommFailed},
        Fault{"ProbeBad", [](LoggerFaults& f) { f.invalidProbe = true; }, kTextCommFailed},
        Fault{"RomShort", [](LoggerFaults& f) { f.shortRom = 60; }, kTextCommFailed},
        Fault{"RomChecksum", [](LoggerFaults& f) { f.wrongRomChecksum = true; }, kTextCommFailed},
        Fault{"RomHangUp", [](LoggerFaults& f) { f.hangUpOnCommand = kCmdRomRecord; }, kTextCommFailed},
        Fault{"BaseDataShort", [](LoggerFaults& f) { f.shortBaseData = 9; }, kTextSendFailed},
        Fault{"BaseDataLate", [](LoggerFaults& f) { f.replyDelayMs[kCmdBaseData] = 3000; }, kTextSendFailed},
        Fault{"TooManySamples", [](LoggerFaults& f) { f.baseCount = 59873; }, kTextDownloadFailed},
        Fault{"BlockShort", [](LoggerFaults& f) { f.shortBlock = 1; }, kTextDownloadFailed},
        Fault{"BlockStalls", [](LoggerFaults& f) { f.stallBlock = 1; f.stallAfterBytes = 1000; }, kTextDownloadFailed},
        Fault{"BlockHangUp", [](LoggerFaults& f) { f.hangUpBlock = 1; f.hangUpAfterBytes = 1000; }, kTextDownloadFailed},
        Fault{"BlockRequestHangUp", [](LoggerFaults& f) { f.hangUpOnCommand = kBlockRequest; }, kTextDownloadFailed}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });

TEST(Download, AFileThatCannotBeCreatedOrWrittenIsAFailureNeverAFinish) {
  {
    DownloadBench d;
    d.target = d.dataDir + "/missing-folder/new.hyy";
    d.bench.startLogger(loggerWith(100));
    d.runToEnd();
    EXPECT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextFileOpenError});
    EXPECT_EQ(d.state.currentDataPath, "ER");
  }
  {
    // A full disk: writes beyond 64 KiB fail (a limit even root is held to).
    DownloadBench d;
    writeOldFile(d.target, 12);
    const std::string before = d.oldFileBytes();
    d.bench.startLogger(loggerWith(40000));
    {
      FileSizeLimit limit(64 * 1024);
      d.runToEnd();
    }
    EXPECT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextDownloadFailed});
    EXPECT_EQ(d.state.currentDataPath, "ER");
    EXPECT_EQ(d.oldFileBytes(), before);
    EXPECT_EQ(d.dataFolder(), std::vector<std::string>{"new.hyy"});
  }
}

TEST(Download, ALoggerWithoutDataClosesTheDialogAndTheRecording) {
  DownloadBench d;
  d.bench.startLogger(loggerWith(0));
  d.runToEnd();
  d.bench.link->joinWorkers();
  d.bench.ui.drain();
  EXPECT_EQ(d.bench.ui.messages, std::vector<std::string>{kTextNoData});
  EXPECT_EQ(d.closeRecordingPosted, 1);
  EXPECT_EQ(d.state.currentDataPath, "");
  EXPECT_EQ(d.bench.link->noDataFlag.load(), 0);
  EXPECT_EQ(d.bench.sim->counters().blocksServed, 0);
  EXPECT_FALSE(std::filesystem::exists(d.target));
}

}  // namespace

namespace {

TEST(Download, TheTextCopyGoesToThePerUserDataFolder) {
  const char* home = std::getenv("HOME");
  const std::string savedHome = home != nullptr ? home : "";
  setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(DownloadOperation::defaultTextPath(), "/srv/data/hyetoscope/TempHYY.txt");
  setenv("XDG_DATA_HOME", "relative/ignored", 1);
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(DownloadOperation::defaultTextPath(), "/home/someone/.local/share/hyetoscope/TempHYY.txt");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(DownloadOperation::defaultTextPath(), "/home/someone/.local/share/hyetoscope/TempHYY.txt");
  setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace

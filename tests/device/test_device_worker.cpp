// The device worker and the connection check, end to end through TKCom1 and
// a strict simulated logger on a fast clock: the worker serves only what it
// was handed, a worker told to quit never serves its successor's request,
// the check's waits, its deadline, and the port free the moment it returns.
#include "CheckConnection.h"
#include "CommandFrames.h"
#include "DeviceBench.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

using namespace device;
using namespace std::chrono_literals;

namespace {

constexpr uint8_t kTestCode = 0x77;

struct Counting {
  std::atomic<int> served{0};
  std::atomic<int> pendingInFollowUp{-1};
  WorkerRequest request() {
    WorkerRequest r;
    r.serve = [this](WorkerContext&) { served.fetch_add(1); };
    r.followUp = [this](WorkerContext& w) { pendingInFollowUp.store(w.link().requestPending.load()); };
    return r;
  }
};

TEST(DeviceWorker, ServesOnGoThenClearsTheRequestAndEndsWhenToldToQuit) {
  DeviceBench bench;
  Counting counting;
  bench.link->registerRequest(kTestCode, counting.request());
  ASSERT_TRUE(bench.link->startWorkerIfNone());
  EXPECT_FALSE(bench.link->startWorkerIfNone()) << "one worker at a time";
  // Idle: nothing pending, nothing served however long it looks.
  bench.ui.sleep(bench.timing.workerIdlePoll * 3);
  EXPECT_EQ(counting.served.load(), 0);
  bench.link->requestCode.store(kTestCode);
  bench.link->setGo();
  bench.ui.until([&] { return counting.pendingInFollowUp.load() != -1; });
  EXPECT_EQ(counting.served.load(), 1);
  EXPECT_EQ(counting.pendingInFollowUp.load(), 0) << "the follow-up runs with the request cleared";
  bench.ui.sleep(bench.timing.workerIdlePoll * 3);
  EXPECT_EQ(counting.served.load(), 1) << "served once, not again on the next idle look";
  bench.link->tellWorkerToQuit();
  bench.link->joinWorkers();
  EXPECT_FALSE(bench.link->workerRunning());
  EXPECT_EQ(bench.link->workersStarted(), 1);
}

// The download's transfer worker finds its request cleared by the worker
// before it and starts on GoEvent: the go must end an idle look as quit
// does, or every download waits up to a whole look more than the protocol.
// With a look of a minute, the go is served long before the look ends.
TEST(DeviceWorker, GoEndsAnIdleLookAsQuitDoes) {
  DeviceBench bench;
  bench.timing.workerIdlePoll = std::chrono::minutes(1);
  bench.link = std::make_unique<DeviceLink>(bench.timing, bench.ui, bench.ui);
  Counting counting;
  bench.link->registerRequest(kTestCode, counting.request());
  bench.link->startWorkerIfNone();
  bench.ui.sleep(50ms);  // well into its first look
  bench.link->requestCode.store(kTestCode);
  bench.link->setGo();
  bench.ui.runFor(10s, [&] { return counting.served.load() == 1; });
  EXPECT_EQ(counting.served.load(), 1) << "the go waited for the end of the look";
  bench.link->tellWorkerToQuit();
  bench.link->joinWorkers();
  EXPECT_FALSE(bench.link->workerRunning());
}

TEST(DeviceWorker, AWorkerToldToQuitNeverServesItsSuccessorsRequest) {
  DeviceBench bench;
  Counting counting;
  bench.link->registerRequest(kTestCode, counting.request());
  bench.link->startWorkerIfNone();
  bench.ui.sleep(bench.timing.workerIdlePoll);
  // The order of the download between its two workers: quit the first, then
  // raise the next request before the second worker exists.
  bench.link->tellWorkerToQuit();
  bench.link->handRequest(kTestCode, 0);
  bench.ui.sleep(bench.timing.workerIdlePoll * 3);
  EXPECT_EQ(counting.served.load(), 0);
  ASSERT_TRUE(bench.link->startWorkerIfNone()) << "the old worker was joined first";
  bench.ui.until([&] { return counting.served.load() == 1; });
  bench.link->tellWorkerToQuit();
  bench.link->joinWorkers();
  EXPECT_EQ(counting.served.load(), 1);
}

class ConnectionCheck : public ::testing::Test {
 protected:
  DeviceBench bench;
  // Lead-in, then probe frames, in arrival order.
  std::vector<ReceivedByte> log() const { return bench.sim->receivedLog(); }
};

TEST_F(ConnectionCheck, ALoggerThatAnswersPassesWithTheProtocolsWaitsAndTheRequestCleared) {
  bench.startLogger(loggerWith(10));
  ASSERT_EQ(CheckConnection(*bench.link, 1), 1);
  // The port is closed and free the moment the check returns.
  TKHandle h = TKOpenComm(1, 4096, 4096);
  EXPECT_NE(h, 0);
  TKCloseComm(&h);
  EXPECT_EQ(bench.link->portHandle.load(), 0);
  // Nothing is left raised for the next worker to serve again.
  bench.link->joinWorkers();
  EXPECT_EQ(bench.link->requestPending.load(), 0);
  const std::vector<ReceivedByte> bytes = log();
  ASSERT_EQ(bytes.size(), 7u);
  EXPECT_EQ(bytes[0].value, kLeadInByte);
  const CommandFrame probe = probeFrame();
  for (size_t i = 0; i < 6; ++i) EXPECT_EQ(bytes[1 + i].value, probe[i]);
  // Arrival times are the simulator's reads, which may lag a little behind
  // the writes: three quarters of the wait, as the strict logger takes it.
  EXPECT_GE(bytes[1].at - bytes[0].at, bench.timing.afterLeadIn * 3 / 4);
  EXPECT_EQ(bench.sim->counters().probes, 1);
  EXPECT_EQ(bench.sim->counters().ignored, 0);

  // A second check in the same run works as the first: no stale request.
  ASSERT_EQ(CheckConnection(*bench.link, 1), 1);
  bench.link->joinWorkers();
  EXPECT_EQ(bench.sim->counters().probes, 2);
  EXPECT_EQ(bench.link->requestPending.load(), 0);
  EXPECT_EQ(bench.link->workersStarted(), 2);
}

// The deadline is counted from the request, handed over one frame wait after
// the probe frame: an answer 300 ms after the frame passes, one 500 ms after
// the request fails. Waits are at half pace so that the margins stay wide;
// the reply tests run fast.
TEST_F(ConnectionCheck, TheLoggerMustAnswerWithinOneFrameWaitOfTheRequest) {
  DeviceBench half(0.5);
  half.link = std::make_unique<DeviceLink>(half.timing, half.ui, half.ui);
  half.startLogger(loggerWith(10));
  LoggerFaults faults = half.strictFaults();
  faults.replyDelayMs[kCmdProbe] = 150;  // 300 ms after the frame, at real pace
  half.setFaults(faults);
  EXPECT_EQ(CheckConnection(*half.link, 1), 1);
  faults.replyDelayMs[kCmdProbe] = 450;  // 500 ms after the request
  half.setFaults(faults);
  half.ui.sleep(half.timing.afterLeadIn * 2);  // let the strict logger fall asleep between sessions
  EXPECT_EQ(CheckConnection(*half.link, 1), 0);
  half.link->joinWorkers();
  EXPECT_EQ(half.link->requestPending.load(), 0);
  TKHandle h = TKOpenComm(1, 4096, 4096);
  EXPECT_NE(h, 0) << "the port is free again";
  TKCloseComm(&h);
}

TEST_F(ConnectionCheck, NoAnswerAnInvalidOrShortProbeReplyOrABusyPortFail) {
  bench.startLogger(loggerWith(10));
  LoggerFaults faults = bench.strictFaults();
  faults.invalidProbe = true;
  bench.setFaults(faults);
  EXPECT_EQ(CheckConnection(*bench.link, 1), 0) << "byte 4 must be 0";
  faults.invalidProbe = false;
  faults.shortProbe = 5;
  bench.setFaults(faults);
  EXPECT_EQ(CheckConnection(*bench.link, 1), 0) << "five bytes are not a reply";
  faults.shortProbe = -1;
  faults.noAnswer = true;
  bench.setFaults(faults);
  EXPECT_EQ(CheckConnection(*bench.link, 1), 0);
  EXPECT_EQ(bench.link->portHandle.load(), 0) << "the worker closed the port after its read ran out";
  bench.sim->setBusy(true);
  const int workers = bench.link->workersStarted();
  EXPECT_EQ(CheckConnection(*bench.link, 1), 0);
  EXPECT_EQ(bench.link->workersStarted(), workers) << "a port that does not open starts no worker";
  bench.sim->setBusy(false);
  bench.setFaults(bench.strictFaults());
  EXPECT_EQ(CheckConnection(*bench.link, 1), 1) << "and the port works again at once";
  EXPECT_EQ(CheckConnection(*bench.link, 2), 0) << "no logger on COM2";
}

TEST_F(ConnectionCheck, AStrictLoggerIgnoresAProbeSentTooSoonOrWithoutTheLeadIn) {
  bench.startLogger(loggerWith(10));
  TKHandle h = TKOpenComm(1, 4096, 4096);
  ASSERT_NE(h, 0);
  const CommandFrame probe = probeFrame();
  TKPutROM(h, probe.data(), 6);  // no lead-in
  const uint8_t leadIn = 0;
  TKPutROM(h, &leadIn, 1);
  TKPutROM(h, probe.data(), 6);  // at once after it
  bench.ui.sleep(bench.timing.afterLeadIn * 2);
  const CommandFrame wrong = commandFrame(kCmdProbe, 0, 0, 0, 0);
  TKPutROM(h, wrong.data(), 6);  // valid checksum, wrong bytes
  TKPutROM(h, probe.data(), 6);  // this one is taken
  bench.sim->waitForReceived(25, 2s);
  bench.sim->waitUntilSent(2s);
  TKCloseComm(&h);
  EXPECT_EQ(bench.sim->counters().ignored, 3);
  EXPECT_EQ(bench.sim->counters().probes, 1);
}

}  // namespace

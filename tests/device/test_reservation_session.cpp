// The reserved-recording dialog's exchanges end to end: through TKCom1 and
// the worker against a strict simulated logger on a fast clock. The view
// fills the name and the first sample's time; a start reaches the logger
// only after the question, with the time and delay of the moment it is sent;
// what is refused, or declined, sends nothing at all.
#include "CommandFrames.h"
#include "DeviceBench.h"
#include "DeviceTexts.h"
#include "ReservationSession.h"
#include "SettingFakes.h"
#include "TestClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

using namespace device;

namespace {

// The PC clock as the test sets it; every reading is recorded.
struct TestClock {
  std::atomic<int64_t> now{0};
  std::atomic<int64_t> lastRead{0};
  ReservationSession::Clock clock() {
    return [this] {
      lastRead.store(now.load());
      return now.load();
    };
  }
};

LoggerDevice namedLogger(const std::string& sjisName, uint32_t startTime, uint32_t count, uint32_t elapsed) {
  LoggerSettings s;
  std::memcpy(s.name.data(), sjisName.data(), sjisName.size());
  LoggerRecording r;
  r.startTime = startTime;
  r.elapsed = elapsed;
  r.samples.assign(count, 3);
  return LoggerDevice(s, r);
}

struct ReservationRun {
  DeviceBench bench;
  FakeReservationUi ui;
  AnsweringUser user;
  TestClock pc;
  ReservationSession session{*bench.link, user, 1, ui, pc.clock()};

  explicit ReservationRun(const LoggerDevice& logger, int64_t now = jst(2026, 12, 7, 13, 30, 0)) {
    pc.now = now;
    bench.startLogger(logger);
  }
  void view() {
    session.view();
    bench.ui.until([&] { return !bench.link->workerRunning(); });
    bench.link->joinWorkers();
    bench.ui.drain();
  }
  void reserve(int y, int mo, int d, int h, int mi, const std::string& name = "RAIN") {
    ui.shown.reservedStart = true;
    ui.shown.start.year = std::to_string(y);
    ui.shown.start.month = std::to_string(mo);
    ui.shown.start.day = std::to_string(d);
    ui.shown.start.hour = std::to_string(h);
    ui.shown.start.minute = std::to_string(mi);
    ui.shown.deviceName = name;
  }
  LoggerRecording recording() const { return bench.sim->recording(); }
  std::array<uint8_t, 16> loggerName() const { return bench.sim->settings().name; }
};

std::array<uint8_t, 16> nameField(const std::string& bytes) {
  std::array<uint8_t, 16> f{};
  std::memcpy(f.data(), bytes.data(), bytes.size());
  return f;
}

TEST(ReservationSession, ViewFillsTheNameAndTheFirstSampleTime) {
  // Start 09:00, seven samples, 6000 s recorded: the first kept sample is 09:30.
  ReservationRun run(namedLogger("\x89\x4A\x97\xCA\x8C\x76", jst(2026, 6, 1, 9, 0), 7, 6000));
  run.ui.shown.reservedStart = false;
  run.ui.dateEdits = false;
  run.view();
  EXPECT_EQ(run.ui.shown.deviceName, "雨量計");
  EXPECT_TRUE(run.ui.shown.reservedStart) << "the view selects the reserved start";
  EXPECT_EQ(run.ui.shown.start.year, "2026");
  EXPECT_EQ(run.ui.shown.start.month, "06");
  EXPECT_EQ(run.ui.shown.start.day, "01");
  EXPECT_EQ(run.ui.shown.start.hour, "09");
  EXPECT_EQ(run.ui.shown.start.minute, "30");
  EXPECT_TRUE(run.ui.dateEdits);
  EXPECT_TRUE(run.ui.buttons);
  EXPECT_TRUE(run.bench.ui.messages.empty());
  EXPECT_TRUE(run.user.shown.empty());
  EXPECT_EQ(run.bench.sim->counters().romRequests, 1);
  EXPECT_EQ(run.bench.sim->counters().baseDataRequests, 1);
  EXPECT_EQ(run.bench.sim->counters().ignored, 0);
}

TEST(ReservationSession, ViewOfALoggerWithoutStartTimeCountsBackFromThePcClock) {
  // 13:30:00 less 37 s and ten samples: 11:49:23.
  ReservationRun run(namedLogger("GAUGE", 0, 10, 6037), jst(2026, 12, 7, 13, 30, 0));
  run.view();
  EXPECT_EQ(run.ui.shown.deviceName, "GAUGE");
  EXPECT_EQ(run.ui.shown.start.day, "07");
  EXPECT_EQ(run.ui.shown.start.hour, "11");
  EXPECT_EQ(run.ui.shown.start.minute, "49");
}

TEST(ReservationSession, GarbledRomRecordKeepsTheNameButTheDateStillComes) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000));
  LoggerFaults garbled = run.bench.strictFaults();
  garbled.wrongRomChecksum = true;
  run.bench.setFaults(garbled);
  run.ui.shown.deviceName = "OLD";
  run.view();
  EXPECT_EQ(run.bench.ui.messages, (std::vector<std::string>{kTextSendFailed}));
  EXPECT_EQ(run.ui.shown.deviceName, "OLD");
  EXPECT_EQ(run.ui.shown.start.minute, "30");
  EXPECT_TRUE(run.ui.buttons);
}

TEST(ReservationSession, ImmediateStartSendsTheClockAtSendingAndNoDelay) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000), jst(2026, 12, 7, 13, 30, 17));
  run.ui.shown.reservedStart = false;
  run.ui.shown.start.year = "2030";  // ignored, like the rest of the date
  run.ui.shown.start.month = "2";
  run.ui.shown.start.day = "29";
  run.ui.shown.deviceName = "雨量計測装置一号";  // 16 Shift-JIS bytes
  run.user.answers = {MessageAnswer::Yes};
  // The clock moves on while the user reads the question.
  run.user.whileShown = [&](const std::string&) { run.pc.now += 5; };
  run.session.start();
  ASSERT_EQ(run.user.shown.size(), 1u);
  EXPECT_EQ(run.user.shown[0].text, kEraseQuestion);
  EXPECT_EQ(run.user.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(run.user.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(run.bench.sim->counters().startRecords, 1);
  EXPECT_EQ(run.bench.sim->counters().ignored, 0);
  EXPECT_EQ(run.recording().startTime, static_cast<uint32_t>(jst(2026, 12, 7, 13, 30, 22)));
  EXPECT_EQ(run.recording().startDelay, 0u);
  EXPECT_TRUE(run.recording().samples.empty()) << "the old recording is gone";
  EXPECT_EQ(run.loggerName(), nameField("\x89\x4A\x97\xCA\x8C\x76\x91\xAA\x91\x95\x92\x75\x88\xEA\x8D\x86"));
  EXPECT_FALSE(run.session.reservedMode());
  EXPECT_TRUE(run.ui.buttons);
  EXPECT_TRUE(run.ui.orderEdits);
  EXPECT_FALSE(run.ui.dateEdits) << "the immediate start keeps the date edits off";
}

TEST(ReservationSession, ReservedStartOneHourAheadCarriesTheDelayLeftAtSending) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000), jst(2026, 12, 7, 13, 30, 0));
  run.reserve(2026, 12, 7, 14, 30, "");
  run.user.answers = {MessageAnswer::Yes};
  run.user.whileShown = [&](const std::string&) { run.pc.now += 40; };
  run.session.start();
  EXPECT_EQ(run.bench.sim->counters().startRecords, 1);
  EXPECT_EQ(run.recording().startTime, static_cast<uint32_t>(jst(2026, 12, 7, 14, 30)));
  EXPECT_EQ(run.recording().startDelay, 3560u) << "an hour less the 40 s spent at the question";
  EXPECT_EQ(run.pc.lastRead.load(), jst(2026, 12, 7, 13, 30, 40));
  EXPECT_EQ(run.loggerName(), nameField("")) << "an empty name is sixteen zero bytes";
  EXPECT_TRUE(run.session.reservedMode());
  EXPECT_TRUE(run.ui.dateEdits);

  run.user.answers = {MessageAnswer::Yes};
  run.reserve(2028, 2, 29, 0, 0, "ABCDEFGHIJKLMNOP");
  run.session.start();
  EXPECT_EQ(run.bench.sim->counters().startRecords, 2);
  EXPECT_EQ(run.recording().startTime, static_cast<uint32_t>(jst(2028, 2, 29, 0, 0)));
  EXPECT_EQ(run.loggerName(), nameField("ABCDEFGHIJKLMNOP"));
}

TEST(ReservationSession, RefusedDatesAndNamesSendNothing) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000), jst(2026, 12, 7, 13, 30, 1));
  struct Case {
    int y, mo, d, h, mi;
    std::string name;
    const char* message;
  } cases[] = {{2030, 2, 29, 9, 0, "RAIN", kDateMessage},
               {2026, 12, 7, 13, 30, "RAIN", kPastDateMessage},  // the current minute, one second in
               {2026, 12, 7, 13, 29, "RAIN", kPastDateMessage},
               {2027, 1, 1, 0, 0, "ABCDEFGHIJKLMNOPQ", kDeviceNameMessage},
               {2027, 1, 1, 0, 0, "雨量計☃", kDeviceNameMessage}};
  for (const Case& c : cases) {
    run.user.shown.clear();
    run.user.answers = {MessageAnswer::Yes};
    run.reserve(c.y, c.mo, c.d, c.h, c.mi, c.name);
    run.session.start();
    EXPECT_EQ(run.user.texts(), (std::vector<std::string>{c.message})) << c.y << "-" << c.mo << "-" << c.d << " " << c.name;
    EXPECT_TRUE(run.ui.buttons);
    EXPECT_TRUE(run.ui.orderEdits);
  }
  EXPECT_TRUE(run.bench.sim->receivedLog().empty());
  EXPECT_EQ(run.recording().samples.size(), 7u);
}

TEST(ReservationSession, NothingAtAllReachesTheLoggerAfterNo) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000));
  run.ui.shown.reservedStart = false;
  run.ui.shown.deviceName = "RAIN";
  std::chrono::steady_clock::time_point answered;
  size_t receivedAtQuestion = 99;
  run.user.whileShown = [&](const std::string&) {
    receivedAtQuestion = run.bench.sim->received().size();
    answered = std::chrono::steady_clock::now();
  };
  run.user.answers = {MessageAnswer::No};
  run.session.start();
  // Give anything that might still be on its way the time a whole start
  // would take: the connection check's waits and the start record's.
  run.bench.ui.sleep(run.bench.timing.afterLeadIn * 3 + run.bench.timing.afterFrame * 4);
  EXPECT_EQ(receivedAtQuestion, 0u) << "the question comes before anything is sent";
  for (const ReceivedByte& b : run.bench.sim->receivedLog())
    ADD_FAILURE() << "byte " << int(b.value) << " arrived "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(b.at - answered).count()
                  << " ms after No";
  EXPECT_EQ(run.bench.sim->counters().leadIns, 0);
  EXPECT_EQ(run.recording().samples.size(), 7u);
  EXPECT_TRUE(run.session.reservedMode());
  EXPECT_TRUE(run.ui.buttons);
}

TEST(ReservationSession, ATimeThatPassesWhileTheUserWaitsAtTheQuestionIsNotReserved) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000), jst(2026, 12, 7, 13, 30, 0));
  run.reserve(2026, 12, 7, 13, 31);
  run.user.answers = {MessageAnswer::Yes};
  run.user.whileShown = [&](const std::string& text) {
    if (text == kEraseQuestion) run.pc.now += 61;
  };
  run.session.start();
  EXPECT_EQ(run.user.texts(), (std::vector<std::string>{kEraseQuestion, kPastDateMessage}));
  EXPECT_EQ(run.bench.sim->counters().startRecords, 0);
  EXPECT_TRUE(run.bench.sim->receivedLog().empty()) << "found out before the connection check";
  EXPECT_EQ(run.recording().samples.size(), 7u);
  EXPECT_TRUE(run.ui.buttons);
}

TEST(ReservationSession, AfterAnImmediateStartAViewLeavesTheDateEditsOff) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000));
  run.ui.shown.reservedStart = false;
  run.user.answers = {MessageAnswer::Yes};
  run.session.start();
  ASSERT_FALSE(run.session.reservedMode());
  run.ui.dateEdits = false;
  run.view();
  EXPECT_TRUE(run.ui.shown.reservedStart);
  EXPECT_FALSE(run.ui.dateEdits);
}

TEST(ReservationSession, OkRightAfterAViewWaitsForItsWorkerToLetGoOfThePort) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000));
  run.session.view();  // returns with the buttons back and the base data still to read
  ASSERT_TRUE(run.ui.buttons);
  run.ui.shown.reservedStart = false;
  run.user.answers = {MessageAnswer::Yes};
  run.session.start();
  EXPECT_EQ(run.user.texts(), (std::vector<std::string>{kEraseQuestion}));
  EXPECT_EQ(run.ui.shown.start.minute, "30") << "the view finished";
  EXPECT_EQ(run.bench.sim->counters().startRecords, 1);
  EXPECT_TRUE(run.bench.ui.messages.empty());
}

TEST(ReservationSession, ClosingOrARefusedStartRightAfterAViewLeavesThePortFree) {
  ReservationRun run(namedLogger("GAUGE", jst(2026, 6, 1, 9, 0), 7, 6000));
  run.session.view();
  // OK at once: the start waits for the view, whose first sample (June)
  // lies in the past, so the start is refused, which tells the worker to quit.
  run.session.start();
  EXPECT_EQ(run.user.texts(), (std::vector<std::string>{kPastDateMessage}));
  run.session.view();
  run.session.close();  // while the view's worker is still at work
  TKHandle h = TKOpenComm(1, TK_BUFFER_SIZE, TK_BUFFER_SIZE);
  EXPECT_NE(h, 0) << "no port left open behind the dialog";
  TKCloseComm(&h);
  EXPECT_EQ(run.bench.link->portHandle.load(), 0);
}

}  // namespace

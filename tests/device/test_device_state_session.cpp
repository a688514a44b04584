// The device-state dialog's exchanges end to end: through TKCom1 and the
// worker against a strict simulated logger on a fast clock. What the logger
// holds is read into the dialog, what the dialog holds is written as six
// frames, and bad input or a bad reply changes nothing on the logger.
#include "CommandFrames.h"
#include "DeviceBench.h"
#include "DeviceStateSession.h"
#include "DeviceTexts.h"
#include "SettingFakes.h"

#include <gtest/gtest.h>

#include <thread>

using namespace device;

namespace {

LoggerDevice loggerHolding(uint16_t display, uint16_t buzzer = 1) {
  LoggerSettings s;
  s.displayMask = display;
  s.buzzer = buzzer;
  s.thresholdHour = 2;       // 1 mm
  s.thresholdDay = 19998;    // 9999 mm
  s.thresholdStart = 1;      // off
  s.resetHours = 300;
  return LoggerDevice(s, {});
}

struct DeviceStateRun {
  DeviceBench bench;
  FakeDeviceStateUi ui;
  AnsweringUser user;
  DeviceStateSession session{*bench.link, user, 1, ui};

  explicit DeviceStateRun(const LoggerDevice& logger) { bench.startLogger(logger); }

  // Runs the view until its worker has ended and its last posted work ran.
  void view() {
    session.view();
    bench.ui.until([&] { return !bench.link->workerRunning(); });
    bench.link->joinWorkers();
    bench.ui.drain();
  }
  std::vector<uint8_t> received() const { return bench.sim->received(); }
};

std::vector<uint8_t> checkThen(std::initializer_list<CommandFrame> frames) {
  std::vector<uint8_t> bytes{kLeadInByte};
  const CommandFrame probe = probeFrame();
  bytes.insert(bytes.end(), probe.begin(), probe.end());
  bytes.push_back(kLeadInByte);
  for (const CommandFrame& f : frames) bytes.insert(bytes.end(), f.begin(), f.end());
  return bytes;
}

TEST(DeviceStateSession, ViewFillsTheDialogFromTheRawDisplayWord) {
  struct Case {
    uint16_t word;
    DisplayBoxes boxes;
  } cases[] = {{0, {true, true, true}}, {5, {true, false, true}}, {7, {false, true, false}}};
  for (const Case& c : cases) {
    DeviceStateRun run(loggerHolding(c.word));
    run.ui.shown.boxes = {false, true, false};
    run.ui.shown.buzzerOn = false;
    run.view();
    EXPECT_EQ(run.ui.shown.boxes, c.boxes) << "word " << c.word;
    EXPECT_TRUE(run.ui.shown.buzzerOn);
    EXPECT_EQ(run.ui.shown.hourText, "1");
    EXPECT_EQ(run.ui.shown.dayText, "9999");
    EXPECT_EQ(run.ui.shown.startText, "OFF");
    EXPECT_EQ(run.ui.shown.resetText, "300");
    EXPECT_TRUE(run.ui.buttons);
    EXPECT_TRUE(run.user.shown.empty());
    EXPECT_TRUE(run.bench.ui.messages.empty());
    EXPECT_EQ(run.bench.sim->counters().ignored, 0) << "every wait kept";
    EXPECT_EQ(run.received(), checkThen({romRequestFrame()}));
  }
}

TEST(DeviceStateSession, OkAfterReadingWordZeroWritesTheSixFramesInOrder) {
  DeviceStateRun run(loggerHolding(0, 0));
  run.view();
  run.bench.sim->clearReceived();
  run.ui.shown.buzzerOn = true;
  run.ui.shown.hourText = "OFF";
  run.ui.shown.dayText = "1";
  run.ui.shown.startText = "9999";
  run.ui.shown.resetText = "0";
  run.session.write();
  EXPECT_TRUE(run.user.shown.empty());
  EXPECT_EQ(run.received(), checkThen({commandFrame(0x43, 1), commandFrame(0x44, 7), commandFrame(0x45, 0, 0),
                                       commandFrame(0x40, 0, 0), commandFrame(0x41, 2, 0),
                                       commandFrame(0x42, 0x1E, 0x4E)}));
  const LoggerSettings s = run.bench.sim->settings();
  EXPECT_EQ(s.buzzer, 1);
  EXPECT_EQ(s.displayMask, 7);
  EXPECT_EQ(s.resetHours, 0);
  EXPECT_EQ(s.thresholdHour, 0);
  EXPECT_EQ(s.thresholdDay, 2);
  EXPECT_EQ(s.thresholdStart, 19998);
  EXPECT_EQ(run.bench.sim->counters().settingFrames, 6);
  EXPECT_EQ(run.bench.sim->counters().ignored, 0);
  EXPECT_TRUE(run.ui.buttons);
  EXPECT_TRUE(run.ui.edits);
  EXPECT_EQ(run.ui.focusMoves, 2) << "after the view and after the write";

  // And reading it back shows what was written.
  run.ui.shown = DeviceStateForm{};
  run.view();
  EXPECT_EQ(run.ui.shown.hourText, "OFF");
  EXPECT_EQ(run.ui.shown.dayText, "1");
  EXPECT_EQ(run.ui.shown.startText, "9999");
  EXPECT_EQ(run.ui.shown.resetText, "0");
  // Word 7 leaves the boxes as they were.
  EXPECT_EQ(run.ui.shown.boxes, (DisplayBoxes{false, false, false}));
}

TEST(DeviceStateSession, RefusedValuesSendNothingAtAll) {
  DeviceStateRun run(loggerHolding(3));
  struct Case {
    const char* reset;
    const char* hour;
    const char* message;
  } cases[] = {{"10000", "1", kResetValueMessage}, {"", "1", kResetValueMessage}, {"6", "-1", kThresholdMessage},
               {"6", "99999999999", kThresholdMessage}, {"-1", "1", kResetValueMessage}};
  for (const Case& c : cases) {
    run.user.shown.clear();
    run.ui.shown.resetText = c.reset;
    run.ui.shown.hourText = c.hour;
    run.session.write();
    ASSERT_EQ(run.user.shown.size(), 1u) << c.reset << " " << c.hour;
    EXPECT_EQ(run.user.shown[0].text, c.message);
    EXPECT_EQ(run.user.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(run.ui.buttons);
    EXPECT_TRUE(run.ui.edits);
  }
  EXPECT_TRUE(run.received().empty());
  EXPECT_EQ(run.bench.sim->settings().displayMask, 3);

  // 12.5 mm is taken as 12 and sent as 24 half-millimetres.
  run.ui.shown.resetText = "6";
  run.ui.shown.hourText = "12.5";
  run.session.write();
  EXPECT_EQ(run.bench.sim->settings().thresholdHour, 24);
}

TEST(DeviceStateSession, GarbledOrShortRomRecordLeavesTheDialogAsItWas) {
  DeviceStateRun run(loggerHolding(0));
  LoggerFaults garbled = run.bench.strictFaults();
  garbled.wrongRomChecksum = true;
  run.bench.setFaults(garbled);
  const DeviceStateForm before = run.ui.shown;
  run.view();
  EXPECT_EQ(run.ui.shown, before) << "nothing of a record that fails its checksum";
  // The same message as the reservation dialog's view for the same record.
  EXPECT_EQ(run.bench.ui.messages, (std::vector<std::string>{kTextSendFailed}));
  EXPECT_TRUE(run.ui.buttons);

  LoggerFaults shortRom = run.bench.strictFaults();
  shortRom.shortRom = 40;
  run.bench.setFaults(shortRom);
  run.bench.ui.messages.clear();
  run.view();
  EXPECT_EQ(run.ui.shown, before);
  EXPECT_EQ(run.bench.ui.messages, (std::vector<std::string>{kTextSendFailed}));
  EXPECT_TRUE(run.ui.buttons);
}

TEST(DeviceStateSession, NoLoggerMeansNoFrames) {
  DeviceStateRun run(loggerHolding(0));
  LoggerFaults silent = run.bench.strictFaults();
  silent.noAnswer = true;
  run.bench.setFaults(silent);
  run.session.write();
  EXPECT_EQ(run.user.texts(), (std::vector<std::string>{kTextCommFailed}));
  std::vector<uint8_t> probeOnly = checkThen({});
  probeOnly.pop_back();
  EXPECT_EQ(run.received(), probeOnly) << "the probe, nothing after it";
  EXPECT_EQ(run.bench.sim->counters().settingFrames, 0);
  EXPECT_TRUE(run.ui.buttons);
}

TEST(DeviceStateSession, EditsAreFrozenFromTheCheckToTheLastFrame) {
  DeviceStateRun run(loggerHolding(0));
  run.ui.shown.resetText = "24";
  // A user who types into the reset field while the write waits on the
  // logger: only an enabled field takes the text.
  bool typedWhileWriting = false;
  run.bench.ui.post([&] {
    if (run.ui.edits) {
      run.ui.shown.resetText = "-7";
      typedWhileWriting = true;
    }
  });
  run.session.write();
  EXPECT_FALSE(typedWhileWriting) << "the edits were frozen";
  EXPECT_EQ(run.bench.sim->settings().resetHours, 24);
  EXPECT_TRUE(run.ui.edits) << "and thawed again";
}

}  // namespace

namespace {

TEST(DeviceStateSession, WorkQueuedForADialogThatHasGoneDoesNothing) {
  DeviceBench bench;
  bench.startLogger(loggerHolding(5));
  FakeDeviceStateUi ui;
  AnsweringUser user;
  auto session = std::make_unique<DeviceStateSession>(*bench.link, user, 1, ui);
  session->view();
  // The worker fills the dialog, then finishes and queues its last word to
  // it...
  bench.ui.until([&] { return ui.shown.boxes.fromStart; });
  while (bench.link->workerRunning()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  // ...which closes before the queue runs.
  ui.buttons = false;
  session.reset();
  bench.ui.drain();
  EXPECT_FALSE(ui.buttons);
  EXPECT_EQ(ui.focusMoves, 0);
}

TEST(DeviceStateSession, ALineLostMidWriteStopsTheRemainingFrames) {
  DeviceStateRun run(loggerHolding(0, 0));
  LoggerFaults drop = run.bench.strictFaults();
  drop.hangUpOnCommand = kCmdDisplay;  // the line goes once the display frame is in
  run.bench.setFaults(drop);
  run.ui.shown.boxes = {true, false, false};
  run.ui.shown.resetText = "48";
  run.ui.shown.hourText = "7";
  run.session.write();
  EXPECT_EQ(run.user.texts(), (std::vector<std::string>{kTextSendFailed}));
  const LoggerSettings s = run.bench.sim->settings();
  EXPECT_EQ(s.buzzer, 1) << "sent before the line went";
  EXPECT_EQ(s.displayMask, 1);
  EXPECT_EQ(s.resetHours, 300) << "nothing after it";
  EXPECT_EQ(s.thresholdHour, 2);
  EXPECT_EQ(run.bench.sim->counters().settingFrames, 2);
  EXPECT_TRUE(run.ui.buttons);
  EXPECT_TRUE(run.ui.edits);
  EXPECT_EQ(run.ui.focusMoves, 0) << "the focus moves only after the last frame";
}

}  // namespace

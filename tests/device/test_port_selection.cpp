// The port dialog's logic against simulated loggers: OK keeps a port only
// when the logger answers there, detection walks the ports that open, and
// the stored port changes only on success.
#include "DeviceBench.h"
#include "DeviceTexts.h"
#include "PortSelection.h"
#include "PortTexts.h"
#include "ScriptedMessages.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace device;

namespace {

class PortDialog : public ::testing::Test {
 protected:
  PortDialog() : selection(*bench.link, messages, selected, {[this] { return stored; }, [this](int p) { stored = p; }}) {}
  // COMn of the ports folder leads nowhere: the port does not open.
  void missing(int port) {
    std::filesystem::create_symlink("/nonexistent/tty", bench.dir.file("COM" + std::to_string(port)));
  }
  // A logger that takes everything and answers nothing on COMn.
  std::unique_ptr<LoggerSimulator> silent(int port) {
    SimulatorOptions options;
    options.portsDir = bench.dir.path().string();
    options.port = port;
    LoggerDevice d;
    LoggerFaults f;
    f.noAnswer = true;
    d.setFaults(f);
    auto sim = std::make_unique<LoggerSimulator>(d, options);
    sim->start();
    return sim;
  }
  std::vector<std::string> texts() const {
    std::vector<std::string> t;
    for (const auto& m : messages.shown) t.push_back(m.text);
    return t;
  }

  DeviceBench bench;
  ScriptedMessages messages;
  int selected = 0;
  int stored = 1;
  PortSelection selection;
};

TEST_F(PortDialog, OpensOnTheStoredPortAndKeepsAPortOnlyWhenTheLoggerAnswers) {
  stored = 4;
  EXPECT_EQ(selection.onInit(), 3);
  EXPECT_EQ(selected, 4);
  bench.startLogger(loggerWith(10), 2);
  missing(5);
  EXPECT_FALSE(selection.onOk(4)) << "COM5 does not open";
  EXPECT_EQ(texts(), std::vector<std::string>{kTextCommFailed});
  EXPECT_EQ(selected, 5) << "the tried port stays selected for this run";
  EXPECT_EQ(stored, 4) << "but is not stored";
  messages.shown.clear();
  EXPECT_TRUE(selection.onOk(1));
  EXPECT_EQ(stored, 2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "ﾎﾟｰﾄCOM2に接続しました。");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(PortDialog, DetectionFindsTheLoggerOnCom3AfterTwoFreePorts) {
  auto com1 = silent(1);
  auto com2 = silent(2);
  bench.startLogger(loggerWith(10), 3, false);
  for (int p = 4; p <= kPortCount; ++p) missing(p);
  selected = 7;
  messages.answerNext(MessageAnswer::Yes);
  EXPECT_TRUE(selection.onDetect());
  EXPECT_EQ(selection.listText(), std::string(kTextPortListStart) + " COM1 COM2 COM3");
  EXPECT_EQ(stored, 3);
  EXPECT_EQ(selected, 3);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.shown[1].text, withNumber(kTextLoggerFound, 3));
  EXPECT_EQ(com1->counters().probes, 1);
  EXPECT_EQ(com2->counters().probes, 1);
}

TEST_F(PortDialog, DetectionWithoutAnyPortThatOpensRestoresTheSelectionAndSaysSo) {
  for (int p = 1; p <= kPortCount; ++p) missing(p);
  selected = 6;
  messages.answerNext(MessageAnswer::Yes);
  EXPECT_FALSE(selection.onDetect());
  EXPECT_EQ(selected, 6);
  EXPECT_EQ(stored, 1);
  EXPECT_EQ(texts(), (std::vector<std::string>{kTextDetectQuestion, kTextLoggerNotFound,
                                               std::string(kTextPortListStart) + kTextNoPortList}));
  EXPECT_EQ(bench.link->workersStarted(), 0);
}

TEST_F(PortDialog, DetectionAnsweredNoTouchesNoPort) {
  bench.startLogger(loggerWith(10), 1);
  messages.answerNext(MessageAnswer::No);
  EXPECT_FALSE(selection.onDetect());
  EXPECT_TRUE(bench.sim->received().empty());
  EXPECT_EQ(messages.shown.size(), 1u);
}

}  // namespace

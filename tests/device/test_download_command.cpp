// The download command around the dialog: pending record-condition changes
// are offered for saving first and never carried into the new file, and
// only a download that ended with a new file reloads the document.
#include "CHyetoscopeDoc.h"
#include "DownloadBench.h"
#include "DownloadCommand.h"
#include "ScriptedMessages.h"
#include "TestRecordings.h"

#include <gtest/gtest.h>

using namespace device;

namespace {

struct ViewCalls : DocumentViews {
  void updateAllViews() override { calls.push_back("update"); }
  void postIntervalCommand(IntervalMode) override { calls.push_back("postInterval"); }
  void clearRememberedWindows() override {}
  void resetWindowAndHistory() override { calls.push_back("resetWindow"); }
  void showData() override { calls.push_back("showData"); }
  void showNoData() override {}
  void postCloseDataList() override { calls.push_back("postCloseDataList"); }
  std::vector<std::string> calls;
};

class DownloadCommand : public ::testing::Test {
 protected:
  DownloadCommand() : doc(d.state, messages) { doc.setViews(&views); }
  // The dialog as the user drives it: start, then wait until it ended.
  std::function<bool()> startAndWait() {
    return [this] {
      d.runToEnd();
      d.bench.link->joinWorkers();
      d.bench.ui.drain();
      return d.op->started();
    };
  }
  DownloadBench d;
  ScriptedMessages messages;
  ViewCalls views;
  CHyetoscopeDoc doc;
};

TEST_F(DownloadCommand, ASuccessfulDownloadReloadsTheNewFileAfterPendingChangesWereOffered) {
  // A recording with unsaved record-condition changes is shown.
  const std::string shown = d.dataDir + "/shown.hyy";
  ASSERT_TRUE(writeTestRecording(shown, std::vector<uint16_t>(30, 2)));
  ASSERT_TRUE(doc.onOpenDocument(shown));
  d.state.dataModified = 1;
  d.state.pendingStartTime = 1600000800;
  d.state.setPendingName("RENAMED");
  messages.answerNext(MessageAnswer::Yes);
  d.bench.startLogger(loggerWith(300));
  views.calls.clear();
  ASSERT_TRUE(runDownloadCommand(doc, &views, *d.bench.link, startAndWait()));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find(shown), std::string::npos) << "the prompt names the file the changes belong to";
  EXPECT_EQ(storedName(shown), "RENAMED") << "Yes wrote them into that file";
  EXPECT_EQ(d.state.dataModified, 0);
  EXPECT_EQ(storedName(d.target), "GAUGE-7") << "and nothing of them went into the new one";
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(doc.recording().sampleCount(), 300);
  EXPECT_EQ(doc.title(), d.target);
  EXPECT_EQ(views.calls.front(), "postCloseDataList");
}

TEST_F(DownloadCommand, CancelAtThePromptRunsNoDialog) {
  const std::string shown = d.dataDir + "/shown.hyy";
  ASSERT_TRUE(writeTestRecording(shown, std::vector<uint16_t>(30, 2)));
  ASSERT_TRUE(doc.onOpenDocument(shown));
  d.state.dataModified = 1;
  messages.answerNext(MessageAnswer::Cancel);
  bool ran = false;
  EXPECT_FALSE(runDownloadCommand(doc, &views, *d.bench.link, [&] { return ran = true; }));
  EXPECT_FALSE(ran);
  EXPECT_EQ(d.state.dataModified, 1) << "the changes are still pending";
}

TEST_F(DownloadCommand, AFailedDownloadNeverReloadsAnOlderFileAtTheChosenPath) {
  writeOldFile(d.target, 12);
  d.bench.startLogger(loggerWith(300));
  LoggerFaults faults = d.bench.strictFaults();
  faults.shortBaseData = 5;
  d.bench.setFaults(faults);
  EXPECT_FALSE(runDownloadCommand(doc, &views, *d.bench.link, startAndWait()));
  EXPECT_EQ(doc.loadedFlag, 0) << "the older file is not presented as downloaded";
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DownloadCommand, AnUntouchedDialogReloadsNothing) {
  writeOldFile(d.target, 12);
  d.state.currentDataPath = d.target;
  EXPECT_FALSE(runDownloadCommand(doc, &views, *d.bench.link, [this] {
    d.op->onClose();
    return d.op->started();
  }));
  EXPECT_EQ(doc.loadedFlag, 0);
}

}  // namespace

// Pending record-condition changes: the prompt, who may cancel, and that
// the changes of one file only ever go into that file.
#include "DocFixture.h"

#include <filesystem>

class SaveChanges : public DocFixture {
 protected:
  void SetUp() override {
    first = dir.file("first.hyy");
    second = dir.file("second.hyy");
    ASSERT_TRUE(writeTestRecording(first, std::vector<uint16_t>(400, 1), kJune2024, 600, "FIRST"));
    ASSERT_TRUE(writeTestRecording(second, std::vector<uint16_t>(400, 2), kJune2024, 600, "SECOND"));
    openByMenu(first);
    // A confirmed record-condition change waiting to be written.
    state.dataModified = 1;
    state.pendingStartTime = kJune2024 + 3600;
    state.setPendingName("RENAMED");
    messages.shown.clear();
  }
  std::string first;
  std::string second;
};

TEST_F(SaveChanges, PromptNamesTheCurrentFileWithYesNoCancel) {
  messages.answerNext(MessageAnswer::No);
  EXPECT_TRUE(doc.saveChangesPrompt(PromptCaller::MainFrameClose));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, first + " の変更を保存しますか。");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(storedName(first), "FIRST");
}

TEST_F(SaveChanges, NoPromptWithoutPendingChanges) {
  state.dataModified = 0;
  EXPECT_TRUE(doc.saveChangesPrompt(PromptCaller::OpenCommand));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveChanges, CancelInTheOpenCommandKeepsRecordingAndChanges) {
  messages.answerNext(MessageAnswer::Cancel);
  chooserAnswer = second;
  const int callsBefore = chooserCalls;
  doc.onOpenRecording();
  EXPECT_EQ(chooserCalls, callsBefore) << "no file is asked for";
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_EQ(state.currentDataPath, first);
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_EQ(storedName(first), "FIRST");
}

TEST_F(SaveChanges, CancelInTheCloseCommandClosesWithoutWriting) {
  messages.answerNext(MessageAnswer::Cancel);
  doc.onCloseRecording();
  EXPECT_EQ(doc.loadedFlag, 0);
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(doc.title(), "Untitled");
  EXPECT_EQ(storedName(first), "FIRST");
}

TEST_F(SaveChanges, CancelInTheMainFrameCloseStopsIt) {
  messages.answerNext(MessageAnswer::Cancel);
  EXPECT_FALSE(doc.saveChangesPrompt(PromptCaller::MainFrameClose));
  EXPECT_EQ(state.dataModified, 1);
}

TEST_F(SaveChanges, YesWritesTheCurrentFileBeforeTheNextOneOpens) {
  messages.answerNext(MessageAnswer::Yes);
  openByMenu(second);
  EXPECT_EQ(storedName(first), "RENAMED");
  EXPECT_EQ(storedName(second), "SECOND");
  EXPECT_EQ(state.currentDataPath, second);
  EXPECT_EQ(state.dataModified, 0);
}

TEST_F(SaveChanges, OpenPathSettlesTheOldFilesChangesIntoTheOldFileOnly) {
  messages.answerNext(MessageAnswer::Yes);
  ASSERT_TRUE(doc.onOpenDocument(second));
  EXPECT_EQ(storedName(first), "RENAMED");
  EXPECT_EQ(storedName(second), "SECOND");
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(state.currentDataPath, second);
}

TEST_F(SaveChanges, OpenPathCancelKeepsEverything) {
  messages.answerNext(MessageAnswer::Cancel);
  EXPECT_FALSE(doc.onOpenDocument(second));
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_EQ(state.currentDataPath, first);
  EXPECT_EQ(storedName(second), "SECOND");
}

TEST_F(SaveChanges, FailedLoadAfterNoLeavesNothingPendingForTheWrongFile) {
  messages.answerNext(MessageAnswer::No);
  EXPECT_FALSE(doc.onOpenDocument(dir.file("absent.hyy")));
  EXPECT_EQ(state.dataModified, 0);
  EXPECT_EQ(state.currentDataPath, first);
  EXPECT_EQ(storedName(first), "FIRST");
}

TEST_F(SaveChanges, FailedWriteKeepsTheChangesAndStopsEvenTheClose) {
  std::filesystem::remove(first);  // the file went away under the program
  messages.answerNext(MessageAnswer::Yes);
  doc.onCloseRecording();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_NE(messages.shown[1].text.find(first), std::string::npos);
  EXPECT_EQ(state.dataModified, 1);
  EXPECT_EQ(doc.loadedFlag, 1);
  EXPECT_FALSE(std::filesystem::exists(first)) << "nothing is created in its place";
}

#pragma once
// A document with a recording view stand-in, scripted messages and a
// scripted file chooser, on a fresh RecordingState.

#include "CHyetoscopeDoc.h"
#include "CLogstore1App.h"
#include "RememberedSpans.h"
#include "RecordingState.h"
#include "ScriptedMessages.h"
#include "TempDir.h"
#include "TestRecordings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

class RecordingViews : public DocumentViews {
 public:
  void updateAllViews() override { calls.push_back("update"); }
  void postIntervalCommand(IntervalMode mode) override {
    calls.push_back("postInterval");
    posted = mode;
  }
  void clearRememberedWindows() override { calls.push_back("clearRemembered"); }
  void resetWindowAndHistory() override { calls.push_back("resetWindow"); }
  void showData() override { calls.push_back("showData"); }
  void showNoData() override { calls.push_back("showNoData"); }
  void postCloseDataList() override { calls.push_back("postCloseDataList"); }

  std::vector<std::string> calls;
  std::optional<IntervalMode> posted;
};

class DocFixture : public ::testing::Test {
 protected:
  DocFixture() : doc(state, messages) {
    doc.setViews(&views);
    logstore::CLogstore1App::SetFileChooser([this](logstore::ChooserPurpose) {
      ++chooserCalls;
      return chooserAnswer;
    });
  }
  ~DocFixture() override { logstore::CLogstore1App::SetFileChooser(nullptr); }

  std::string sample(const char* name) const { return std::string(HY_SAMPLES_DIR) + "/" + name; }
  // The open command followed by the interval command it queued.
  void openByMenu(const std::string& path) {
    chooserAnswer = path;
    doc.onOpenRecording();
    if (views.posted) {
      windows.switchTo(doc, state, *views.posted);
      views.posted.reset();
    }
  }

  RecordingState state;
  ScriptedMessages messages;
  RecordingViews views;
  CHyetoscopeDoc doc;
  RememberedSpans windows;
  TempDir dir;
  std::string chooserAnswer;
  int chooserCalls = 0;
};

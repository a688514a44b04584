#pragma once
// A download dialog without widgets: a DownloadOperation on a DeviceBench,
// a view that records what the dialog would show, a scripted file choice,
// and a data folder holding an older file at the chosen path.

#include "DeviceBench.h"
#include "DownloadOperation.h"
#include "RecordingState.h"

#include <string>
#include <vector>

struct RecordingDownloadUi : device::DownloadDialogUi {
  void setButtons(bool start, bool cancel, bool close) override {
    startEnabled = start;
    cancelEnabled = cancel;
    closeEnabled = close;
  }
  void setStatus(const std::string& text) override { status = text; }
  void setProgress(int position) override { progress.push_back(position); }
  void showNormal() override { ++shown; }
  void endDialog() override { ++ended; }

  bool startEnabled = false, cancelEnabled = false, closeEnabled = false;
  std::string status;
  std::vector<int> progress;
  int shown = 0;
  int ended = 0;
};

struct DownloadBench {
  explicit DownloadBench(double factor = 0.2);
  ~DownloadBench();

  // Start, then run the user-interface loop until the dialog ended.
  void runToEnd();
  // The bytes of the older file at the chosen path.
  std::string oldFileBytes() const;
  // Every entry of the data folder, by name.
  std::vector<std::string> dataFolder() const;

  DeviceBench bench;
  RecordingState state;
  RecordingDownloadUi view;
  std::string dataDir;
  std::string target;   // the chosen file
  std::string textPath;
  int closeRecordingPosted = 0;
  int64_t now = 1700100000;
  std::unique_ptr<device::DownloadOperation> op;
};

// A test recording file of n samples at path (the older file).
void writeOldFile(const std::string& path, int n);

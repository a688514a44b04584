#pragma once
// PrintJobHold: what a print job holds from its begin step to its end step.
// While it lives, the pending record-condition changes read as none (so the
// job and everything it calls behave as if nothing were modified) and the
// program knows a job is running; when it goes - after the pages, after a
// cancel, a failure or a closed preview alike - the pending state is put back
// exactly as it was.

struct RecordingState;

class PrintJobHold {
 public:
  explicit PrintJobHold(RecordingState& state);
  ~PrintJobHold();
  PrintJobHold(const PrintJobHold&) = delete;
  PrintJobHold& operator=(const PrintJobHold&) = delete;

  // True while any job holds; the main window does not close then.
  static bool jobRunning();

 private:
  RecordingState& m_state;
  int m_savedModified;
};

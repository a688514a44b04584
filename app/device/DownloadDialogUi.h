#pragma once
// DownloadDialogUi: what the download changes in its dialog - the interface
// the window's download dialog implements (and the tool's progress line on
// standard error). Every call comes on the user-interface thread (a worker
// queues its changes through WorkerUi), and the dialog ignores calls once it
// is gone.

#include <string>

namespace device {

class DownloadDialogUi {
 public:
  virtual ~DownloadDialogUi() = default;
  virtual void setButtons(bool startEnabled, bool cancelEnabled, bool closeEnabled) = 0;
  virtual void setStatus(const std::string& text) = 0;
  // 0..1000; the bar is repainted at once.
  virtual void setProgress(int position) = 0;
  // Brings the dialog up (normal show).
  virtual void showNormal() = 0;
  // Ends the modal dialog (as its close button does).
  virtual void endDialog() = 0;
};

}  // namespace device

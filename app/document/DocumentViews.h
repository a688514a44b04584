#pragma once
// DocumentViews: what the document asks of the view while a recording
// enters or leaves. The document never touches a widget; the view implements
// this interface, tests implement it with a recorder.

#include "IntervalMode.h"

class DocumentViews {
 public:
  virtual ~DocumentViews() = default;
  // Redraw everything from the document's state (update hint 0).
  virtual void updateAllViews() = 0;
  // Queue an interval command; it runs after the current handler returns.
  virtual void postIntervalCommand(IntervalMode mode) = 0;
  // Forget the remembered window of every interval mode.
  virtual void clearRememberedWindows() = 0;
  // The whole series becomes the window and the zoom history starts anew.
  virtual void resetWindowAndHistory() = 0;
  // Lay out, refresh the header texts and mark the view as showing data.
  virtual void showData() = 0;
  // Empty the fields and the statistics row and mark the view as empty.
  virtual void showNoData() = 0;
  // Queue the message that destroys the data list window.
  virtual void postCloseDataList() = 0;
};

#pragma once
// The download command: offers pending record-condition changes for saving
// (a download replaces the recording they belong to), closes the data
// list, runs the download dialog and reloads the document from the new
// file when a download was started. The dialog is supplied by the caller
// (a modal Qt dialog in the program, a script in tests).

#include "CHyetoscopeDoc.h"
#include "DeviceLink.h"

#include <functional>

namespace device {

// runDialog shows the dialog modally and returns whether a download was
// started in it. Returns whether the document was reloaded.
bool runDownloadCommand(CHyetoscopeDoc& doc, DocumentViews* views, DeviceLink& link,
                        const std::function<bool()>& runDialog);

}  // namespace device

#include "DownloadCommand.h"

namespace device {

bool runDownloadCommand(CHyetoscopeDoc& doc, DocumentViews* views, DeviceLink& link,
                        const std::function<bool()>& runDialog) {
  if (!doc.saveChangesPrompt(PromptCaller::OpenCommand)) return false;
  if (views) views->postCloseDataList();
  if (!runDialog()) return false;
  return doc.reloadAfterDownload(link.noDataFlag.load());
}

}  // namespace device

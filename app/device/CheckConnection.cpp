#include "CheckConnection.h"

#include "CommandFrames.h"
#include "Replies.h"

namespace device {

void registerProbeRequest(DeviceLink& link) {
  WorkerRequest probe;
  probe.serve = [](WorkerContext& w) {
    const bool valid = w.readReply(kProbeReplySize) && isValidProbeReply(w.replyBuffer());
    // The port is closed before anyone hears it is free.
    w.closePort();
    if (valid) {
      w.events().reply.set();
      w.finish();
    }
    w.sleep(w.link().timing().afterReplyHandled);
  };
  // The worker clears the pending request before its follow-up, as after
  // every request, so a later worker never serves this probe again.
  link.registerRequest(kRequestProbe, probe);
}

int CheckConnection(DeviceLink& link, int port) {
  const DeviceTiming& timing = link.timing();
  registerProbeRequest(link);
  link.eventsCreated.store(1);
  TKHandle handle = TKOpenComm(static_cast<uint16_t>(port), TK_BUFFER_SIZE, TK_BUFFER_SIZE);
  if (handle == 0) return 0;
  link.portHandle.store(handle);
  link.startWorkerIfNone();
  const uint8_t leadIn = kLeadInByte;
  TKPutROM(handle, &leadIn, 1);
  link.uiWait().sleep(timing.afterLeadIn);
  const CommandFrame probe = probeFrame();
  for (int attempt = 0; attempt < attemptsFor(DeviceOperation::ConnectionCheck, kCmdProbe); ++attempt) {
    const bool sent = TKPutROM(handle, probe.data(), static_cast<int>(probe.size())) == 1;
    link.uiWait().sleep(timing.afterFrame);
    if (sent) break;
  }
  link.handRequest(kRequestProbe, handle);
  link.uiWait().sleep(timing.afterFrame);
  const int foundAt = link.waitForReply();
  link.tellWorkerToQuit();
  // A worker still reading holds the port; a caller that opened it again
  // now would find it locked.
  link.waitForPortReleased();
  return foundAt == 1 ? 1 : 0;
}

}  // namespace device

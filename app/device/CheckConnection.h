#pragma once
// CheckConnection: is the logger there? Opens the port, wakes the logger
// with the lead-in byte, sends the probe frame and has a worker read the
// probe reply (request 0x30). The logger must answer within the first wait
// after the request was handed over (afterFrame); a later answer only ends
// the reply tests early and still counts as no answer.
//
// Runs on the user-interface thread and waits through the link's UiWait.
// Leaves no port open and returns only once the worker has closed it, so the
// caller may open the port again at once. Reports nothing to the user: the
// caller shows "通信に失敗しました。" (or, when detecting, tries the next port).

#include "DeviceLink.h"

namespace device {

constexpr uint8_t kRequestProbe = 0x30;

// Registers request 0x30 on the link (done by CheckConnection itself; call
// it earlier to let a worker started elsewhere serve a probe).
void registerProbeRequest(DeviceLink& link);

// 1 when the logger answered the probe on COM<port> in time, else 0.
int CheckConnection(DeviceLink& link, int port);

}  // namespace device

#pragma once
// Helpers shared by the port exports: turning a handle into a descriptor
// that really is an open terminal, and the fixed time-outs of every read and
// write. The exports themselves are declared in TKCom1.h.

#include "TKCom1.h"

#include <chrono>

namespace tkcom {

constexpr std::chrono::milliseconds kReadTimeout{10000};
// kReadTimeout, or the milliseconds in $TKCOM_READ_TIMEOUT_MS when that is a
// positive number (read once, at the first read): test benches that play an
// absent logger set it to wait less than 10 s.
std::chrono::milliseconds readTimeout();
constexpr std::chrono::milliseconds kWriteTimeout{10000};
constexpr int kQueueRoom = 4096;  // what the writer's wait measures against

// The descriptor behind a handle, or -1 when the handle is 0, out of range or
// not an open terminal (a stale handle must never reach another file).
int portDescriptor(TKHandle handle);

}  // namespace tkcom

#pragma once
// Helpers shared by the port exports: turning a handle into a descriptor
// that really is an open terminal, and the fixed time-outs of every read and
// write. The exports themselves are declared in TKCom1.h.

#include "TKCom1.h"

#include <chrono>

namespace tkcom {

constexpr std::chrono::milliseconds kReadTimeout{10000};
constexpr std::chrono::milliseconds kWriteTimeout{10000};
constexpr int kQueueRoom = 4096;  // what the writer's wait measures against

// The descriptor behind a handle, or -1 when the handle is 0, out of range or
// not an open terminal (a stale handle must never reach another file).
int portDescriptor(TKHandle handle);

}  // namespace tkcom

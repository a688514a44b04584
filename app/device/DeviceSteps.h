#pragma once
// The steps every command-writing operation shares after its connection
// check: opening the port with the lead-in byte and its wait, and writing a
// frame (or start record) with its attempts, each followed by the frame wait.
// Waits go through the link's UiWait and come from its timing table.

#include "DeviceLink.h"
#include "DeviceTiming.h"
#include "UserMessages.h"

#include <cstdint>
#include <span>

namespace device {

// Opens COM<port>, writes the lead-in byte and waits afterLeadIn. Returns the
// handle, or 0 when the lead-in byte was not written (the port is closed
// again; a port that did not open shows up here as a failed write).
TKHandle openForCommands(DeviceLink& link, int port);

// Writes bytes once (a 6-byte frame through TKPutROM, a 32-byte start record
// through TKPutROM_Start) and waits afterFrame. True when the write counts as
// sent.
bool sendOnce(DeviceLink& link, TKHandle port, std::span<const uint8_t> bytes);

// Writes bytes (a 6-byte frame through TKPutROM, a 32-byte start record
// through TKPutROM_Start) up to attempts times, waiting afterFrame after each
// write, until one counts as sent. True when one did.
bool sendWithAttempts(DeviceLink& link, TKHandle port, std::span<const uint8_t> bytes, int attempts);

// The connection check, then openForCommands. Returns the open port, or 0
// after showing "通信に失敗しました。" (no logger answered) or
// "送信に失敗しました。" (the lead-in byte was not written).
TKHandle connectForCommands(DeviceLink& link, UserMessages& messages, int port);

// Sends the ROM-record request with operation's attempts. When none counts
// as sent: shows "送信に失敗しました。", closes *port and returns false.
bool requestRomRecord(DeviceLink& link, UserMessages& messages, TKHandle* port, DeviceOperation operation);

// After the workers have been joined: closes port when a worker was handed it
// and left without closing it (told to quit while idle between two replies).
void closeAbandonedPort(DeviceLink& link, TKHandle port);

}  // namespace device

#include "DeviceSteps.h"

#include "CheckConnection.h"
#include "CommandFrames.h"
#include "DeviceTexts.h"

namespace device {

TKHandle openForCommands(DeviceLink& link, int port) {
  TKHandle handle = TKOpenComm(port, TK_BUFFER_SIZE, TK_BUFFER_SIZE);
  const uint8_t leadIn = kLeadInByte;
  if (TKPutROM(handle, &leadIn, 1) != 1) {
    TKCloseComm(&handle);
    return 0;
  }
  link.uiWait().sleep(link.timing().afterLeadIn);
  return handle;
}

bool sendOnce(DeviceLink& link, TKHandle port, std::span<const uint8_t> bytes) {
  const int count = static_cast<int>(bytes.size());
  const int written = count == kStartRecordSize ? TKPutROM_Start(port, bytes.data(), count)
                                                : TKPutROM(port, bytes.data(), count);
  link.uiWait().sleep(link.timing().afterFrame);
  return written == 1;
}

bool sendWithAttempts(DeviceLink& link, TKHandle port, std::span<const uint8_t> bytes, int attempts) {
  for (int attempt = 0; attempt < attempts; ++attempt)
    if (sendOnce(link, port, bytes)) return true;
  return false;
}

TKHandle connectForCommands(DeviceLink& link, UserMessages& messages, int port) {
  if (!CheckConnection(link, port)) {
    messages.show(kTextCommFailed, MessageIcon::None, MessageButtons::Ok);
    return 0;
  }
  const TKHandle handle = openForCommands(link, port);
  if (handle == 0) messages.show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
  return handle;
}

bool requestRomRecord(DeviceLink& link, UserMessages& messages, TKHandle* port, DeviceOperation operation) {
  if (sendWithAttempts(link, *port, romRequestFrame(), attemptsFor(operation, kCmdRomRecord))) return true;
  messages.show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
  TKCloseComm(port);
  return false;
}

void closeAbandonedPort(DeviceLink& link, TKHandle port) {
  // Only the handle this operation handed over, and only while nobody has
  // closed it: a closed handle's number may already belong to another file.
  if (port != 0 && link.portHandle.compare_exchange_strong(port, 0)) TKCloseComm(&port);
}

}  // namespace device

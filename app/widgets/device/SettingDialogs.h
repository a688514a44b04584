#pragma once
// The two setting commands: each shows its dialog modally over parent, with
// its session wired to the dialog's buttons, on COM<port>. The session ends
// (its worker told to quit and joined) before the dialog goes.

#include "DeviceLink.h"
#include "UserMessages.h"

class QWidget;

namespace device {

void runDeviceStateDialog(QWidget* parent, DeviceLink& link, UserMessages& messages, int port);
void runReservedRecordDialog(QWidget* parent, DeviceLink& link, UserMessages& messages, int port);

}  // namespace device

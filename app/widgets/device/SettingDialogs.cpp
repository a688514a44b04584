#include "SettingDialogs.h"

#include "CDeviceStateDlg.h"
#include "CReservedRecordDlg.h"
#include "DeviceStateSession.h"
#include "ReservationSession.h"

namespace device {

void runDeviceStateDialog(QWidget* parent, DeviceLink& link, UserMessages& messages, int port) {
  CDeviceStateDlg dialog(parent);
  DeviceStateSession session(link, messages, port, dialog);
  dialog.onView = [&] { session.view(); };
  dialog.onOk = [&] { session.write(); };
  dialog.onClose = [&] { session.close(); };
  dialog.exec();
}

void runReservedRecordDialog(QWidget* parent, DeviceLink& link, UserMessages& messages, int port) {
  CReservedRecordDlg dialog(parent);
  ReservationSession session(link, messages, port, dialog);
  dialog.onView = [&] { session.view(); };
  dialog.onOk = [&] { session.start(); };
  dialog.onClose = [&] { session.close(); };
  dialog.exec();
}

}  // namespace device

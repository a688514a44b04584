#pragma once
// DeviceStateSession: the device-state dialog's two exchanges with the logger.
// "View" checks the connection, asks for the ROM record and lets a worker
// read it and fill the dialog; "OK" checks the typed values, then checks the
// connection and writes the six setting frames. Runs on the user-interface
// thread; the worker reaches the dialog only through the link's WorkerUi.
//
// Beyond the plain sequence: the ROM record's checksum is tested on a read,
// so a garbled reply never fills the dialog (and is never written back); and
// the edits are frozen from the check until the last frame, so what is sent
// is what was checked. The steps it shares with the reservation session
// (close, the view's preamble and follow-up, the end of a write) are
// SettingSession's.
//
// Owns its place in the link's request table (code 0x20) and, through its
// SettingSession, the port of a view until the worker closes it; does not
// own the link, the dialog or the messages.

#include "DeviceLink.h"
#include "SettingDialogUi.h"
#include "SettingSession.h"
#include "UserMessages.h"

namespace device {

constexpr uint8_t kRequestDeviceState = 0x20;

class DeviceStateSession {
 public:
  DeviceStateSession(DeviceLink& link, UserMessages& messages, int port, DeviceStateUi& ui);
  ~DeviceStateSession();  // tells the worker to quit and joins it
  DeviceStateSession(const DeviceStateSession&) = delete;
  DeviceStateSession& operator=(const DeviceStateSession&) = delete;

  // "設定値を見る": returns once the worker has the request.
  void view();
  // OK: the dialog stays open.
  void write();
  // "閉じる" and any cancel: the worker is told to quit and joined.
  void close();

 private:
  void registerRequest();
  void endWrite(TKHandle* port);

  DeviceStateUi& m_ui;
  SettingSession m_steps;
};

}  // namespace device

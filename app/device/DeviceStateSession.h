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
// is what was checked.
//
// Owns its place in the link's request table (code 0x20) and the port of a
// view until the worker closes it; does not own the link, the dialog or the
// messages.

#include "DeviceLink.h"
#include "SettingDialogUi.h"
#include "UserMessages.h"

#include <memory>

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

  DeviceLink& m_link;
  UserMessages& m_messages;
  int m_port;
  TKHandle m_viewPort = 0;  // handed to the view's worker, which closes it
  std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // expires with the session
  DeviceStateUi& m_ui;
};

}  // namespace device

#pragma once
// SettingSession: the steps the two setting sessions (DeviceStateSession,
// ReservationSession) share, so that they are written once:
// - the view's preamble: connection check, lead-in byte and the ROM-record
//   request, the buttons back on when one fails;
// - the hand-over of the view's port and first request to the worker;
// - reading the ROM record in the worker, short or garbled alike refused
//   with "送信に失敗しました。" (a garbled record is never shown, so never
//   written back);
// - the follow-up that ends a view: the buttons back and the focus on the
//   view button (posted, and dropped once the session has gone), the port
//   closed, the worker done;
// - the end of a write: the port closed when open, the buttons back;
// - close: the worker told to quit and joined, a port it left open closed,
//   the session's request codes cleared from the link.
//
// Owns the port of a view until the worker takes it and the session's
// liveness token; does not own the link, the dialog or the messages, and
// knows nothing of either dialog's form.

#include "DeviceLink.h"
#include "DeviceTiming.h"
#include "SettingDialogUi.h"
#include "UserMessages.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace device {

class SettingSession {
 public:
  // requestCodes: the link's request codes the session registers handlers
  // for; close clears them.
  SettingSession(DeviceLink& link, UserMessages& messages, int port, SettingButtonsUi& buttons,
                 std::vector<uint8_t> requestCodes);
  SettingSession(const SettingSession&) = delete;
  SettingSession& operator=(const SettingSession&) = delete;

  DeviceLink& link() { return m_link; }
  UserMessages& messages() { return m_messages; }
  int port() const { return m_port; }

  // Connection check, lead-in byte and the ROM-record request with
  // operation's attempts. The open port, or 0 after the message with the
  // buttons enabled again.
  TKHandle openForView(DeviceOperation operation);
  // Hands port and the request code to the worker, started when none runs.
  void handView(uint8_t requestCode, TKHandle port);
  // In the worker: the ROM record of the reply, or nothing after showing
  // "送信に失敗しました。" for a short reply or a failed checksum.
  static std::optional<RomRecord> readRomRecord(WorkerContext& w);
  // The follow-up of a view's last request.
  std::function<void(WorkerContext&)> viewFollowUp() const;
  // Closes *port when it is open (port may be null), then enables the
  // buttons. The caller enables its edits first.
  void endWrite(TKHandle* port);
  void close();

 private:
  DeviceLink& m_link;
  UserMessages& m_messages;
  int m_port;
  SettingButtonsUi& m_buttons;
  std::vector<uint8_t> m_requestCodes;
  TKHandle m_viewPort = 0;  // handed to the view's worker, which closes it
  std::shared_ptr<int> m_alive = std::make_shared<int>(0);  // expires with the session
};

}  // namespace device

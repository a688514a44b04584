#pragma once
// ReservationSession: the reserved-recording dialog's two exchanges with the
// logger. "View" checks the connection, asks for the ROM record and the base
// data and lets one worker read both: the name into the dialog, then the
// time of the first stored sample into the date and time fields. "OK" checks
// the start method, date and name, asks whether the logger's data may be
// erased, then checks the connection and sends the start record. Runs on the
// user-interface thread; the worker reaches the dialog only through the
// link's WorkerUi.
//
// Beyond the plain sequence: a start or view first waits for the previous
// view's worker, which still holds the port after the buttons came back; the
// edits are frozen from the check until the start record is out; the start
// time and delay are taken from the clock again after the question and at
// each write of the start record, and a reserved time that has passed by then
// is refused instead of sent; a close leaves no port open. The steps it
// shares with the device-state session (close, the view's preamble and
// follow-up, the end of a write) are SettingSession's.
//
// Owns its reserved-mode flag, its place in the link's request table (codes
// 0x0B and 0x0A) and, through its SettingSession, the port of a view until
// the worker closes it; does not own the link, the dialog or the messages.

#include "DeviceLink.h"
#include "SettingDialogUi.h"
#include "SettingSession.h"
#include "UserMessages.h"

#include <cstdint>
#include <functional>

namespace device {

constexpr uint8_t kRequestReservationName = 0x0B;
constexpr uint8_t kRequestReservationStart = 0x0A;

class ReservationSession {
 public:
  using Clock = std::function<int64_t()>;  // seconds since 1970 UTC

  ReservationSession(DeviceLink& link, UserMessages& messages, int port, ReservationUi& ui,
                     Clock clock = systemClock);
  ~ReservationSession();  // tells the worker to quit and joins it
  ReservationSession(const ReservationSession&) = delete;
  ReservationSession& operator=(const ReservationSession&) = delete;

  // "予約設定を見る": returns once the worker has both requests.
  void view();
  // OK: the dialog stays open.
  void start();
  // "閉じる" and any cancel: the worker is told to quit and joined.
  void close();

  // Cleared once an immediate start was sent; from then on a view leaves the
  // date and time edits disabled.
  bool reservedMode() const { return m_reservedMode; }

  static int64_t systemClock();

 private:
  void registerRequests();
  void waitForViewToEnd();
  void endStart(TKHandle* port, bool reserved);

  ReservationUi& m_ui;
  SettingSession m_steps;
  DeviceLink& m_link;
  Clock m_clock;
  bool m_reservedMode = true;
};

}  // namespace device

#include "ReservationSession.h"

#include "DeviceSteps.h"
#include "DeviceTexts.h"
#include "DeviceTiming.h"
#include "Replies.h"

#include <ctime>

namespace device {

int64_t ReservationSession::systemClock() { return static_cast<int64_t>(std::time(nullptr)); }

ReservationSession::ReservationSession(DeviceLink& link, UserMessages& messages, int port, ReservationUi& ui,
                                       Clock clock)
    : m_ui(ui),
      m_steps(link, messages, port, ui, {kRequestReservationName, kRequestReservationStart}),
      m_link(link),
      m_clock(std::move(clock)) {}

ReservationSession::~ReservationSession() { close(); }

void ReservationSession::close() { m_steps.close(); }

void ReservationSession::registerRequests() {
  WorkerRequest name;
  name.serve = [this](WorkerContext& w) {
    const std::optional<RomRecord> rom = SettingSession::readRomRecord(w);
    if (!rom) return;
    w.link().workerUi().call([this, rom = *rom] {
      ReservationForm form = m_ui.form();
      form.reservedStart = true;
      fillNameFromRom(form, rom);
      m_ui.setForm(form);
    });
  };
  m_link.registerRequest(kRequestReservationName, name);

  WorkerRequest first;
  first.serve = [this](WorkerContext& w) {
    if (!w.readReply(TK_BASE_DATA_SIZE)) {
      w.link().workerUi().message(kTextSendFailed, MessageIcon::None);
      return;
    }
    BaseDataRecord base{};
    TKGetBaseData(0, w.replyBuffer(), &base);
    const int64_t t = firstSampleTime(base, m_clock());
    w.link().workerUi().call([this, t] {
      ReservationForm form = m_ui.form();
      fillStartFromTime(form, t);
      m_ui.setForm(form);
    });
  };
  first.followUp = m_steps.viewFollowUp();
  m_link.registerRequest(kRequestReservationStart, first);
}

void ReservationSession::waitForViewToEnd() {
  // The buttons come back while the worker still reads the base data, and
  // until it ends the port is its own.
  m_link.uiWait().until([this] { return !m_link.workerRunning(); });
}

void ReservationSession::view() {
  m_ui.setButtonsEnabled(false);
  waitForViewToEnd();
  m_link.uiWait().sleep(m_link.timing().beforeReservationView);
  const TKHandle port = m_steps.openForView(DeviceOperation::ReadReservation);
  if (port == 0) return;
  registerRequests();
  m_steps.handView(kRequestReservationName, port);
  const CommandFrame base = commandFrame(kCmdBaseData);
  if (!sendWithAttempts(m_link, port, base, attemptsFor(DeviceOperation::ReadReservation, kCmdBaseData)))
    m_steps.messages().show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
  // The worker, idle after the name, reads the base data (or finds it
  // missing) and ends the view.
  m_link.requestCode.store(kRequestReservationStart);
  m_link.setGo();
  m_ui.setButtonsEnabled(true);
  if (m_reservedMode) m_ui.setDateEditsEnabled(true);
}

void ReservationSession::endStart(TKHandle* port, bool reserved) {
  m_ui.setOrderEditsEnabled(true);
  m_ui.setDateEditsEnabled(reserved);
  m_steps.endWrite(port);
}

void ReservationSession::start() {
  m_ui.setButtonsEnabled(false);
  // Before anything tells that worker to quit: one that quits while idle
  // between its two replies would leave the port open.
  waitForViewToEnd();
  const ReservationForm form = m_ui.form();
  // Frozen from here on: the start record carries what was checked.
  m_ui.setOrderEditsEnabled(false);
  m_ui.setDateEditsEnabled(false);
  const StartCheck check = checkStartOrder(form, m_clock());
  if (!check.order) {
    m_link.tellWorkerToQuit();
    m_steps.messages().show(check.message, MessageIcon::None, MessageButtons::Ok);
    endStart(nullptr, form.reservedStart);
    return;
  }
  // Asked before anything goes to the logger.
  if (m_steps.messages().show(kEraseQuestion, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
    m_link.tellWorkerToQuit();
    endStart(nullptr, form.reservedStart);
    return;
  }
  // The user may have sat at the question past the reserved time.
  if (!startRecordAt(*check.order, m_clock())) {
    m_steps.messages().show(kPastDateMessage, MessageIcon::None, MessageButtons::Ok);
    endStart(nullptr, form.reservedStart);
    return;
  }
  TKHandle port = connectForCommands(m_link, m_steps.messages(), m_steps.port());
  if (port == 0) {
    endStart(nullptr, form.reservedStart);
    return;
  }
  enum class Outcome { Sent, NotSent, Passed } outcome = Outcome::NotSent;
  for (int attempt = 0; attempt < attemptsFor(DeviceOperation::StartRecording, kStepStartRecord); ++attempt) {
    // Taken now, not when OK was pressed: the connection check alone takes
    // over a second.
    const std::optional<StartRecord> record = startRecordAt(*check.order, m_clock());
    if (!record) {
      outcome = Outcome::Passed;
      break;
    }
    if (sendOnce(m_link, port, *record)) {
      outcome = Outcome::Sent;
      break;
    }
  }
  if (outcome == Outcome::Passed) m_steps.messages().show(kPastDateMessage, MessageIcon::None, MessageButtons::Ok);
  if (outcome == Outcome::NotSent) m_steps.messages().show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
  if (outcome == Outcome::Sent && !check.order->reserved) m_reservedMode = false;
  endStart(&port, form.reservedStart);
  m_ui.focusViewButton();
}

}  // namespace device

#include "SettingSession.h"

#include "DeviceSteps.h"
#include "DeviceTexts.h"

namespace device {

SettingSession::SettingSession(DeviceLink& link, UserMessages& messages, int port, SettingButtonsUi& buttons,
                               std::vector<uint8_t> requestCodes)
    : m_link(link), m_messages(messages), m_port(port), m_buttons(buttons), m_requestCodes(std::move(requestCodes)) {}

TKHandle SettingSession::openForView(DeviceOperation operation) {
  TKHandle port = connectForCommands(m_link, m_messages, m_port);
  if (port == 0 || !requestRomRecord(m_link, m_messages, &port, operation)) {
    m_buttons.setButtonsEnabled(true);
    return 0;
  }
  return port;
}

void SettingSession::handView(uint8_t requestCode, TKHandle port) {
  m_viewPort = port;
  m_link.handRequest(requestCode, port);
  m_link.startWorkerIfNone();
}

std::optional<RomRecord> SettingSession::readRomRecord(WorkerContext& w) {
  RomRecord rom{};
  if (!w.readReply(TK_ROM_SIZE) || TKGetROM(w.replyBuffer(), &rom) != 1) {
    w.link().workerUi().message(kTextSendFailed, MessageIcon::None);
    return std::nullopt;
  }
  return rom;
}

std::function<void(WorkerContext&)> SettingSession::viewFollowUp() const {
  return [buttons = &m_buttons, alive = std::weak_ptr<int>(m_alive)](WorkerContext& w) {
    // Posted work may run after the dialog has gone; it then does nothing.
    w.link().workerUi().post([buttons, alive] {
      if (alive.expired()) return;
      buttons->setButtonsEnabled(true);
      buttons->focusViewButton();
    });
    w.closePort();
    w.finish();
  };
}

void SettingSession::endWrite(TKHandle* port) {
  if (port != nullptr && *port != 0) TKCloseComm(port);
  m_buttons.setButtonsEnabled(true);
}

void SettingSession::close() {
  m_link.tellWorkerToQuit();
  m_link.joinWorkers();
  closeAbandonedPort(m_link, m_viewPort);
  m_viewPort = 0;
  // The handlers point at the session and its dialog.
  for (uint8_t code : m_requestCodes) m_link.registerRequest(code, {});
}

}  // namespace device

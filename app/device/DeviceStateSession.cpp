#include "DeviceStateSession.h"

#include "DeviceSteps.h"
#include "DeviceTexts.h"
#include "DeviceTiming.h"

namespace device {

DeviceStateSession::DeviceStateSession(DeviceLink& link, UserMessages& messages, int port, DeviceStateUi& ui)
    : m_link(link), m_messages(messages), m_port(port), m_ui(ui) {}

DeviceStateSession::~DeviceStateSession() { close(); }

void DeviceStateSession::close() {
  m_link.tellWorkerToQuit();
  m_link.joinWorkers();
  closeAbandonedPort(m_link, m_viewPort);
  m_viewPort = 0;
  // The handlers point at this session and its dialog.
  m_link.registerRequest(kRequestDeviceState, {});
}

void DeviceStateSession::registerRequest() {
  WorkerRequest request;
  request.serve = [this](WorkerContext& w) {
    if (!w.readReply(TK_ROM_SIZE)) {
      w.link().workerUi().message(kTextSendFailed, MessageIcon::None);
      return;
    }
    RomRecord rom{};
    if (TKGetROM(w.replyBuffer(), &rom) != 1) {
      // A garbled record would put garbage into the dialog, and OK would
      // then write it to the logger.
      w.link().workerUi().message(kTextCommFailed, MessageIcon::None);
      return;
    }
    w.link().workerUi().call([this, rom] {
      DeviceStateForm form = m_ui.form();
      fillFromRom(form, rom);
      m_ui.setForm(form);
    });
  };
  request.followUp = [this](WorkerContext& w) {
    // Posted work may run after the dialog has gone; it then does nothing.
    w.link().workerUi().post([ui = &m_ui, alive = std::weak_ptr<int>(m_alive)] {
      if (alive.expired()) return;
      ui->setButtonsEnabled(true);
      ui->focusViewButton();
    });
    w.closePort();
    w.finish();
  };
  m_link.registerRequest(kRequestDeviceState, request);
}

void DeviceStateSession::view() {
  m_ui.setButtonsEnabled(false);
  TKHandle port = connectForCommands(m_link, m_messages, m_port);
  if (port == 0 || !requestRomRecord(m_link, m_messages, &port, DeviceOperation::ReadDeviceState)) {
    m_ui.setButtonsEnabled(true);
    return;
  }
  registerRequest();
  m_viewPort = port;
  m_link.handRequest(kRequestDeviceState, port);
  m_link.startWorkerIfNone();
}

void DeviceStateSession::endWrite(TKHandle* port) {
  if (port != nullptr && *port != 0) TKCloseComm(port);
  m_ui.setEditsEnabled(true);
  m_ui.setButtonsEnabled(true);
}

void DeviceStateSession::write() {
  m_ui.setButtonsEnabled(false);
  // Frozen from here on: the frames carry what was checked.
  m_ui.setEditsEnabled(false);
  const DeviceStateCheck check = checkDeviceState(m_ui.form());
  if (!check.settings) {
    m_messages.show(check.message, MessageIcon::Exclamation, MessageButtons::Ok);
    endWrite(nullptr);
    return;
  }
  TKHandle port = connectForCommands(m_link, m_messages, m_port);
  if (port == 0) {
    endWrite(nullptr);
    return;
  }
  const std::array<CommandFrame, 6> frames = deviceStateFrames(*check.settings);
  const std::span<const FrameStep> plan = framePlan(DeviceOperation::WriteDeviceState);
  for (size_t i = 0; i < frames.size(); ++i) {
    if (!sendWithAttempts(m_link, port, frames[i], plan[i].attempts)) {
      // The frames before this one may already have changed the logger.
      m_messages.show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
      if (i + 1 < frames.size()) {
        endWrite(&port);
        return;
      }
    }
  }
  endWrite(&port);
  m_ui.focusViewButton();
}

}  // namespace device

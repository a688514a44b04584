#include "DeviceStateSession.h"

#include "DeviceSteps.h"
#include "DeviceTexts.h"
#include "DeviceTiming.h"

namespace device {

DeviceStateSession::DeviceStateSession(DeviceLink& link, UserMessages& messages, int port, DeviceStateUi& ui)
    : m_ui(ui), m_steps(link, messages, port, ui, {kRequestDeviceState}) {}

DeviceStateSession::~DeviceStateSession() { close(); }

void DeviceStateSession::close() { m_steps.close(); }

void DeviceStateSession::registerRequest() {
  WorkerRequest request;
  request.serve = [this](WorkerContext& w) {
    const std::optional<RomRecord> rom = SettingSession::readRomRecord(w);
    if (!rom) return;
    w.link().workerUi().call([this, rom = *rom] {
      DeviceStateForm form = m_ui.form();
      fillFromRom(form, rom);
      m_ui.setForm(form);
    });
  };
  request.followUp = m_steps.viewFollowUp();
  m_steps.link().registerRequest(kRequestDeviceState, request);
}

void DeviceStateSession::view() {
  m_ui.setButtonsEnabled(false);
  const TKHandle port = m_steps.openForView(DeviceOperation::ReadDeviceState);
  if (port == 0) return;
  registerRequest();
  m_steps.handView(kRequestDeviceState, port);
}

void DeviceStateSession::endWrite(TKHandle* port) {
  m_ui.setEditsEnabled(true);
  m_steps.endWrite(port);
}

void DeviceStateSession::write() {
  m_ui.setButtonsEnabled(false);
  // Frozen from here on: the frames carry what was checked.
  m_ui.setEditsEnabled(false);
  const DeviceStateCheck check = checkDeviceState(m_ui.form());
  if (!check.settings) {
    m_steps.messages().show(check.message, MessageIcon::Exclamation, MessageButtons::Ok);
    endWrite(nullptr);
    return;
  }
  TKHandle port = connectForCommands(m_steps.link(), m_steps.messages(), m_steps.port());
  if (port == 0) {
    endWrite(nullptr);
    return;
  }
  const std::array<CommandFrame, 6> frames = deviceStateFrames(*check.settings);
  const std::span<const FrameStep> plan = framePlan(DeviceOperation::WriteDeviceState);
  for (size_t i = 0; i < frames.size(); ++i) {
    if (!sendWithAttempts(m_steps.link(), port, frames[i], plan[i].attempts)) {
      // The frames before this one may already have changed the logger.
      m_steps.messages().show(kTextSendFailed, MessageIcon::None, MessageButtons::Ok);
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

#include "PortSelection.h"

#include "CheckConnection.h"
#include "DeviceTexts.h"
#include "PortTexts.h"

namespace device {

namespace {
// Detection only asks whether a port exists and is free: the smallest queues do.
constexpr int kProbeQueue = 8;
}  // namespace

std::string withNumber(const char* text, int n) {
  std::string s = text;
  const auto at = s.find("%d");
  if (at != std::string::npos) s.replace(at, 2, std::to_string(n));
  return s;
}

PortSelection::PortSelection(DeviceLink& link, UserMessages& messages, int& selectedPort, Store store)
    : m_link(link), m_messages(messages), m_selected(selectedPort), m_store(std::move(store)) {}

int PortSelection::onInit() {
  m_selected = m_store.read ? m_store.read() : 1;
  return m_selected - 1;
}

bool PortSelection::onOk(int index) {
  m_selected = index + 1;
  if (CheckConnection(m_link, m_selected) == 0) {
    m_messages.show(kTextCommFailed, MessageIcon::None, MessageButtons::Ok);
    return false;
  }
  if (m_store.write) m_store.write(m_selected);
  m_messages.show(withNumber(kTextPortConnected, m_selected), MessageIcon::Information, MessageButtons::Ok);
  return true;
}

bool PortSelection::onDetect(int itemCount) {
  if (m_messages.show(kTextDetectQuestion, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return false;
  const int remembered = m_selected;
  m_list = kTextPortListStart;
  bool anyOpened = false;
  for (int port = 1; port <= itemCount; ++port) {
    TKHandle h = TKOpenComm(port, kProbeQueue, kProbeQueue);
    if (h == 0) continue;
    TKCloseComm(&h);
    anyOpened = true;
    m_selected = port;
    m_list += withNumber(kTextPortListItem, port);
    if (CheckConnection(m_link, port) != 0) {
      if (m_store.write) m_store.write(port);
      m_messages.show(withNumber(kTextLoggerFound, port), MessageIcon::Information, MessageButtons::Ok);
      return true;
    }
  }
  m_selected = remembered;
  m_messages.show(kTextLoggerNotFound, MessageIcon::Information, MessageButtons::Ok);
  m_messages.show(m_list + (anyOpened ? kTextPortListEnd : kTextNoPortList), MessageIcon::Information,
                  MessageButtons::Ok);
  return false;
}

}  // namespace device

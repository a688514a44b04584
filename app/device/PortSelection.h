#pragma once
// PortSelection: the port dialog's logic. The dialog opens on the stored
// port; OK keeps a port only after the logger answered on it; detection
// asks first, then tries every port that opens and keeps the first one
// with a logger, or restores the selected port and lists the ports that
// opened.
//
// It changes the program's selected port and, on success only, the stored
// "ComPort" value (through the two functions it is given). It shows its
// messages through UserMessages on the user-interface thread and checks
// the ports with CheckConnection on the DeviceLink.

#include "DeviceLink.h"
#include "UserMessages.h"

#include <functional>
#include <string>

namespace device {

constexpr int kPortCount = 9;  // COM1 .. COM9 in the list

class PortSelection {
 public:
  struct Store {
    std::function<int()> read;        // the stored port, 1 when none
    std::function<void(int)> write;
  };

  PortSelection(DeviceLink& link, UserMessages& messages, int& selectedPort, Store store);

  // The list index to show when the dialog opens; sets the selected port
  // from the store.
  int onInit();
  // OK with the list at index; true when the dialog is to close.
  bool onOk(int index);
  // The detection button; true when the dialog is to close.
  bool onDetect(int itemCount = kPortCount);

  // The list of ports that opened, as the last detection built it.
  const std::string& listText() const { return m_list; }

 private:
  DeviceLink& m_link;
  UserMessages& m_messages;
  int& m_selected;
  Store m_store;
  std::string m_list;
};

// text with its %d replaced by n.
std::string withNumber(const char* text, int n);

}  // namespace device

#pragma once
// Where a COM number leads on this machine: a link in the ports folder, or
// the built-in table of the usual USB, on-board and CDC serial devices.
// Nothing here opens a device.

#include <string>

namespace tkcom {

// $TKCOM_PORT_DIR, else ~/.config/hyetoscope/ports.
std::string portsDirectory();

// The path to open for COM<port>: the ports folder's entry of that name when
// one exists (even a dangling link: the user's choice is never overridden),
// else the default table. Empty when the number has no device.
std::string devicePathForPort(unsigned port);

}  // namespace tkcom

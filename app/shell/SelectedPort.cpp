#include "SelectedPort.h"

int& selectedPort() {
  static int port = 1;
  return port;
}

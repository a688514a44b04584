#pragma once
// A simulated logger on COM<port> of a fresh ports folder, the test's
// user-interface loop and a DeviceLink on a fast clock: what every device
// operation test starts from. The port's read time-out is shortened for the
// whole test program (an absent logger costs 1.5 s instead of 10 s).

#include "DeviceLink.h"
#include "LoggerSimulator.h"
#include "TempDir.h"
#include "UiLoop.h"

#include <memory>

struct DeviceBench {
  // factor scales every wait of the protocol; the strict logger is scaled
  // alike. The reply tests run at 10 ms whatever the factor: only the first
  // test decides a connection check, and the others only bound how long a
  // failing test waits. The frame wait stays at 200 ms or more (see the
  // constructor).
  explicit DeviceBench(double factor = 0.2);
  ~DeviceBench();

  // Starts a logger on COM<port> serving device; strict unless told otherwise.
  void startLogger(const LoggerDevice& device, int port = 1, bool strict = true);
  LoggerFaults strictFaults() const;
  void setFaults(LoggerFaults faults);  // keeps strict mode and its scale

  TempDir dir;
  double factor;
  device::DeviceTiming timing;
  UiLoop ui;
  std::unique_ptr<device::DeviceLink> link;
  std::unique_ptr<LoggerSimulator> sim;
  bool strict = true;
};

// A logger holding count samples (sample i = i % 50 + 1), named "GAUGE-7".
LoggerDevice loggerWith(int count, uint16_t modelWord = 0x1001, uint32_t startTime = 1700000400);

#include "DeviceBench.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
// Before any thread starts: TKCom1 reads it once.
const bool kShortReads = [] {
  setenv("TKCOM_READ_TIMEOUT_MS", "1500", 1);
  return true;
}();
}  // namespace

DeviceBench::DeviceBench(double f) : factor(f), timing(device::kDeviceTiming.scaled(f)) {
  (void)kShortReads;
  timing.replyTestInterval = std::chrono::milliseconds(10);
  // The frame wait is also the logger's window to answer a probe: kept at
  // 200 ms at least, so that a worker thread held up on a busy machine
  // does not turn into an absent logger.
  timing.afterFrame = std::max(timing.afterFrame, std::chrono::milliseconds(200));
  setenv("TKCOM_PORT_DIR", dir.path().c_str(), 1);
  link = std::make_unique<device::DeviceLink>(timing, ui, ui);
}

DeviceBench::~DeviceBench() {
  link->joinWorkers();
  link.reset();
  sim.reset();
}

LoggerFaults DeviceBench::strictFaults() const {
  LoggerFaults f;
  f.strict = strict;
  f.strictScale = factor;
  return f;
}

void DeviceBench::setFaults(LoggerFaults faults) {
  faults.strict = strict;
  faults.strictScale = factor;
  sim->setFaults(faults);
}

void DeviceBench::startLogger(const LoggerDevice& device, int port, bool isStrict) {
  strict = isStrict;
  SimulatorOptions options;
  options.portsDir = dir.path().string();
  options.port = port;
  LoggerDevice d = device;
  d.setFaults(strictFaults());
  sim = std::make_unique<LoggerSimulator>(d, options);
  sim->start();
}

LoggerDevice loggerWith(int count, uint16_t modelWord, uint32_t startTime) {
  LoggerSettings settings;
  std::memcpy(settings.name.data(), "GAUGE-7", 7);
  settings.modelWord = modelWord;
  LoggerRecording recording;
  recording.startTime = startTime;
  recording.elapsed = static_cast<uint32_t>(count) * 600 + 37;
  for (int i = 0; i < count; ++i) recording.samples.push_back(static_cast<uint16_t>(i % 50 + 1));
  return LoggerDevice(settings, recording);
}

// probe: the window's connection check on one port, for scripts that want
// to know whether a logger is there before they start a download.
#include "CheckConnection.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "CliDeviceUi.h"
#include "CliExit.h"
#include "CliParser.h"
#include "DeviceLink.h"
#include "DeviceTexts.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The protocol's waits; HY_DEVICE_TIME_SCALE (0.01 to 1) shortens them all
// alike, as the tests against the simulated logger do.
device::DeviceTiming cliDeviceTiming() {
  if (const char* scale = std::getenv("HY_DEVICE_TIME_SCALE")) {
    char* end = nullptr;
    const double f = std::strtod(scale, &end);
    if (end != scale && *end == '\0' && f >= 0.01 && f <= 1.0) return device::kDeviceTiming.scaled(f);
  }
  return device::kDeviceTiming;
}

std::string comName(int port) { return "COM" + std::to_string(port); }

}  // namespace

int runProbe(const QStringList& arguments) {
  CliParser cli("probe", "--port N",
                "Asks the logger on COM<N> whether it is there, with the window's connection check (wake-up "
                "byte, probe frame, reply within the protocol's wait). Exit code 0 when it answered, 3 when "
                "it did not. COM numbers map to devices as in the window (see the README).");
  cli.option({"p", "port"}, "COM port number, 1 to 9.", "N");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;
  const std::optional<int> port = parseBoundedInt(cli.value("port"), 1, 9);
  if (!port) return cli.usageError("--port must be a number from 1 to 9");

  CliDeviceUi ui;
  const device::DeviceTiming timing = cliDeviceTiming();
  device::DeviceLink link(timing, ui, ui);
  // The check ends by itself within its waits; Ctrl+C only marks the result.
  const int answered = device::CheckConnection(link, *port);
  link.joinWorkers();
  if (ui.interrupted()) return cliFail(kExitDevice, comName(*port) + ": interrupted");
  if (answered != 1) return cliFail(kExitDevice, comName(*port) + ": " + device::kTextCommFailed);
  std::printf("%s: the logger answered\n", comName(*port).c_str());
  return kExitOk;
}

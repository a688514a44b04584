// probe: the window's connection check on one port, for scripts that want
// to know whether a logger is there before they start a download; ports:
// the port dialog's automatic detection.
#include "CheckConnection.h"
#include "CliArguments.h"
#include "CliCommands.h"
#include "CliDeviceUi.h"
#include "CliExit.h"
#include "CliInterrupt.h"
#include "CliParser.h"
#include "DeviceLink.h"
#include "DeviceTexts.h"
#include "PortSelection.h"

#include <QSettings>

#include <algorithm>

#include <cstdio>
#include <vector>

namespace {

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
  if (ui.interrupted()) return cliFail(kExitInterrupted, comName(*port) + ": interrupted");
  if (answered != 1) return cliFail(kExitDevice, comName(*port) + ": " + device::kTextCommFailed);
  std::printf("%s: the logger answered\n", comName(*port).c_str());
  return kExitOk;
}

int runPorts(const QStringList& arguments) {
  CliParser cli("ports", "[--save]",
                "Finds the logger as the port dialog's automatic detection does: tries every COM port from 1 "
                "to 9 that opens, with the connection check, and prints the first one where a logger answers. "
                "Exit code 3 and the dialog's messages (with the ports that opened) when none answers.");
  cli.option({"save"}, "Store the port found as the window's port setting.");
  if (int done = cli.parse(arguments, 0, 0); done >= 0) return done;

  // The detection's question is answered yes; its messages are kept.
  struct KeptMessages : UserMessages {
    MessageAnswer show(const std::string& text, MessageIcon, MessageButtons buttons) override {
      if (buttons == MessageButtons::Ok) shown.push_back(text);
      return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
    std::vector<std::string> shown;
  } messages;
  CliDeviceUi ui;
  device::DeviceLink link(cliDeviceTiming(), ui, ui);
  int selected = 1;
  const bool save = cli.isSet("save");
  device::PortSelection::Store store;
  store.read = [] { return 1; };
  store.write = [save](int port) {
    if (!save) return;
    QSettings settings(QStringLiteral("VELDEN CORPORATION"), QStringLiteral("HY for Windows"));
    settings.setValue(QStringLiteral("Settings/ComPort"), port);
  };
  device::PortSelection selection(link, messages, selected, store);
  const bool found = selection.onDetect();
  link.joinWorkers();
  if (found) {
    std::printf("COM%d\n", selected);
    return kExitOk;
  }
  for (std::string text : messages.shown) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    cliFail(kExitDevice, text);
  }
  return kExitDevice;
}

// hy-logger-sim: a simulated rain-gauge logger on a pseudo-terminal, linked
// into the ports folder as COM<n> so that the program can talk to it as to a
// logger on that port. See docs/logger-simulator.md.
#include "LoggerSimulator.h"
#include "RainGenerator.h"
#include "ShiftJis.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace {

// "K:N" into two numbers; false when the text is not of that form.
bool pairOf(const char* text, long& first, long& second, int base = 10) {
  char* end = nullptr;
  first = std::strtol(text, &end, base);
  if (end == text || *end != ':') return false;
  const char* rest = end + 1;
  second = std::strtol(rest, &end, 10);
  return end != rest && *end == '\0';
}

int usage() {
  std::fprintf(stderr,
               "usage: hy-logger-sim [--port N] [--ports-dir DIR] [--pace X]\n"
               "         [--hyy FILE | --samples N [--seed N] [--step 0.5|0.1] [--storm-at INDEX]]\n"
               "         [--name TEXT]\n"
               "  faults: [--no-answer] [--probe-delay MS] [--bad-rom-checksum] [--short-base-data N]\n"
               "          [--short-block K [--short-block-bytes N]] [--drop-after-block K] [--garbage N]\n"
               "          [--reply-delay CODE:MS]... [--stall-block K:N] [--hang-up-block K:N] [--hang-up-on CODE]\n"
               "          [--short-probe N] [--invalid-probe] [--short-rom N] [--rom-tail]\n"
               "          [--count N] [--start-time T] [--elapsed S] [--busy] [--strict [--strict-scale X]]\n"
               "  CODE is hexadecimal (20, 21, 22, 30, 1B)\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  SimulatorOptions options;
  LoggerFaults faults;
  std::string hyy;
  std::string name;
  bool busy = false;
  RainGeneratorOptions rain;
  rain.sampleCount = 1008;  // one week
  rain.seed = 7;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--no-answer") { faults.noAnswer = true; continue; }
    if (a == "--bad-rom-checksum") { faults.wrongRomChecksum = true; continue; }
    if (a == "--invalid-probe") { faults.invalidProbe = true; continue; }
    if (a == "--rom-tail") { faults.romTail = true; continue; }
    if (a == "--busy") { busy = true; continue; }
    if (a == "--strict") { faults.strict = true; continue; }
    if (i + 1 >= argc) return usage();
    const char* v = argv[++i];
    if (a == "--port") options.port = std::atoi(v);
    else if (a == "--ports-dir") options.portsDir = v;
    else if (a == "--pace") options.pace = std::atof(v);
    else if (a == "--hyy") hyy = v;
    else if (a == "--samples") rain.sampleCount = std::atoi(v);
    else if (a == "--seed") rain.seed = static_cast<uint32_t>(std::strtoul(v, nullptr, 10));
    else if (a == "--step") rain.tenthMillimetre = std::strcmp(v, "0.1") == 0;
    else if (a == "--storm-at") rain.stormAt = std::atoi(v);
    else if (a == "--name") name = v;
    else if (a == "--probe-delay") faults.probeDelayMs = std::atoi(v);
    else if (a == "--short-base-data") faults.shortBaseData = std::atoi(v);
    else if (a == "--short-block") faults.shortBlock = std::atoi(v);
    else if (a == "--short-block-bytes") faults.shortBlockBytes = std::atoi(v);
    else if (a == "--drop-after-block") faults.dropAfterBlock = std::atoi(v);
    else if (a == "--garbage") faults.garbageBytes = std::atoi(v);
    else if (a == "--reply-delay" || a == "--stall-block" || a == "--hang-up-block") {
      long x = 0, y = 0;
      if (!pairOf(v, x, y, a == "--reply-delay" ? 16 : 10)) return usage();
      if (a == "--reply-delay") faults.replyDelayMs[static_cast<uint8_t>(x)] = static_cast<int>(y);
      else if (a == "--stall-block") { faults.stallBlock = static_cast<int>(x); faults.stallAfterBytes = static_cast<int>(y); }
      else { faults.hangUpBlock = static_cast<int>(x); faults.hangUpAfterBytes = static_cast<int>(y); }
    }
    else if (a == "--hang-up-on") faults.hangUpOnCommand = static_cast<int>(std::strtol(v, nullptr, 16));
    else if (a == "--short-probe") faults.shortProbe = std::atoi(v);
    else if (a == "--short-rom") faults.shortRom = std::atoi(v);
    else if (a == "--count") faults.baseCount = std::atoll(v);
    else if (a == "--start-time") faults.baseStartTime = std::atoll(v);
    else if (a == "--elapsed") faults.baseElapsed = std::atoll(v);
    else if (a == "--strict-scale") faults.strictScale = std::atof(v);
    else return usage();
  }
  if (options.port < 1 || rain.sampleCount < 0 || options.pace < 0) return usage();

  LoggerSettings settings;
  LoggerRecording recording;
  std::string error;
  if (!hyy.empty()) {
    if (!loadHyyRecording(hyy, settings, recording, &error)) {
      std::fprintf(stderr, "hy-logger-sim: %s\n", error.c_str());
      return 1;
    }
  } else {
    // A recording that ends now, on a 10-minute boundary.
    int64_t now = std::time(nullptr);
    rain.startTime = static_cast<int32_t>(now - now % 600 - 600LL * rain.sampleCount);
    generatedRecording(rain, settings, recording);
    if (name.empty()) name = "SIMULATOR";
  }
  if (!name.empty()) {
    std::string bytes = utf8ToShiftJis(name);
    if (bytes.size() > 16) {
      std::fprintf(stderr, "hy-logger-sim: the name is longer than 16 bytes in Shift-JIS\n");
      return 2;
    }
    settings.name.fill(0);
    std::memcpy(settings.name.data(), bytes.data(), bytes.size());
  }

  LoggerDevice device(settings, recording);
  device.setFaults(faults);
  // Block the stop signals before the simulator's thread starts, so that
  // only sigwait below receives them.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigaddset(&stopSignals, SIGHUP);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

  LoggerSimulator simulator(device, options);
  if (!simulator.start(&error)) {
    std::fprintf(stderr, "hy-logger-sim: %s\n", error.c_str());
    return 1;
  }
  if (busy) simulator.setBusy(true);
  std::printf("logger on COM%d: %s -> %s (%zu samples%s); Ctrl+C stops it\n", options.port,
              simulator.linkPath().c_str(), simulator.terminalPath().c_str(), recording.samples.size(),
              options.pace > 0 ? ", paced" : "");
  std::fflush(stdout);
  int signal = 0;
  sigwait(&stopSignals, &signal);
  LoggerCounters c = simulator.counters();
  simulator.stop();
  std::printf("served: %d ROM, %d base data, %d blocks, %d probes, %d settings, %d start records; "
              "%d rejected, %zu bytes received\n",
              c.romRequests, c.baseDataRequests, c.blocksServed, c.probes, c.settingFrames, c.startRecords,
              c.rejected, simulator.received().size());
  // What the program set, to compare with what was asked in its dialogs.
  const LoggerSettings held = simulator.settings();
  const LoggerRecording now = simulator.recording();
  std::printf("settings: buzzer %s, display mask %u, reset %u h, alarm words %u/%u/%u (0.5 mm); name \"%s\"\n",
              held.buzzer == 1 ? "on" : "off", held.displayMask, held.resetHours, held.thresholdHour,
              held.thresholdDay, held.thresholdStart,
              shiftJisToUtf8(std::string(reinterpret_cast<const char*>(held.name.data()),
                                         strnlen(reinterpret_cast<const char*>(held.name.data()), 16)))
                  .c_str());
  if (c.startRecords > 0)
    std::printf("last start record: start time %u, delay %u s\n", now.startTime, now.startDelay);
  return 0;
}

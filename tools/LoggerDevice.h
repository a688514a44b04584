#pragma once
// The simulated logger's behaviour without any I/O: its settings and
// recording, how it takes the bytes it receives apart into commands, and the
// replies it gives, with the selected faults applied. LoggerSimulator puts it
// on a pseudo-terminal; tests may also drive it directly.
//
// Not thread-safe: its owner serialises every call.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct LoggerSettings {
  uint16_t modelWord = 0x1001;  // 0x2001: the 0.1-mm model
  std::array<uint8_t, 16> name{};  // raw Shift-JIS bytes, zero-padded
  uint16_t thresholdHour = 0;   // 0.5-mm units; 0 and 1 mean off
  uint16_t thresholdDay = 0;
  uint16_t thresholdStart = 0;
  uint16_t buzzer = 0;          // 1 = on
  uint16_t displayMask = 7;     // bit 0 hour, bit 1 day, bit 2 from start
  uint16_t resetHours = 6;
};

struct LoggerRecording {
  uint32_t startTime = 0;  // seconds since 1970 UTC; 0 = the logger keeps none
  uint32_t elapsed = 0;    // seconds recorded
  std::vector<uint16_t> samples;  // one word per 600 s, oldest first
  // Set by a start record: from then on the logger records by the clock,
  // one dry sample per 600 s since startTime.
  bool live = false;
  // The delay the last start record carried (0: an immediate start).
  uint32_t startDelay = 0;
};

struct LoggerFaults {
  bool noAnswer = false;     // reads and records everything, answers nothing
  int probeDelayMs = 0;      // the probe reply leaves this much later
  bool wrongRomChecksum = false;
  int shortBaseData = -1;    // bytes of the base data sent; -1: all 14
  int shortBlock = -1;       // index of the block sent short; -1: none
  int shortBlockBytes = 2048;
  int dropAfterBlock = -1;   // hang up once block k has been sent; -1: never
  int garbageBytes = 0;      // noise bytes sent before every reply

  // Reply delay per command code (0x20, 0x21, 0x22, 0x30, and 0x1B for a
  // block), counted from the last byte of the command; adds to probeDelayMs.
  std::map<uint8_t, int> replyDelayMs;
  int stallBlock = -1;        // block k stops after stallAfterBytes and never goes on
  int stallAfterBytes = 0;
  int hangUpBlock = -1;       // the line drops after hangUpAfterBytes of block k
  int hangUpAfterBytes = 0;
  int hangUpOnCommand = -1;   // the line drops instead of answering this code
  int shortProbe = -1;        // bytes of the probe reply sent; -1: all 6
  bool invalidProbe = false;  // byte 4 of the probe reply is 1
  int shortRom = -1;          // bytes of the ROM record sent; -1: all 67
  bool romTail = false;       // ROM words 24..31 (after the name) filled with 0xFF bytes
  // Base data as sent, whatever the recording holds; -1: from the recording.
  int64_t baseCount = -1;
  int64_t baseStartTime = -1;
  int64_t baseElapsed = -1;

  // Strict: the logger ignores a command that comes without a lead-in byte
  // before it, sooner than 600 ms after that lead-in, or (a block request)
  // sooner than 100 ms after the previous reply left, and frames whose
  // parameters are not the ones the command takes (a setting beyond what the
  // logger holds included: a threshold above 19998 half-millimetres, a reset
  // above 9999 hours, a buzzer other than 0 or 1, a display mask above 7),
  // and a start record whose bytes 26..30 are not zero. The logger falls asleep
  // again after 5 s without traffic. A wait counts as kept when three
  // quarters of it passed between the arrivals. strictScale multiplies these times
  // (0.05 for a program run on a fast clock).
  bool strict = false;
  double strictScale = 1.0;
};

struct LoggerReply {
  std::vector<uint8_t> bytes;
  int delayMs = 0;           // held back this long before the first byte
  bool hangUpAfter = false;  // the line drops once the last byte is out
};

struct LoggerCounters {
  int leadIns = 0;
  int romRequests = 0;
  int baseDataRequests = 0;
  int probes = 0;
  int settingFrames = 0;
  int startRecords = 0;
  int blocksServed = 0;
  int rejected = 0;  // frames with a wrong checksum, unknown bytes
  int ignored = 0;   // commands a strict logger did not take (asleep, too soon, wrong bytes)
};

class LoggerDevice {
 public:
  LoggerDevice() = default;
  LoggerDevice(const LoggerSettings& settings, const LoggerRecording& recording);

  // Takes received bytes; returns the replies they call for, in order.
  // now is the logger's clock (seconds since 1970 UTC).
  std::vector<LoggerReply> receive(const uint8_t* data, size_t size, int64_t now);
  // The same, with the arrival time in milliseconds of a steady clock, which
  // strict mode measures the program's waits by.
  std::vector<LoggerReply> receiveAt(const uint8_t* data, size_t size, int64_t now, int64_t steadyMs);
  // The last byte of a reply left at steadyMs.
  void replySent(int64_t steadyMs);

  // Drops a frame whose bytes stopped coming (the sender gave up half-way),
  // so that the next command is read from its first byte.
  void abandonPartialFrame();

  void setFaults(const LoggerFaults& faults) { m_faults = faults; }
  const LoggerFaults& faults() const { return m_faults; }
  const LoggerSettings& settings() const { return m_settings; }
  const LoggerRecording& recording() const { return m_recording; }
  const LoggerCounters& counters() const { return m_counters; }

  // The replies as the logger builds them, faults aside.
  std::vector<uint8_t> romRecord() const;
  std::vector<uint8_t> baseData() const;
  std::vector<uint8_t> block(int index) const;
  static std::vector<uint8_t> probeReply();

 private:
  void command(const uint8_t* frame, int64_t now, std::vector<LoggerReply>& out);
  void blockRequest(int64_t now, std::vector<LoggerReply>& out);
  // Strict mode: may a command be taken at steady time t?
  bool awake(int64_t t) const;
  bool strictRejects(const uint8_t* frame) const;
  int delayFor(uint8_t code) const;
  void startRecord(const uint8_t* record);
  void catchUp(int64_t now);
  LoggerReply reply(std::vector<uint8_t> bytes) const;

  LoggerSettings m_settings;
  LoggerRecording m_recording;
  LoggerFaults m_faults;
  LoggerCounters m_counters;
  std::vector<uint8_t> m_pending;  // a frame or start record being received
  size_t m_expected = 0;
  int m_nextBlock = 0;
  int64_t m_nowMs = 0;            // arrival time of the byte being taken
  int64_t m_leadInMs = -1;        // last lead-in byte
  int64_t m_lastActivityMs = -1;  // last byte in or out
  int64_t m_lastReplyMs = -1;     // last reply byte out
};

struct RainGeneratorOptions;

// A generated recording (tools/RainGenerator.h) of options.sampleCount
// samples from options.startTime; the model word follows the 0.1-mm flag.
void generatedRecording(const RainGeneratorOptions& options, LoggerSettings& settings, LoggerRecording& recording);

// A recording and its settings from an HYY data file (name, start time,
// version word, samples). Returns false with a reason when it cannot be read.
bool loadHyyRecording(const std::string& path, LoggerSettings& settings, LoggerRecording& recording,
                      std::string* error);

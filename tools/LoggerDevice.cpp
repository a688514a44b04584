#include "LoggerDevice.h"

#include "CLogstore1App.h"
#include "RainGenerator.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

constexpr int kStartRecordSize = 32;
constexpr int kFrameSize = 6;
constexpr int kSamplesPerBlock = 2048;
// A strict logger takes a wait as kept when three quarters of it passed
// between the arrivals it sees: its own reads of the line may lag by a few
// milliseconds, while a program that skips a wait comes in at once.
constexpr double kStrictShare = 0.75;

void putLe16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

void putLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

bool isFrameCode(uint8_t b) {
  return b == 0x20 || b == 0x21 || b == 0x22 || b == 0x30 || (b >= 0x40 && b <= 0x45);
}

}  // namespace

LoggerDevice::LoggerDevice(const LoggerSettings& settings, const LoggerRecording& recording)
    : m_settings(settings), m_recording(recording) {}

std::vector<LoggerReply> LoggerDevice::receive(const uint8_t* data, size_t size, int64_t now) {
  return receiveAt(data, size, now, m_nowMs);
}

void LoggerDevice::replySent(int64_t steadyMs) {
  m_lastReplyMs = steadyMs;
  m_lastActivityMs = steadyMs;
}

bool LoggerDevice::awake(int64_t t) const {
  if (!m_faults.strict) return true;
  const double k = m_faults.strictScale;
  if (m_leadInMs < 0 || t < m_leadInMs + static_cast<int64_t>(600 * kStrictShare * k)) return false;
  return true;
}

bool LoggerDevice::strictRejects(const uint8_t* f) const {
  if (!m_faults.strict) return false;
  switch (f[0]) {
    case 0x20:
    case 0x21:
    case 0x22: return f[1] != 0 || f[2] != 0 || f[3] != 0 || f[4] != 0;
    case 0x30: return f[1] != 1 || f[2] != 1 || f[3] != 1 || f[4] != 1;
    case 0x40:
    case 0x41:
    case 0x42: return f[3] != 0 || f[4] != 0 || (f[1] | f[2] << 8) > 19998;
    case 0x43: return f[1] > 1 || f[2] != 0 || f[3] != 0 || f[4] != 0;
    case 0x44: return f[1] > 7 || f[2] != 0 || f[3] != 0 || f[4] != 0;
    case 0x45: return f[3] != 0 || f[4] != 0 || (f[1] | f[2] << 8) > 9999;
    default: return false;
  }
}

int LoggerDevice::delayFor(uint8_t code) const {
  auto it = m_faults.replyDelayMs.find(code);
  return it == m_faults.replyDelayMs.end() ? 0 : it->second;
}

std::vector<LoggerReply> LoggerDevice::receiveAt(const uint8_t* data, size_t size, int64_t now, int64_t steadyMs) {
  std::vector<LoggerReply> out;
  // Asleep again after a silence of 5 s (scaled): a new session needs a new lead-in.
  if (m_faults.strict && m_lastActivityMs >= 0 &&
      steadyMs - m_lastActivityMs > static_cast<int64_t>(5000 * m_faults.strictScale))
    m_leadInMs = -1;
  m_nowMs = steadyMs;
  m_lastActivityMs = steadyMs;
  for (size_t i = 0; i < size; ++i) {
    uint8_t b = data[i];
    if (m_expected > 0) {
      m_pending.push_back(b);
      if (m_pending.size() < m_expected) continue;
      m_expected = 0;
      if (m_pending.size() == kStartRecordSize) {
        startRecord(m_pending.data());
      } else {
        command(m_pending.data(), now, out);
      }
      m_pending.clear();
      continue;
    }
    if (b == 0x00) {
      ++m_counters.leadIns;
      m_leadInMs = steadyMs;
    } else if (b == 0x1B) {
      blockRequest(now, out);
    } else if (b == 0x55) {
      m_pending.assign(1, b);
      m_expected = kStartRecordSize;
    } else if (isFrameCode(b)) {
      m_pending.assign(1, b);
      m_expected = kFrameSize;
    } else {
      ++m_counters.rejected;
    }
  }
  return out;
}

void LoggerDevice::blockRequest(int64_t now, std::vector<LoggerReply>& out) {
  if (m_faults.strict &&
      (!awake(m_nowMs) ||
       (m_lastReplyMs >= 0 && m_nowMs - m_lastReplyMs < static_cast<int64_t>(100 * kStrictShare * m_faults.strictScale)))) {
    ++m_counters.ignored;
    return;
  }
  catchUp(now);
  int k = m_nextBlock++;
  ++m_counters.blocksServed;
  if (m_faults.noAnswer) return;
  if (m_faults.hangUpOnCommand == 0x1B) {
    LoggerReply r;
    r.hangUpAfter = true;
    out.push_back(std::move(r));
    return;
  }
  LoggerReply r = reply(block(k));
  r.delayMs = delayFor(0x1B);
  const size_t head = r.bytes.size() - 4096;  // noise bytes before the block
  if (k == m_faults.shortBlock) {
    size_t keep = static_cast<size_t>(std::clamp(m_faults.shortBlockBytes, 0, 4096));
    r.bytes.resize(head + keep);
  }
  if (k == m_faults.stallBlock) {
    // The rest never comes: the reader runs into its time-out.
    r.bytes.resize(head + static_cast<size_t>(std::clamp(m_faults.stallAfterBytes, 0, 4096)));
  }
  if (k == m_faults.hangUpBlock) {
    r.bytes.resize(head + static_cast<size_t>(std::clamp(m_faults.hangUpAfterBytes, 0, 4096)));
    r.hangUpAfter = true;
  }
  r.hangUpAfter = r.hangUpAfter || k == m_faults.dropAfterBlock;
  out.push_back(std::move(r));
}

void LoggerDevice::abandonPartialFrame() {
  if (m_expected == 0) return;
  ++m_counters.rejected;
  m_expected = 0;
  m_pending.clear();
}

void LoggerDevice::command(const uint8_t* f, int64_t now, std::vector<LoggerReply>& out) {
  if (f[5] != static_cast<uint8_t>(f[0] + f[1] + f[2] + f[3] + f[4])) {
    ++m_counters.rejected;
    return;
  }
  if (!awake(m_nowMs) || strictRejects(f)) {
    ++m_counters.ignored;
    return;
  }
  uint16_t value = static_cast<uint16_t>(f[1] | f[2] << 8);
  std::vector<LoggerReply> replies;
  switch (f[0]) {
    case 0x20: {
      ++m_counters.romRequests;
      LoggerReply r = reply(romRecord());
      if (m_faults.wrongRomChecksum) r.bytes.back() ^= 0x5A;
      if (m_faults.shortRom >= 0) r.bytes.resize(r.bytes.size() - 67 + static_cast<size_t>(std::clamp(m_faults.shortRom, 0, 67)));
      replies.push_back(std::move(r));
      break;
    }
    case 0x21:
    case 0x22: {
      ++m_counters.baseDataRequests;
      catchUp(now);
      // A download starts again from the first block.
      m_nextBlock = 0;
      LoggerReply r = reply(baseData());
      if (m_faults.shortBaseData >= 0) {
        size_t keep = static_cast<size_t>(std::clamp(m_faults.shortBaseData, 0, 14));
        r.bytes.resize(r.bytes.size() - 14 + keep);
      }
      replies.push_back(std::move(r));
      break;
    }
    case 0x30: {
      ++m_counters.probes;
      std::vector<uint8_t> probe = probeReply();
      if (m_faults.invalidProbe) probe[4] = 1;
      if (m_faults.shortProbe >= 0) probe.resize(static_cast<size_t>(std::clamp(m_faults.shortProbe, 0, 6)));
      LoggerReply r = reply(std::move(probe));
      r.delayMs = m_faults.probeDelayMs;
      replies.push_back(std::move(r));
      break;
    }
    case 0x40: m_settings.thresholdHour = value; ++m_counters.settingFrames; break;
    case 0x41: m_settings.thresholdDay = value; ++m_counters.settingFrames; break;
    case 0x42: m_settings.thresholdStart = value; ++m_counters.settingFrames; break;
    case 0x43: m_settings.buzzer = f[1] == 1 ? 1 : 0; ++m_counters.settingFrames; break;
    case 0x44: m_settings.displayMask = f[1] & 7; ++m_counters.settingFrames; break;
    case 0x45: m_settings.resetHours = value; ++m_counters.settingFrames; break;
    default: ++m_counters.rejected; break;
  }
  if (m_faults.noAnswer) return;
  if (m_faults.hangUpOnCommand == f[0]) {
    LoggerReply r;
    r.hangUpAfter = true;
    out.push_back(std::move(r));
    return;
  }
  for (LoggerReply& r : replies) {
    r.delayMs += delayFor(f[0]);
    out.push_back(std::move(r));
  }
}

void LoggerDevice::startRecord(const uint8_t* r) {
  unsigned sum = 0;
  for (int i = 0; i < kStartRecordSize - 1; ++i) sum += r[i];
  if (r[1] != 0xAA || r[kStartRecordSize - 1] != static_cast<uint8_t>(sum)) {
    ++m_counters.rejected;
    return;
  }
  if (m_faults.strict && (!awake(m_nowMs) || std::any_of(r + 26, r + 31, [](uint8_t b) { return b != 0; }))) {
    ++m_counters.ignored;
    return;
  }
  ++m_counters.startRecords;
  // Erases the recording: from the start time on the logger records by the
  // clock (the delay only says how far off that start is).
  std::memcpy(m_settings.name.data(), r + 2, 16);
  m_recording.startTime = le32(r + 18);
  m_recording.startDelay = le32(r + 22);
  m_recording.elapsed = 0;
  m_recording.samples.clear();
  m_recording.live = true;
  m_nextBlock = 0;
}

void LoggerDevice::catchUp(int64_t now) {
  if (!m_recording.live) return;
  int64_t elapsed = std::max<int64_t>(0, now - static_cast<int64_t>(m_recording.startTime));
  m_recording.elapsed = static_cast<uint32_t>(elapsed);
  size_t count = static_cast<size_t>(elapsed / 600);
  if (count > m_recording.samples.size()) m_recording.samples.resize(count, 0);
}

LoggerReply LoggerDevice::reply(std::vector<uint8_t> bytes) const {
  LoggerReply r;
  for (int i = 0; i < m_faults.garbageBytes; ++i) r.bytes.push_back(static_cast<uint8_t>(0xF0 | (i & 0x0F)));
  r.bytes.insert(r.bytes.end(), bytes.begin(), bytes.end());
  return r;
}

std::vector<uint8_t> LoggerDevice::romRecord() const {
  std::vector<uint8_t> b(67, 0);
  b[0] = 0x02;
  auto word = [&](int i, uint16_t v) { putLe16(b.data() + 1 + 2 * i, v); };
  word(0, 0x0100);
  word(1, m_settings.modelWord);
  word(8, m_settings.thresholdHour);
  word(9, m_settings.thresholdDay);
  word(10, m_settings.thresholdStart);
  word(11, m_settings.buzzer);
  word(12, m_settings.displayMask);
  word(13, m_settings.resetHours);
  std::memcpy(b.data() + 33, m_settings.name.data(), 16);
  if (m_faults.romTail) std::memset(b.data() + 49, 0xFF, 16);
  unsigned sum = 0;
  for (int i = 0; i < 65; ++i) sum += b[i];
  putLe16(b.data() + 65, static_cast<uint16_t>(sum));
  return b;
}

std::vector<uint8_t> LoggerDevice::baseData() const {
  std::vector<uint8_t> b(14, 0);
  b[0] = 0x01;
  auto either = [](int64_t over, uint32_t value) { return over >= 0 ? static_cast<uint32_t>(over) : value; };
  putLe32(b.data() + 1, either(m_faults.baseCount, static_cast<uint32_t>(m_recording.samples.size())));
  b[5] = m_recording.live ? 1 : 0;
  putLe32(b.data() + 6, either(m_faults.baseStartTime, m_recording.startTime));
  putLe32(b.data() + 10, either(m_faults.baseElapsed, m_recording.elapsed));
  return b;
}

std::vector<uint8_t> LoggerDevice::block(int index) const {
  std::vector<uint8_t> b(4096, 0);
  size_t first = static_cast<size_t>(index) * kSamplesPerBlock;
  for (size_t i = 0; i < kSamplesPerBlock && first + i < m_recording.samples.size(); ++i)
    putLe16(b.data() + 2 * i, m_recording.samples[first + i]);
  return b;
}

std::vector<uint8_t> LoggerDevice::probeReply() {
  std::vector<uint8_t> b = {0x54, 0x4B, 0x01, 0x00, 0x00, 0x00};
  b[5] = static_cast<uint8_t>(b[0] + b[1] + b[2] + b[3]);
  return b;
}

bool loadHyyRecording(const std::string& path, LoggerSettings& settings, LoggerRecording& recording,
                      std::string* error) {
  auto image = std::make_unique<unsigned char[]>(logstore::kImageSize);
  logstore::CLogstore1App store;
  if (!store.BfileToBuff(path.c_str(), image.get())) {
    if (error) *error = "cannot read the data file " + path;
    return false;
  }
  const unsigned char* h = image.get();
  long count = logstore::parseFiveDigitField(h + logstore::kOffSampleCount);
  if (count < 0) count = 0;
  settings.name.fill(0);
  std::memcpy(settings.name.data(), h + logstore::kOffName, strnlen(reinterpret_cast<const char*>(h + logstore::kOffName), 16));
  uint16_t version = static_cast<uint16_t>(h[logstore::kOffVersion] | h[logstore::kOffVersion + 1] << 8);
  settings.modelWord = version == 0x2001 ? 0x2001 : 0x1001;
  recording.startTime = le32(h + logstore::kOffStartTime);
  recording.samples.resize(static_cast<size_t>(count));
  for (long i = 0; i < count; ++i) {
    const unsigned char* p = h + logstore::kHeaderSize + 2 * i;
    recording.samples[static_cast<size_t>(i)] = static_cast<uint16_t>(p[0] | p[1] << 8);
  }
  recording.elapsed = static_cast<uint32_t>(count * 600);
  recording.live = false;
  return true;
}

void generatedRecording(const RainGeneratorOptions& options, LoggerSettings& settings, LoggerRecording& recording) {
  recording.samples = generateRain(options);
  recording.startTime = static_cast<uint32_t>(options.startTime);
  recording.elapsed = static_cast<uint32_t>(600LL * options.sampleCount);
  recording.live = false;
  settings.modelWord = options.tenthMillimetre ? 0x2001 : 0x1001;
}

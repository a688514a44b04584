// The simulated logger's receiver on arbitrary bytes, cut into pieces as a
// line delivers them, with any of its faults selected and its clock moving.
// Whatever arrives, every reply it gives has the size the protocol names
// (give or take the selected faults).
#include "FuzzSupport.h"
#include "LoggerDevice.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  LoggerSettings settings;
  settings.modelWord = (in.byte() & 1) ? 0x2001 : 0x1001;
  LoggerRecording recording;
  recording.startTime = in.u32();
  recording.samples.assign(in.byte() * 16u, 3);
  recording.elapsed = static_cast<uint32_t>(recording.samples.size() * 600);
  LoggerDevice logger(settings, recording);

  const uint8_t faultBits = in.byte();
  LoggerFaults faults;
  faults.noAnswer = faultBits & 1;
  faults.wrongRomChecksum = faultBits & 2;
  if (faultBits & 4) faults.shortBaseData = in.byte() % 20;
  if (faultBits & 8) {
    faults.shortBlock = in.byte() % 4;
    faults.shortBlockBytes = in.u16() % 5000;
  }
  faults.garbageBytes = (faultBits & 16) ? in.byte() % 8 : 0;
  logger.setFaults(faults);

  int64_t now = static_cast<int64_t>(recording.startTime) + in.u32();
  while (in.left() > 0) {
    const uint8_t control = in.byte();
    if (control == 0xFF) {
      logger.abandonPartialFrame();
      continue;
    }
    now += in.u16();
    const std::string piece = in.bytes(control % 48);
    for (const LoggerReply& r : logger.receive(reinterpret_cast<const uint8_t*>(piece.data()), piece.size(), now)) {
      const size_t body = r.bytes.size() - static_cast<size_t>(faults.garbageBytes);
      FUZZ_CHECK(r.bytes.size() >= static_cast<size_t>(faults.garbageBytes));
      FUZZ_CHECK(body == 6 || body == 67 || body <= 4096);
    }
  }
  return 0;
}

// Every decoder of the logger's replies and every protocol function on
// arbitrary bytes. Each decoder gets a buffer of exactly the size its
// contract names, so a read past it is caught; the frame builders must keep
// their checksums whatever their parameters.
#include "CommandFrames.h"
#include "FuzzSupport.h"
#include "Replies.h"
#include "TKCom1.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// Exactly n bytes of input (zero-filled when it runs out), on the heap.
std::unique_ptr<uint8_t[]> exactly(fuzz::Input& in, size_t n) {
  std::unique_ptr<uint8_t[]> b(new uint8_t[n]());
  const std::string got = in.bytes(n);
  std::memcpy(b.get(), got.data(), got.size());
  return b;
}

bool sumHolds(const uint8_t* b, size_t n) {
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < n; ++i) sum = static_cast<uint8_t>(sum + b[i]);
  return b[n - 1] == sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  while (in.left() > 0) {
    switch (in.byte() % 10) {
      case 0: {
        auto b = exactly(in, 67);
        RomRecord rom{};
        TKGetROM(b.get(), &rom);
        device::RomFields f = device::romFields(rom);
        FUZZ_CHECK(f.deviceName.size() <= 16);
        uint8_t name[16];
        device::romNameBytes(rom, name);
        FUZZ_CHECK(device::deviceName(name) == f.deviceName);
        device::thresholdText(f.thresholdHour);
        device::resetHoursText(f.resetHours);
        break;
      }
      case 1: {
        auto b = exactly(in, 14);
        BaseDataRecord base{};
        FUZZ_CHECK(TKGetBaseData(0, b.get(), &base) == 1);
        const int blocks = device::blockCount(base.count);
        FUZZ_CHECK(blocks >= 1);
        device::firstSampleTime(base, static_cast<int64_t>(in.u32()));
        break;
      }
      case 2: {
        auto b = exactly(in, TK_DATA_SIZE);
        uint8_t copy[TK_DATA_SIZE];
        const int ok = TKGetData(b.get(), copy);
        FUZZ_CHECK(std::memcmp(copy, b.get(), TK_DATA_SIZE) == 0);
        FUZZ_CHECK((TKGetData30(b.get()) >= 0) == (ok == 1));
        FUZZ_CHECK(device::isValidProbeReply(b.get()) == (b[4] == 0 && ok == 1));
        break;
      }
      case 3: {
        // A caller's frame exactly as long as the count it passes.
        const int count = in.byte() % 8;
        auto b = exactly(in, static_cast<size_t>(count) + (count == 0 ? 1 : 0));
        FUZZ_CHECK(TKPutROM(0, b.get(), count) == 0);  // no port: the write fails
        break;
      }
      case 4: {
        const int count = in.byte() % 34;
        auto b = exactly(in, static_cast<size_t>(count) + (count == 0 ? 1 : 0));
        FUZZ_CHECK(TKPutROM_Start(0, b.get(), count) == 0);
        break;
      }
      case 5: {
        const size_t n = in.byte() % 24;
        const std::string name = in.bytes(n);
        const uint32_t start = in.u32();
        const uint32_t delay = in.u32();
        auto record = device::startRecord(name, start, delay);
        FUZZ_CHECK(record.has_value() == (name.size() <= 16));
        if (record) {
          FUZZ_CHECK((*record)[0] == 0x55 && (*record)[1] == 0xAA);
          FUZZ_CHECK(sumHolds(record->data(), record->size()));
        }
        break;
      }
      case 6: {
        const uint8_t code = in.byte();
        device::CommandFrame f = device::commandFrame(code, in.byte(), in.byte(), in.byte(), in.byte());
        FUZZ_CHECK(f[0] == code && sumHolds(f.data(), f.size()));
        const int value = static_cast<int>(in.u32());
        for (device::CommandFrame g : {device::thresholdFrame(device::kCmdThresholdHour, value),
                                       device::thresholdFrame(device::kCmdThresholdDay, value),
                                       device::resetHoursFrame(value), device::displayFrame(value),
                                       device::buzzerFrame(value & 1), device::baseDataFrame(in.u16())})
          FUZZ_CHECK(sumHolds(g.data(), g.size()));
        FUZZ_CHECK(device::encodeThreshold(value) <= 2 * device::kMaxSettingValue);
        break;
      }
      case 7: {
        const int code = static_cast<int>(in.u32());
        const int s = TKGetSecondByValue(code);
        FUZZ_CHECK(s >= 60 && s <= 3600);
        break;
      }
      case 8: {
        auto b = exactly(in, 16);
        FUZZ_CHECK(device::deviceName(b.get()).size() <= 16);
        break;
      }
      default: {
        device::thresholdText(in.u16());
        device::resetHoursText(in.u16());
        break;
      }
    }
  }
  return 0;
}

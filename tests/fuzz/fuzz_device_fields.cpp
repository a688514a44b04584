// The device dialogs' field parsers with any typed texts and any ROM record:
// the device-state form's settings and frames, and the reservation form's
// date, time and name checks and its start record. Whatever is typed, a
// setting that passes lies within what a frame carries, every frame and
// start record keeps its checksum, and a reserved start never lies before
// the moment it was checked.
#include "CommandFrames.h"
#include "DeviceStateForm.h"
#include "FuzzSupport.h"
#include "ReservationForm.h"
#include "TKCom1.h"

#include <cstring>
#include <string>

namespace {
std::string text(fuzz::Input& in) { return in.bytes(in.byte() % 12); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::useProgramClock();
  fuzz::Input in(data, size);

  RomRecord rom{};
  rom.head = in.byte();
  for (uint16_t& w : rom.words) w = in.u16();

  device::DeviceStateForm form;
  if (in.byte() & 1) device::fillFromRom(form, rom);
  if (in.byte() & 1) form.hourText = text(in);
  if (in.byte() & 1) form.dayText = text(in);
  if (in.byte() & 1) form.startText = text(in);
  if (in.byte() & 1) form.resetText = text(in);
  form.buzzerOn = in.byte() & 1;
  const uint8_t boxes = in.byte();
  form.boxes = {(boxes & 1) != 0, (boxes & 2) != 0, (boxes & 4) != 0};
  if (const auto v = device::settingValue(form.hourText)) FUZZ_CHECK(*v >= 0 && *v <= 9999);
  const device::DeviceStateCheck check = device::checkDeviceState(form);
  FUZZ_CHECK(check.settings.has_value() == (check.message == nullptr));
  if (check.settings) {
    const device::DeviceStateSettings& s = *check.settings;
    FUZZ_CHECK(s.displayMask >= 0 && s.displayMask <= 7);
    for (int v : {s.resetHours, s.thresholdHour, s.thresholdDay, s.thresholdStart}) FUZZ_CHECK(v >= 0 && v <= 9999);
    for (const device::CommandFrame& f : device::deviceStateFrames(s)) FUZZ_CHECK(fuzz::lastByteIsSum(f.data(), f.size()));
  }

  device::ReservationForm reservation;
  device::fillNameFromRom(reservation, rom);
  const int64_t now = static_cast<int64_t>(in.u32());
  if (in.byte() & 1) device::fillStartFromTime(reservation, now + in.u16());
  reservation.reservedStart = in.byte() & 1;
  if (in.byte() & 1) reservation.start.year = text(in);
  if (in.byte() & 1) reservation.start.month = text(in);
  if (in.byte() & 1) reservation.start.day = text(in);
  if (in.byte() & 1) reservation.start.hour = text(in);
  if (in.byte() & 1) reservation.start.minute = text(in);
  if (in.byte() & 1) reservation.deviceName = text(in);
  const device::StartCheck start = device::checkStartOrder(reservation, now);
  FUZZ_CHECK(start.order.has_value() == (start.message == nullptr));
  if (start.order) {
    FUZZ_CHECK(start.order->nameBytes.size() <= 16);
    if (start.order->reserved) FUZZ_CHECK(start.order->target >= now && start.order->target <= INT32_MAX);
    const int64_t sendAt = now + in.u16() % 600;
    if (const auto record = device::startRecordAt(*start.order, sendAt)) {
      FUZZ_CHECK(fuzz::lastByteIsSum(record->data(), record->size()));
      FUZZ_CHECK((*record)[0] == 0x55 && (*record)[1] == 0xAA);
    }
  }
  return 0;
}

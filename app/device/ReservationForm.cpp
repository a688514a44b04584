#include "ReservationForm.h"

#include "DateFields.h"
#include "Replies.h"
#include "ShiftJis.h"

namespace device {

const char* const kDateMessage = "日付・時刻に誤りがあります。";
const char* const kPastDateMessage = "日付・時刻に誤りがあります。\n未来の時間を入力してください。";
const char* const kDeviceNameMessage = "機種名に誤りがあります。";
const char* const kEraseQuestion = "新規に記録を開始すると今までのデータは失われます。\nよろしいですか？";

void fillNameFromRom(ReservationForm& form, const RomRecord& rom) {
  uint8_t name[kDeviceNameSize];
  romNameBytes(rom, name);
  form.deviceName = decodeShiftJisField(reinterpret_cast<const char*>(name), kDeviceNameSize);
}

void fillStartFromTime(ReservationForm& form, int64_t t) { form.start = dateTextsAt(t); }

StartCheck checkStartOrder(const ReservationForm& form, int64_t now) {
  StartCheck check;
  StartOrder order;
  order.reserved = form.reservedStart;
  if (order.reserved) {
    const std::optional<int32_t> target = validLocalTime(calendarFieldsOf(form.start));
    if (!target) {
      check.message = kDateMessage;
      return check;
    }
    if (*target < now) {
      check.message = kPastDateMessage;
      return check;
    }
    order.target = *target;
  }
  const std::optional<std::string> name = encodeShiftJis(form.deviceName);
  if (!name || name->size() > static_cast<size_t>(kDeviceNameSize)) {
    check.message = kDeviceNameMessage;
    return check;
  }
  order.nameBytes = *name;
  check.order = std::move(order);
  return check;
}

std::optional<StartRecord> startRecordAt(const StartOrder& order, int64_t now) {
  if (!order.reserved) return startRecord(order.nameBytes, static_cast<uint32_t>(now), 0);
  const int64_t delay = order.target - now;
  if (delay < 0) return std::nullopt;
  return startRecord(order.nameBytes, static_cast<uint32_t>(order.target), static_cast<uint32_t>(delay));
}

}  // namespace device

#include "DeviceStateForm.h"

#include "DateFields.h"
#include "Replies.h"

namespace device {

const char* const kResetValueMessage = "ﾘｾｯﾄ値を再度入力！\n設定値は 0 ～ 9999 に設定してください。";
const char* const kThresholdMessage = "警告値を再度入力！\n設定値は 0 ～ 9999 に設定してください。";

void fillFromRom(DeviceStateForm& form, const RomRecord& rom) {
  const RomFields fields = romFields(rom);
  form.buzzerOn = fields.buzzerOn;
  // The raw word: a masked one would turn 8 into 0 and tick every box.
  const unsigned display = rom.words[kRomWordDisplay];
  if (display == 0) {
    form.boxes = {true, true, true};
    form.displayMask = 0;
  } else if (display <= 6) {
    form.boxes = {(display & 1) != 0, (display & 2) != 0, (display & 4) != 0};
    form.displayMask = static_cast<int>(display);
  }
  form.hourText = thresholdText(fields.thresholdHour);
  form.dayText = thresholdText(fields.thresholdDay);
  form.startText = thresholdText(fields.thresholdStart);
  form.resetText = resetHoursText(fields.resetHours);
}

int displayMaskOf(const DisplayBoxes& boxes) {
  return (boxes.hour ? 1 : 0) | (boxes.day ? 2 : 0) | (boxes.fromStart ? 4 : 0);
}

std::optional<int> settingValue(std::string_view text) {
  const int value = readDecimalField(text);
  if (value < 0 || value > kMaxSettingValue) return std::nullopt;
  return value;
}

DeviceStateCheck checkDeviceState(const DeviceStateForm& form) {
  DeviceStateCheck check;
  const std::optional<int> reset = form.resetText.empty() ? std::nullopt : settingValue(form.resetText);
  if (!reset) {
    check.message = kResetValueMessage;
    return check;
  }
  int thresholds[3] = {};
  const std::string* texts[3] = {&form.hourText, &form.dayText, &form.startText};
  for (int i = 0; i < 3; ++i) {
    const std::optional<int> mm = settingValue(*texts[i]);
    if (!mm) {
      check.message = kThresholdMessage;
      return check;
    }
    thresholds[i] = *mm;
  }
  check.settings = DeviceStateSettings{form.buzzerOn, displayMaskOf(form.boxes), *reset,
                                       thresholds[0], thresholds[1], thresholds[2]};
  return check;
}

std::array<CommandFrame, 6> deviceStateFrames(const DeviceStateSettings& s) {
  return {buzzerFrame(s.buzzerOn),
          displayFrame(s.displayMask),
          resetHoursFrame(s.resetHours),
          thresholdFrame(kCmdThresholdHour, s.thresholdHour),
          thresholdFrame(kCmdThresholdDay, s.thresholdDay),
          thresholdFrame(kCmdThresholdStart, s.thresholdStart)};
}

}  // namespace device

#pragma once
// DeviceStateForm: what the device-state dialog shows and sends, without a
// widget. It holds the dialog's four texts, the buzzer choice and the three
// display boxes; it fills them from a ROM record, checks them into the values
// the logger takes, and turns those into the six setting frames in the order
// they go out. It does not talk to the port.

#include "CommandFrames.h"
#include "TKCom1.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace device {

extern const char* const kResetValueMessage;  // reset hours empty or outside 0..9999
extern const char* const kThresholdMessage;   // an alarm threshold outside 0..9999

struct DisplayBoxes {
  bool hour = false;       // one-hour rainfall, bit 0
  bool day = false;        // one-day rainfall, bit 1
  bool fromStart = false;  // rainfall from the start of rain, bit 2
  bool operator==(const DisplayBoxes&) const = default;
};

struct DeviceStateForm {
  std::string hourText = "OFF";   // alarm threshold per hour, mm
  std::string dayText = "OFF";    // per day
  std::string startText = "OFF";  // from the start of rain
  std::string resetText = "6";    // rainfall reset value, hours
  bool buzzerOn = true;
  DisplayBoxes boxes;
  int displayMask = 0;  // the display word last read, when it was 0..6
  bool operator==(const DeviceStateForm&) const = default;
};

// Takes the buzzer, display, reset and threshold words of a ROM record into
// the form. The display word is used as it stands: 0 ticks all three boxes,
// 1..6 tick the boxes of its bits, 7 and above leave the boxes alone.
void fillFromRom(DeviceStateForm& form, const RomRecord& rom);

// The mask the three boxes make.
int displayMaskOf(const DisplayBoxes& boxes);

// A typed setting read the way the dialog reads it (leading decimal digits, 0
// when there are none); nothing when the value is negative, overflows or is
// above 9999, which is all the logger's frames carry.
std::optional<int> settingValue(std::string_view text);

// Values checked and ready to send.
struct DeviceStateSettings {
  bool buzzerOn = true;
  int displayMask = 0;   // 0..7
  int resetHours = 0;    // 0..9999
  int thresholdHour = 0; // mm, 0..9999 (0 is off)
  int thresholdDay = 0;
  int thresholdStart = 0;
  bool operator==(const DeviceStateSettings&) const = default;
};

struct DeviceStateCheck {
  std::optional<DeviceStateSettings> settings;
  const char* message = nullptr;  // set when settings is empty; shown with the exclamation icon
};

// The reset text must not be empty; an empty threshold text counts as 0;
// "OFF" reads as 0, which turns that alarm off.
DeviceStateCheck checkDeviceState(const DeviceStateForm& form);

// Buzzer, display, reset hours, then the per-hour, per-day and from-start
// thresholds: the order of framePlan(DeviceOperation::WriteDeviceState).
std::array<CommandFrame, 6> deviceStateFrames(const DeviceStateSettings& settings);

}  // namespace device

#pragma once
// ReservationForm: what the reserved-recording dialog shows and sends,
// without a widget. It holds the start method, the five date and time texts
// and the device name; it fills them from the logger's ROM record and first
// sample time, checks them into a start order (date field by field, a time in
// the future, a name of at most 16 Shift-JIS bytes), and builds the start
// record from that order at the moment of sending. It does not talk to the
// port.

#include "CommandFrames.h"
#include "TKCom1.h"

#include <cstdint>
#include <optional>
#include "DateTexts.h"

#include <string>

namespace device {

extern const char* const kDateMessage;           // a date or time that does not exist
extern const char* const kPastDateMessage;       // a reserved time that has passed
extern const char* const kDeviceNameMessage;     // a name Shift-JIS cannot carry in 16 bytes
extern const char* const kEraseQuestion;         // asked with Yes/No before anything is sent

struct ReservationForm {
  bool reservedStart = true;  // "予約して記録開始する"; false: start at once
  DateTexts start;            // the reserved date and time, as typed
  std::string deviceName;     // UTF-8, as typed
};

// The name of a ROM record (bytes 33..48 up to the first zero), decoded.
void fillNameFromRom(ReservationForm& form, const RomRecord& rom);
// The local date and time of t into the five texts ("2026", "07", "05", ...),
// as dateTextsAt writes them.
void fillStartFromTime(ReservationForm& form, int64_t t);

struct StartOrder {
  bool reserved = false;
  int64_t target = 0;      // reserved: the chosen minute, seconds since 1970 UTC
  std::string nameBytes;   // Shift-JIS, at most 16 bytes
};

struct StartCheck {
  std::optional<StartOrder> order;
  const char* message = nullptr;  // set when order is empty
};

// Checks the form as it stands at now: for a reserved start the date fields
// one by one (1970 up to the last second a signed 32-bit time holds) and a
// target not before now; for either start the name.
StartCheck checkStartOrder(const ReservationForm& form, int64_t now);

// The start record for sending the order at now: an immediate start carries
// now and no delay; a reserved one its target and the seconds left until
// it. Nothing when the target has passed by now.
std::optional<StartRecord> startRecordAt(const StartOrder& order, int64_t now);

}  // namespace device

#pragma once
// Conversions between UTF-8 (the program's texts) and the Shift-JIS bytes
// that data names and device names are kept in, in files and on the wire.
// The plain converters return the input unchanged when it cannot be
// converted (for display and tools); the checked encoder says so instead,
// for fields whose bytes are stored.

#include <cstddef>
#include <optional>
#include <string>

std::string utf8ToShiftJis(const std::string& utf8);
std::string shiftJisToUtf8(const std::string& sjis);

// Shift-JIS bytes of a UTF-8 text, or nothing when some character has no
// Shift-JIS code (or the input is not valid UTF-8).
std::optional<std::string> encodeShiftJis(const std::string& utf8);

// A fixed-size name field (data name, device name) read from its bytes: up to
// the first zero byte or maxBytes, decoded; a trailing lone lead byte is
// dropped rather than decoded as garbage.
std::string decodeShiftJisField(const char* bytes, std::size_t maxBytes);

// True when byte b starts a double-byte Shift-JIS character.
bool isShiftJisLeadByte(unsigned char b);

#pragma once
// Translation between the port's termios settings and the TKDCB that
// TKGetStatus and TKSetStatus exchange with callers. Only the members of a
// TKDCB are touched; every other termios flag is kept as the port has it.

#include "TKCom1.h"

#include <termios.h>

namespace tkcom {

// Fills dcb from t. Returns false when the port's speed has no number.
bool dcbFromTermios(const struct termios& t, TKDCB& dcb);

// Applies dcb to t. Returns false when a setting cannot be expressed on
// this platform (an unknown rate, 1.5 stop bits, a byte size outside 5..8).
bool applyDcb(const TKDCB& dcb, struct termios& t);

// Raw 8-bit transfer: no echo, no line editing, no character translation,
// no signals; VMIN 1 and VTIME 0, so that a read of 0 bytes is a hang-up.
void makeRaw(struct termios& t);

}  // namespace tkcom

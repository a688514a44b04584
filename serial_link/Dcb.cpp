#include "Dcb.h"

#include <cstring>

namespace tkcom {

namespace {

struct Rate {
  uint32_t bits;
  speed_t code;
};

constexpr Rate kRates[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400}, {460800, B460800}, {500000, B500000},
    {576000, B576000}, {921600, B921600}, {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000},
};

bool codeForRate(uint32_t bits, speed_t& code) {
  for (const Rate& r : kRates) {
    if (r.bits == bits) {
      code = r.code;
      return true;
    }
  }
  return false;
}

bool rateForCode(speed_t code, uint32_t& bits) {
  for (const Rate& r : kRates) {
    if (r.code == code) {
      bits = r.bits;
      return true;
    }
  }
  return false;
}

}  // namespace

bool dcbFromTermios(const struct termios& t, TKDCB& dcb) {
  std::memset(&dcb, 0, sizeof dcb);
  dcb.DCBlength = sizeof dcb;
  if (!rateForCode(cfgetospeed(&t), dcb.BaudRate)) return false;
  switch (t.c_cflag & CSIZE) {
    case CS5: dcb.ByteSize = 5; break;
    case CS6: dcb.ByteSize = 6; break;
    case CS7: dcb.ByteSize = 7; break;
    default: dcb.ByteSize = 8; break;
  }
  if ((t.c_cflag & PARENB) == 0) {
    dcb.Parity = TK_NOPARITY;
  } else if (t.c_cflag & CMSPAR) {
    dcb.Parity = (t.c_cflag & PARODD) ? TK_MARKPARITY : TK_SPACEPARITY;
  } else {
    dcb.Parity = (t.c_cflag & PARODD) ? TK_ODDPARITY : TK_EVENPARITY;
  }
  dcb.StopBits = (t.c_cflag & CSTOPB) ? TK_TWOSTOPBITS : TK_ONESTOPBIT;
  dcb.fParity = (t.c_iflag & INPCK) ? 1 : 0;
  dcb.fOutxCtsFlow = (t.c_cflag & CRTSCTS) ? 1 : 0;
  dcb.fOutX = (t.c_iflag & IXON) ? 1 : 0;
  dcb.fInX = (t.c_iflag & IXOFF) ? 1 : 0;
  dcb.fBinary = 1;
  return true;
}

bool applyDcb(const TKDCB& dcb, struct termios& t) {
  speed_t code;
  if (!codeForRate(dcb.BaudRate, code)) return false;
  tcflag_t size;
  switch (dcb.ByteSize) {
    case 5: size = CS5; break;
    case 6: size = CS6; break;
    case 7: size = CS7; break;
    case 8: size = CS8; break;
    default: return false;
  }
  if (dcb.StopBits != TK_ONESTOPBIT && dcb.StopBits != TK_TWOSTOPBITS) return false;
  if (dcb.Parity > TK_SPACEPARITY) return false;
  if (cfsetispeed(&t, code) != 0 || cfsetospeed(&t, code) != 0) return false;
  t.c_cflag = (t.c_cflag & ~CSIZE) | size;
  t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
  switch (dcb.Parity) {
    case TK_ODDPARITY: t.c_cflag |= PARENB | PARODD; break;
    case TK_EVENPARITY: t.c_cflag |= PARENB; break;
    case TK_MARKPARITY: t.c_cflag |= PARENB | PARODD | CMSPAR; break;
    case TK_SPACEPARITY: t.c_cflag |= PARENB | CMSPAR; break;
    default: break;
  }
  if (dcb.fParity) {
    t.c_iflag |= INPCK;
  } else {
    t.c_iflag &= ~INPCK;
  }
  if (dcb.StopBits == TK_TWOSTOPBITS) {
    t.c_cflag |= CSTOPB;
  } else {
    t.c_cflag &= ~CSTOPB;
  }
  if (dcb.fOutxCtsFlow) {
    t.c_cflag |= CRTSCTS;
  } else {
    t.c_cflag &= ~CRTSCTS;
  }
  if (dcb.fOutX) {
    t.c_iflag |= IXON;
  } else {
    t.c_iflag &= ~IXON;
  }
  if (dcb.fInX) {
    t.c_iflag |= IXOFF;
  } else {
    t.c_iflag &= ~IXOFF;
  }
  return true;
}

void makeRaw(struct termios& t) {
  t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY);
  t.c_oflag &= ~OPOST;
  t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag |= CLOCAL | CREAD;
  // VMIN 1: on a non-blocking descriptor an empty queue then reads as
  // EAGAIN, and a read of 0 means only that the other side hung up.
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
}

}  // namespace tkcom

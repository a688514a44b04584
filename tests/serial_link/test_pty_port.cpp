// TKCom1 on a pseudo-terminal: opening, line settings, writes, reads, the
// time-out, hang-ups and closing.
#include "PtyPair.h"
#include "TKCom1.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

class PtyPort : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TKCOM_PORT_DIR", dir.path().c_str(), 1);
    pty = std::make_unique<PtyPair>(dir.path().string(), 2);
  }
  void TearDown() override {
    if (handle != 0) TKCloseComm(&handle);
    pty.reset();
    unsetenv("TKCOM_PORT_DIR");
  }
  void openPort() {
    handle = TKOpenComm(2, 4096, 4096);
    ASSERT_NE(handle, 0);
  }

  TempDir dir;
  std::unique_ptr<PtyPair> pty;
  TKHandle handle = 0;
  uint8_t buf[TK_BUFFER_SIZE];
};

TEST_F(PtyPort, OpenSetsRaw9600EightDataBitsNoParityOneStopBit) {
  // Start from a cooked, 7E2 line at another speed.
  struct termios t {};
  tcgetattr(pty->slaveFd(), &t);
  t.c_lflag |= ICANON | ECHO;
  t.c_oflag |= OPOST;
  t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
  cfsetspeed(&t, B1200);
  tcsetattr(pty->slaveFd(), TCSANOW, &t);

  openPort();
  TKDCB dcb{};
  ASSERT_EQ(TKGetStatus(handle, &dcb), 1);
  EXPECT_EQ(dcb.BaudRate, 9600u);
  EXPECT_EQ(dcb.ByteSize, 8);
  EXPECT_EQ(dcb.Parity, TK_NOPARITY);
  EXPECT_EQ(dcb.StopBits, TK_ONESTOPBIT);
  EXPECT_EQ(dcb.fParity, 0);
  EXPECT_EQ(dcb.DCBlength, sizeof(TKDCB));

  tcgetattr(pty->slaveFd(), &t);
  EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
  EXPECT_EQ(t.c_oflag & OPOST, 0u);
  // 0x0A and 0x0D pass unchanged both ways.
  const uint8_t frame[6] = {0x0A, 0x0D, 0x11, 0x13, 0x03, 0x04};
  EXPECT_EQ(TKWriteComm(handle, frame, 6), 6);
  EXPECT_EQ(pty->receive(6, 2000), Bytes(frame, frame + 6));
  pty->send(Bytes(frame, frame + 6));
  EXPECT_EQ(TKGetInfo(handle, buf, 6), 1);
  EXPECT_EQ(std::memcmp(buf, frame, 6), 0);
}

TEST_F(PtyPort, StatusRoundTripAndRefusedSettings) {
  openPort();
  TKDCB dcb{};
  ASSERT_EQ(TKGetStatus(handle, &dcb), 1);
  // A pseudo-terminal always keeps 8 data bits without parity; rate, stop
  // bits and the input flags do change.
  dcb.BaudRate = 19200;
  dcb.fParity = 1;
  dcb.fOutX = 1;
  dcb.StopBits = TK_TWOSTOPBITS;
  EXPECT_EQ(TKSetStatus(handle, &dcb), 1);
  TKDCB back{};
  ASSERT_EQ(TKGetStatus(handle, &back), 1);
  EXPECT_EQ(back.BaudRate, 19200u);
  EXPECT_EQ(back.fParity, 1);
  EXPECT_EQ(back.fOutX, 1);
  EXPECT_EQ(back.StopBits, TK_TWOSTOPBITS);

  TKDCB odd = back;
  odd.StopBits = TK_ONE5STOPBITS;
  EXPECT_EQ(TKSetStatus(handle, &odd), 0);
  odd = back;
  odd.BaudRate = 12345;
  EXPECT_EQ(TKSetStatus(handle, &odd), 0);
  odd = back;
  odd.ByteSize = 9;
  EXPECT_EQ(TKSetStatus(handle, &odd), 0);
  ASSERT_EQ(TKGetStatus(handle, &back), 1);
  EXPECT_EQ(back.BaudRate, 19200u) << "a refused setting changes nothing";
}

TEST_F(PtyPort, WritesSendExactlyTheCountAsked) {
  openPort();
  const uint8_t rom[6] = {0x20, 0x00, 0x00, 0x00, 0x00, 0x20};
  EXPECT_EQ(TKWriteComm(handle, rom, 6), 6);
  EXPECT_EQ(pty->receive(6, 2000), Bytes(rom, rom + 6));

  EXPECT_EQ(TKPutROM(handle, rom, 1), 1);
  EXPECT_EQ(TKPutROM(handle, rom, 6), 1);
  EXPECT_EQ(pty->receive(8, 500), Bytes({0x20, 0x20, 0, 0, 0, 0, 0x20}));

  uint8_t start[32];
  for (int i = 0; i < 32; ++i) start[i] = static_cast<uint8_t>(0x55 + i);
  EXPECT_EQ(TKPutROM_Start(handle, start, 32), 1);
  EXPECT_EQ(pty->receive(33, 500), Bytes(start, start + 32));

  Bytes big(4096);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7 + 1);
  EXPECT_EQ(TKWriteComm(handle, big.data(), 4096), 4096);
  EXPECT_EQ(pty->receive(4096, 2000), big);
  EXPECT_EQ(TKWriteComm(handle, big.data(), 0), 0);
}

TEST_F(PtyPort, ReadWaitsForAReplyArrivingInPieces) {
  openPort();
  Bytes reply(67);
  for (int i = 0; i < 67; ++i) reply[i] = static_cast<uint8_t>(i + 1);
  std::thread far([&] {
    pty->send(Bytes(reply.begin(), reply.begin() + 10));
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
    pty->send(Bytes(reply.begin() + 10, reply.end()));
  });
  std::memset(buf, 0x99, sizeof buf);
  int n = TKReadComm(handle, buf, 67);
  far.join();
  EXPECT_EQ(n, 67);
  EXPECT_EQ(Bytes(buf, buf + 67), reply);
  EXPECT_EQ(buf[67], 0);
  EXPECT_EQ(buf[4095], 0) << "4096 bytes are cleared whatever the count";
}

TEST_F(PtyPort, ShortReplyIsReturnedShortAfterTheTenSecondTimeOut) {
  openPort();
  pty->send({0x07, 0x10, 0x00, 0x00, 0x00});
  auto t0 = Clock::now();
  int n = TKReadComm(handle, buf, TK_BASE_DATA_SIZE);
  auto waited = Clock::now() - t0;
  EXPECT_EQ(n, 5);
  EXPECT_EQ(buf[0], 0x07);
  EXPECT_GE(waited, std::chrono::milliseconds(9900));
  EXPECT_LT(waited, std::chrono::seconds(30));
}

TEST_F(PtyPort, HangUpEndsTheReadAtOnce) {
  openPort();
  std::thread far([&] {
    pty->send({0x01, 0x02});
    pty->hangUpWhenRead(5000);
  });
  auto t0 = Clock::now();
  int n = TKReadComm(handle, buf, 6);
  far.join();
  EXPECT_EQ(n, 2) << "what arrived is returned";
  EXPECT_EQ(TKReadComm(handle, buf, 6), TK_ERR_EOF);
  EXPECT_LT(Clock::now() - t0, std::chrono::seconds(5));
  const uint8_t frame[6] = {0x30, 1, 1, 1, 1, 0x34};
  EXPECT_EQ(TKWriteComm(handle, frame, 6), TK_ERR_WRITE);
  EXPECT_EQ(TKPutROM(handle, frame, 6), 0);
}

TEST_F(PtyPort, LeadingZeroByteBeforeAHangUpCountsAsEndOfFile) {
  openPort();
  std::thread far([&] {
    pty->send({0x00, 0x05, 0x06});
    pty->hangUpWhenRead(5000);
  });
  int n = TKReadComm(handle, buf, 6);
  far.join();
  EXPECT_EQ(n, TK_ERR_EOF);
  EXPECT_EQ(buf[1], 0x05) << "the bytes did arrive";
}

TEST_F(PtyPort, ShortBlockLeavesThePreviousBlock) {
  openPort();
  BaseDataRecord rec{};
  Bytes block(4096);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i);
  pty->send(block);
  ASSERT_EQ(TKGetSaveData(handle, &rec), 1);
  EXPECT_EQ(Bytes(rec.block.bytes, rec.block.bytes + 4096), block);

  std::thread far([&] {
    pty->send(Bytes(100, 0xEE));
    pty->hangUpWhenRead(5000);
  });
  EXPECT_EQ(TKGetSaveData(handle, &rec), 0);
  far.join();
  EXPECT_EQ(Bytes(rec.block.bytes, rec.block.bytes + 4096), block);
}

TEST_F(PtyPort, OpenDiscardsWhatWaitedAndFlushDiscardsInput) {
  pty->send({0xAA, 0xBB, 0xCC});
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  openPort();
  pty->send({0x41, 0x42});
  EXPECT_EQ(TKGetInfo(handle, buf, 2), 1);
  EXPECT_EQ(buf[0], 0x41);

  pty->send({0x58, 0x59});
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(TKFlushComm(handle, 1), 1);
  EXPECT_EQ(TKFlushComm(handle, 0), 1);
  EXPECT_EQ(TKFlushComm(handle, 5), 5);
  pty->send({0x51});
  EXPECT_EQ(TKGetInfo(handle, buf, 1), 1);
  EXPECT_EQ(buf[0], 0x51);
}

TEST_F(PtyPort, PortInUseOrMissingGivesZero) {
  openPort();
  EXPECT_EQ(TKOpenComm(2, 8, 8), 0) << "a second open of a port in use";
  EXPECT_EQ(TKOpenComm(11, 8, 8), 0) << "no link and no default device";
  symlink((dir.path() / "absent").c_str(), (dir.path() / "COM6").c_str());
  EXPECT_EQ(TKOpenComm(6, 8, 8), 0) << "a dangling link";
  { std::ofstream(dir.file("COM7")) << "not a terminal"; }
  EXPECT_EQ(TKOpenComm(7, 8, 8), 0) << "a plain file";
  EXPECT_EQ(TKOpenComm(2 + 65536, 8, 8), 0) << "the number is taken as 16 bits: COM2, in use";

  ASSERT_EQ(TKCloseComm(&handle), 1);
  handle = TKOpenComm(2, 8, 8);
  EXPECT_NE(handle, 0) << "free again after the close";
}

TEST_F(PtyPort, CloseTwiceAndStaleHandles) {
  openPort();
  TKHandle copy = handle;
  EXPECT_EQ(TKCloseComm(&handle), 1);
  EXPECT_EQ(handle, 0);
  EXPECT_EQ(TKCloseComm(&handle), 0);
  EXPECT_EQ(handle, 0);
  // A copy of the closed handle must reach nothing.
  EXPECT_EQ(TKCloseComm(&copy), 0);
  EXPECT_EQ(TKWriteComm(copy, buf, 1), TK_ERR_WRITE);
  EXPECT_EQ(TKReadComm(copy, buf, 1), TK_ERR_READ);
}

TEST_F(PtyPort, HandleIsNeverZeroWhenStandardInputIsClosed) {
  int saved = fcntl(0, F_DUPFD_CLOEXEC, 10);
  close(0);
  TKHandle h = TKOpenComm(2, 4096, 4096);
  bool zeroStillFree = fcntl(0, F_GETFD) < 0;
  if (saved >= 0) {
    dup2(saved, 0);
    close(saved);
  }
  EXPECT_GT(h, 2);
  EXPECT_TRUE(zeroStillFree);
  EXPECT_EQ(TKCloseComm(&h), 1);
}

}  // namespace

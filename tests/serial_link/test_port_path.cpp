// COM numbers to devices: the ports folder first, then the built-in table.
#include "PortPath.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

class PortPathTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TKCOM_PORT_DIR", dir.path().c_str(), 1); }
  void TearDown() override { unsetenv("TKCOM_PORT_DIR"); }
  TempDir dir;
};

TEST_F(PortPathTest, LinkInThePortsFolderWinsEvenWhenDangling) {
  std::filesystem::create_symlink("/dev/null", dir.file("COM3"));
  std::filesystem::create_symlink(dir.file("nowhere"), dir.file("COM4"));
  EXPECT_EQ(tkcom::devicePathForPort(3), dir.file("COM3"));
  EXPECT_EQ(tkcom::devicePathForPort(4), dir.file("COM4"));
  std::filesystem::create_symlink("/dev/null", dir.file("COM12"));
  EXPECT_EQ(tkcom::devicePathForPort(12), dir.file("COM12"));
}

TEST_F(PortPathTest, DefaultTableWithoutLinks) {
  EXPECT_EQ(tkcom::devicePathForPort(1), "/dev/ttyUSB0");
  EXPECT_EQ(tkcom::devicePathForPort(4), "/dev/ttyUSB3");
  EXPECT_EQ(tkcom::devicePathForPort(5), "/dev/ttyS0");
  EXPECT_EQ(tkcom::devicePathForPort(8), "/dev/ttyS3");
  EXPECT_EQ(tkcom::devicePathForPort(9), "/dev/ttyACM0");
  EXPECT_EQ(tkcom::devicePathForPort(0), "");
  EXPECT_EQ(tkcom::devicePathForPort(10), "");
}

TEST(PortsDirectory, DefaultsToTheUsersConfigFolder) {
  unsetenv("TKCOM_PORT_DIR");
  const char* oldHome = std::getenv("HOME");
  std::string saved = oldHome ? oldHome : "";
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(tkcom::portsDirectory(), "/home/someone/.config/hyetoscope/ports");
  setenv("TKCOM_PORT_DIR", "/tmp/p", 1);
  EXPECT_EQ(tkcom::portsDirectory(), "/tmp/p");
  unsetenv("TKCOM_PORT_DIR");
  if (oldHome) setenv("HOME", saved.c_str(), 1); else unsetenv("HOME");
}

}  // namespace

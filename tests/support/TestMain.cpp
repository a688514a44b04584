// Test entry point for tests without widgets: the recording's clock is UTC+9
// whatever the machine's zone, as in the program.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

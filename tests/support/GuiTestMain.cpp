// Test entry point for widget tests: UTC+9 like the program, and a
// QApplication on whatever platform CTest selected (offscreen).
#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  setenv("TZ", "JST-9", 1);
  tzset();
  // Widget tests never need a display; test discovery runs them without
  // the environment CTest sets.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

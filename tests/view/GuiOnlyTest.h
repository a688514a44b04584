#pragma once
// A test fixture for drawing tests with Qt Gui only: one QGuiApplication on
// the offscreen platform for the suite, no QApplication, no Qt Widgets.

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <cstdlib>
#include <memory>

class GuiOnly : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "chart_painter_tests";
    static char* argv[] = {name, nullptr};
    app() = std::make_unique<QGuiApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app().reset(); }

 private:
  static std::unique_ptr<QGuiApplication>& app() {
    static std::unique_ptr<QGuiApplication> instance;
    return instance;
  }
};

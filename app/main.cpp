// The hyetoscope program: the clock first, then the Qt application and the
// start-up of CHyetoscopeApp. HY_EXIT_AFTER_FIRST_PAINT=1 makes the program
// print the monotonic time of its first complete paint and quit, which the
// start-up benchmark measures.
#include "CHyetoscopeApp.h"
#include "CHyetoscopeView.h"
#include "CLogstore1App.h"
#include "CMainFrame.h"
#include "QtUserMessages.h"
#include "RecordingState.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  applyProgramClock();
  QApplication qtApp(argc, argv);
  applyProgramClock();

  QtUserMessages messages;
  QWidget* dialogParent = nullptr;
  logstore::CLogstore1App::SetFileChooser(qtFileChooser(&dialogParent));

  // A file for the program already running goes to it; this start ends.
  if (CHyetoscopeApp::handOverToRunningProgram(QApplication::arguments())) return 0;

  CHyetoscopeApp app(recordingState(), messages);
  const bool timing = std::getenv("HY_EXIT_AFTER_FIRST_PAINT") != nullptr;
  if (!app.initInstance(QApplication::arguments())) return 1;
  dialogParent = app.mainFrame();
  messages.setParent(app.mainFrame());
  if (timing) {
    app.mainFrame()->view()->setFirstPaintHandler([] {
      timespec now{};
      clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("first-paint-ns %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
  }
  return QApplication::exec();
}

#pragma once
// CHyetoscopeApp: the program's start-up. In order: the recording clock
// (UTC+9) and locale, the settings store, the document with its frame and
// view, the command line (a file goes through the document's open path and a
// failure ends start-up), showing the window, the serial port number, and
// the file-type registration in the user's desktop data.
//
// It owns the document and the main frame. It does not own the Qt
// application object or the messages (the caller's, so tests can script
// them).

#include <QStringList>

#include <memory>

class CHyetoscopeDoc;
class CMainFrame;
class UserMessages;
struct RecordingState;

// Sets the process's clock to UTC+9 without daylight saving and numbers to
// the "C" form; every local-time conversion relies on it.
void applyProgramClock();

class CHyetoscopeApp {
 public:
  CHyetoscopeApp(RecordingState& state, UserMessages& messages);
  ~CHyetoscopeApp();

  // Runs the start-up with the program's arguments (arguments[0] is the
  // program). Returns false when the program must end.
  bool initInstance(const QStringList& arguments);

  CHyetoscopeDoc& document() { return *m_doc; }
  CMainFrame* mainFrame() const { return m_frame.get(); }

 private:
  RecordingState& m_state;
  UserMessages& m_messages;
  std::unique_ptr<CHyetoscopeDoc> m_doc;
  std::unique_ptr<CMainFrame> m_frame;
};

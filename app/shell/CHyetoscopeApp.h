#pragma once
// CHyetoscopeApp: the program's start-up. In order: the recording clock
// (UTC+9) and locale, the settings store, the document with its frame and
// view, the command line (a file goes through the document's open path and a
// failure ends start-up), showing the window, the serial port number, and
// the file-type registration in the user's desktop data.
//
// Qt's own dialogs (file chooser, message box buttons, printing) speak
// Japanese like the rest of the program. A start with a file while the
// program already runs hands the file over instead (SingleInstance).
//
// It owns the document, the main frame and the listening socket. It does not own the Qt
// application object or the messages (the caller's, so tests can script
// them).

#include <QStringList>

#include <memory>

class CHyetoscopeDoc;
class CMainFrame;
class QTranslator;
class SingleInstance;
class UserMessages;
struct RecordingState;

// Sets the process's clock to UTC+9 without daylight saving and numbers to
// the "C" form; every local-time conversion relies on it.
void applyProgramClock();
// The organisation and program names the settings file is found by; a test
// that clears the settings before the start-up names them first.
void applyProgramIdentity();

class CHyetoscopeApp {
 public:
  CHyetoscopeApp(RecordingState& state, UserMessages& messages);
  ~CHyetoscopeApp();

  // Runs the start-up with the program's arguments (arguments[0] is the
  // program). Returns false when the program must end.
  bool initInstance(const QStringList& arguments);

  // When the arguments name a file and a program is already running, hands
  // the file to it; true means this start is done and should end.
  static bool handOverToRunningProgram(const QStringList& arguments);
  // The data file the arguments name, or an empty string.
  static QString commandLineFile(const QStringList& arguments);

  CHyetoscopeDoc& document() { return *m_doc; }
  CMainFrame* mainFrame() const { return m_frame.get(); }

 private:
  RecordingState& m_state;
  UserMessages& m_messages;
  std::unique_ptr<CHyetoscopeDoc> m_doc;
  std::unique_ptr<CMainFrame> m_frame;
  std::unique_ptr<QTranslator> m_qtTranslator;
  std::unique_ptr<SingleInstance> m_instance;
};

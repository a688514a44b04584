#pragma once
// CHyetoscopeDoc: the program's single document. It owns the FileImage, the
// RecordingBuffer and the DisplaySeries (allocated once, never reallocated),
// the interval mode with its vertical maxima, and the flags the commands are
// enabled by. It carries out the ways a recording enters (open command, open
// path of the command line) and leaves (close command), and rebuilds the
// DisplaySeries for the current mode.
//
// It does not own the view or any widget: it reaches the view through
// DocumentViews and the user through UserMessages, and reads the program-wide
// RecordingState (current path, pending record-condition changes).

#include "CommandEnabling.h"
#include "DisplaySeries.h"
#include "DocumentViews.h"
#include "FileImage.h"
#include "IntervalMode.h"
#include "RecordConditions.h"
#include "RecordingBuffer.h"
#include "UserMessages.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

struct RecordingState;

// How an open of a named file ended.
enum class OpenResult { Opened, Cancelled, Failed };

// Who asks the SaveChangesPrompt: in the close command Cancel means No.
enum class PromptCaller { OpenCommand, CloseCommand, MainFrameClose, OpenPath };

class CHyetoscopeDoc {
 public:
  CHyetoscopeDoc(RecordingState& state, UserMessages& messages);
  ~CHyetoscopeDoc();
  CHyetoscopeDoc(const CHyetoscopeDoc&) = delete;
  CHyetoscopeDoc& operator=(const CHyetoscopeDoc&) = delete;

  void setViews(DocumentViews* views) { m_views = views; }

  // The open path of the command line. Returns false (after telling the
  // user why) when the file cannot be loaded; the document is then unchanged.
  bool onOpenDocument(const std::string& path);
  // The open recording command: asks for a file through the data-file
  // library's chooser and loads it; ends in hourly display.
  void onOpenRecording();
  // Opens a named file in the running program (a recent file, or a file
  // handed over by a second start): the save prompt first, then the open
  // command's steps without its chooser. Failed after the load-failure
  // message; Cancelled when the prompt stopped it.
  OpenResult openRecordingFile(const std::string& path);
  // Told of every file a user asked to open and whether it loaded (the
  // recent-file list follows it).
  void setOpenedHandler(std::function<void(const std::string&, bool)> handler) { m_opened = std::move(handler); }
  // Shows a recording put together in memory (a span of the station
  // archive, ArchiveRecording.h) as the open command shows a file: the save
  // prompt first (false when it stops), then the hourly display from the
  // start. It is no file: the current path is cleared, so nothing is ever
  // written back to it; the user saves it through the save commands.
  // title names the window; note is what the status row says of it.
  bool openBuiltRecording(const RecordingBuffer& built, const std::string& title, const std::string& note);
  // Where the shown recording came from when it is no file (empty otherwise).
  const std::string& sourceNote() const { return m_sourceNote; }
  // The close recording command.
  void onCloseRecording();
  // The reload after a download: loads CurrentDataPath unless it is "ER" or
  // empty or the logger held no data. Pending record-condition changes are
  // dropped (they were offered for saving before the download started), so
  // they can never be written into the new file. Returns whether it loaded.
  bool reloadAfterDownload(bool noData);
  // The prompt about pending record-condition changes. Returns true when the
  // asking operation may go on (Yes written, or No), false when it stops.
  bool saveChangesPrompt(PromptCaller caller);

  // The record-condition command: the dialog is given the current start time
  // and name and answers the change, or nothing when cancelled.
  using RecordConditionDialog =
      std::function<std::optional<RecordConditionChange>(const RecordConditionTexts& current)>;
  void onRecordConditions(const RecordConditionDialog& dialog);
  // A confirmed record-condition change: the recording's start time and
  // data name (Shift-JIS, at most 16 bytes) change in memory and wait for
  // the overwrite save; the display starts afresh as after an open, and an
  // open data list is closed (it shows the old series).
  void applyRecordConditions(int32_t startTime, const std::string& name);
  // The overwrite save: writes the pending start time and name into the
  // current file. Only a successful write clears the pending state; a
  // failure is told and the change kept. Returns whether it was written.
  bool onOverwriteSave();

  // Rebuilds the DisplaySeries for the current interval mode.
  void rebuild();

  EnablingInputs enablingInputs() const;
  // The program-wide recording state this document works on.
  RecordingState& recordingState() { return m_state; }
  const std::string& title() const { return m_title; }
  // The user messages the document was given, for the dialogs of the view.
  UserMessages& messages() { return m_messages; }

  bool loadedFlag = false;
  bool undoAvailable = false;
  bool redoAvailable = false;
  IntervalMode intervalMode = IntervalMode::Hourly;
  double valueUnderA = 0;
  double valueUnderB = 0;
  bool openedByDocument = false;
  int tableKind = 0;
  int printKind = -1;
  bool tableFlag = false;  // the next print job prints a table, not the graph
  bool dataListOpen = false;

  int& verticalMax(IntervalMode mode) { return m_verticalMax[static_cast<int>(mode)]; }
  int verticalMax(IntervalMode mode) const { return m_verticalMax[static_cast<int>(mode)]; }
  RecordingBuffer& recording() { return *m_recording; }
  const RecordingBuffer& recording() const { return *m_recording; }
  DisplaySeries& series() { return *m_series; }
  const DisplaySeries& series() const { return *m_series; }

 private:
  // Loads path into the FileImage; tells the user and returns false when the
  // data-file library refuses it (the image is then untouched).
  // atStartUp: the file came from the command line and the program ends
  // after the message.
  bool loadImage(const std::string& path, bool atStartUp = false);
  // The open command's steps after the file is chosen; false when refused.
  bool loadRecording(const std::string& name);
  // The display after a load or a record-condition change: hourly (through
  // the posted interval command) over the whole series, history cleared.
  void reinitialiseDisplay();
  // SaveStartTime of the pending changes into the current file; tells the
  // user when it fails.
  bool writePendingChanges();
  void setTitle(std::string title);
  void updateAllViews();

  RecordingState& m_state;
  UserMessages& m_messages;
  DocumentViews* m_views = nullptr;
  std::unique_ptr<FileImage> m_image;
  std::unique_ptr<RecordingBuffer> m_recording;
  std::unique_ptr<DisplaySeries> m_series;
  int m_verticalMax[4] = {100, 400, 50, 800};  // Hourly, Daily, TenMinute, Monthly
  std::string m_title = "Hyeto";
  std::string m_sourceNote;
  std::function<void(const std::string&, bool)> m_opened;
};

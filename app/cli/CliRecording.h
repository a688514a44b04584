#pragma once
// CliRecording: one data file opened as the window opens it, through the
// program's document (its open path, its series rebuild and its vertical
// maxima), for the subcommands that read recordings.
//
// Owns a document and a recording state of its own; nothing is shown: the
// document's messages are kept as text for the caller to print. Does not
// draw or write anything.

#include "CHyetoscopeDoc.h"
#include "IntervalMode.h"
#include "RecordingState.h"
#include "UserMessages.h"

#include <memory>
#include <string>

class CliRecording {
 public:
  CliRecording();
  ~CliRecording();
  CliRecording(const CliRecording&) = delete;
  CliRecording& operator=(const CliRecording&) = delete;

  // Loads path. False when the data-file library refuses it; message() then
  // holds the program's text naming the file.
  bool open(const std::string& path);
  // Rebuilds the display series for mode, shown whole. False when the
  // recording cannot be bucketed (its record interval is not 600 s);
  // message() then says so, naming the file.
  bool selectInterval(IntervalMode mode);

  const std::string& message() const { return m_messages.last; }
  const std::string& path() const { return m_path; }
  CHyetoscopeDoc& doc() { return *m_doc; }

 private:
  struct KeptMessages : UserMessages {
    MessageAnswer show(const std::string& text, MessageIcon, MessageButtons) override {
      last = text;
      return MessageAnswer::No;
    }
    std::string last;
  };

  RecordingState m_state;
  KeptMessages m_messages;
  std::unique_ptr<CHyetoscopeDoc> m_doc;
  std::string m_path;
};

#pragma once
// RainAnalysisCommand: the rain analysis command of the main window and the
// one analysis window it opens. It keeps the window on the recording the
// document holds: after every change of the program's state, follow()
// reloads the window when another recording (or the same one changed) is
// loaded, and closes it when none is. It carries out the window's zoom
// request on the view: the chart goes to the ten-minute mode (the slots the
// events are made of) and takes one band zoom onto the event.
//
// Owns the window while it is open; does not own the document or the view.

#include "CRainAnalysisDlg.h"

#include <QPointer>

#include <cstdint>
#include <functional>

class CHyetoscopeDoc;
class CHyetoscopeView;
class UserMessages;

class RainAnalysisCommand {
 public:
  RainAnalysisCommand(CHyetoscopeDoc& doc, CHyetoscopeView& view, UserMessages& messages, QWidget* parent);
  ~RainAnalysisCommand();

  // Shows the window (a second call raises the one open).
  void open();
  void follow();
  void zoomToEvent(const StormEvent& event);

  CRainAnalysisDlg* window() const { return m_window.data(); }
  // Replaces the window's dialogs from the next open on (tests).
  void setDialogHooks(CRainAnalysisDlg::Hooks hooks) { m_testHooks = std::move(hooks); }

 private:
  uint64_t fingerprint() const;
  void close();

  CHyetoscopeDoc& m_doc;
  CHyetoscopeView& m_view;
  UserMessages& m_messages;
  QWidget* m_parent;
  QPointer<CRainAnalysisDlg> m_window;
  uint64_t m_shown = 0;  // the fingerprint of the recording the window shows
  CRainAnalysisDlg::Hooks m_testHooks;
};

#include "CliRecording.h"

CliRecording::CliRecording() : m_doc(std::make_unique<CHyetoscopeDoc>(m_state, m_messages)) {}

CliRecording::~CliRecording() = default;

bool CliRecording::open(const std::string& path) {
  m_messages.last.clear();
  m_path = path;
  if (!m_doc->onOpenDocument(path)) {
    // The document's text ends with a line for the window ("what is shown
    // stays"); a batch run has nothing shown.
    std::string& text = m_messages.last;
    const auto cut = text.rfind('\n');
    if (cut != std::string::npos) text.erase(cut);
    for (char& c : text)
      if (c == '\n') c = ' ';
    return false;
  }
  return true;
}

bool CliRecording::selectInterval(IntervalMode mode) {
  CHyetoscopeDoc& doc = *m_doc;
  doc.loadedFlag = false;  // a rebuild with nothing loaded shows the whole series
  doc.intervalMode = mode;
  doc.rebuild();
  doc.series().firstShownIndex = 0;
  doc.loadedFlag = true;
  if (doc.recording().recordInterval() != kRecordInterval) {
    m_messages.last = "記録ﾃﾞｰﾀ " + m_path + " の記録間隔が600秒ではありません。";
    return false;
  }
  return true;
}

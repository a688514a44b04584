#include "CHyetoscopeDoc.h"

#include "LoadFailureText.h"
#include "RecordingState.h"
#include "SeriesForMode.h"

#include <cstring>
#include <filesystem>

namespace {
const char* const kFilterText = "*.HYX;*.HYY";

std::string replaceFirst(std::string text, const std::string& what, const std::string& with) {
  auto at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}
}  // namespace

CHyetoscopeDoc::CHyetoscopeDoc(RecordingState& state, UserMessages& messages)
    : m_state(state),
      m_messages(messages),
      m_image(std::make_unique<FileImage>()),
      m_recording(std::make_unique<RecordingBuffer>()),
      m_series(std::make_unique<DisplaySeries>()) {
  std::memset(m_image.get(), 0, sizeof(FileImage));
  std::memset(m_recording.get(), 0, sizeof(RecordingBuffer));
}

CHyetoscopeDoc::~CHyetoscopeDoc() = default;

void CHyetoscopeDoc::updateAllViews() {
  if (m_views) m_views->updateAllViews();
}

void CHyetoscopeDoc::setTitle(std::string title) { m_title = std::move(title); }

EnablingInputs CHyetoscopeDoc::enablingInputs() const {
  EnablingInputs in;
  in.loaded = loadedFlag;
  in.undoAvailable = undoAvailable;
  in.redoAvailable = redoAvailable;
  in.mode = intervalMode;
  in.dataModified = m_state.dataModified;
  in.dataListOpen = dataListOpen;
  in.notAFile = !m_sourceNote.empty();
  return in;
}

bool CHyetoscopeDoc::loadImage(const std::string& path, bool atStartUp) {
  logstore::CLogstore1App store;
  if (store.BfileToBuff(path.c_str(), m_image->bytes) != 0) return true;
  const std::string text =
      atStartUp ? startupLoadFailureText(path, store.lastError()) : loadFailureText(path, store.lastError());
  m_messages.show(text, MessageIcon::Error, MessageButtons::Ok);
  return false;
}

bool CHyetoscopeDoc::saveChangesPrompt(PromptCaller caller) {
  if (m_state.dataModified != 1) return true;
  const std::string text = replaceFirst("%s の変更を保存しますか。", "%s", m_state.currentDataPath);
  MessageAnswer answer = m_messages.show(text, MessageIcon::Exclamation, MessageButtons::YesNoCancel);
  if (answer == MessageAnswer::Cancel) {
    if (caller != PromptCaller::CloseCommand) return false;
    answer = MessageAnswer::No;
  }
  // The changes exist nowhere else: when they cannot be written, keep them
  // and stop whatever asked.
  if (answer == MessageAnswer::Yes && !writePendingChanges()) return false;
  m_state.dataModified = 0;
  return true;
}

bool CHyetoscopeDoc::onOpenDocument(const std::string& path) {
  // Pending changes belong to the file shown now: settle them before any
  // other file becomes current, so they can never be written into it.
  if (!saveChangesPrompt(PromptCaller::OpenPath)) return false;
  if (!loadImage(path, true)) {
    updateAllViews();
    if (m_opened) m_opened(path, false);
    return false;
  }
  // Only a file that loaded becomes the current one.
  m_state.currentDataPath = path;
  m_sourceNote.clear();
  loadedFlag = false;
  intervalMode = IntervalMode::Hourly;
  copyFileImage(*m_image, *m_recording);
  rebuild();
  m_series->firstShownIndex = 0;
  m_state.firstShownIndexMirror = 0;
  m_series->verticalMax = verticalMax(IntervalMode::Hourly);
  // Like the open command: a new recording starts without zoom history.
  undoAvailable = false;
  if (m_views) m_views->resetWindowAndHistory();
  loadedFlag = true;
  openedByDocument = true;
  // The open path names the document after the file, as a shell open does;
  // named before the update so that the window title follows at once.
  setTitle(std::filesystem::path(path).filename().string());
  updateAllViews();
  if (m_opened) m_opened(path, true);
  return true;
}

void CHyetoscopeDoc::onOpenRecording() {
  if (!saveChangesPrompt(PromptCaller::OpenCommand)) return;
  m_state.dataModified = 0;
  std::string name;
  {
    logstore::CLogstore1App store;
    name = store.GetFileName(logstore::kModeBinary, logstore::kPurposeOpen);
  }
  if (name == "ER" || name.empty() || name == kFilterText) return;
  const bool loaded = loadRecording(name);
  if (m_opened) m_opened(name, loaded);
}

OpenResult CHyetoscopeDoc::openRecordingFile(const std::string& path) {
  if (!saveChangesPrompt(PromptCaller::OpenCommand)) return OpenResult::Cancelled;
  m_state.dataModified = 0;
  const bool loaded = loadRecording(path);
  if (m_opened) m_opened(path, loaded);
  return loaded ? OpenResult::Opened : OpenResult::Failed;
}

bool CHyetoscopeDoc::loadRecording(const std::string& name) {
  if (!loadImage(name)) {
    updateAllViews();
    return false;
  }
  setTitle(name);
  m_state.currentDataPath = name;
  m_sourceNote.clear();
  copyFileImage(*m_image, *m_recording);
  reinitialiseDisplay();
  updateAllViews();
  return true;
}

bool CHyetoscopeDoc::openBuiltRecording(const RecordingBuffer& built, const std::string& title,
                                        const std::string& note) {
  if (!saveChangesPrompt(PromptCaller::OpenCommand)) return false;
  m_state.dataModified = 0;
  if (m_views) m_views->postCloseDataList();
  std::memcpy(m_recording.get(), &built, sizeof(RecordingBuffer));
  setTitle(title);
  m_state.currentDataPath.clear();
  m_sourceNote = note;
  reinitialiseDisplay();
  updateAllViews();
  return true;
}

void CHyetoscopeDoc::reinitialiseDisplay() {
  loadedFlag = false;
  // Daily now, so that the queued hourly command finds a change to make and
  // puts the display (and its check mark) on the hourly interval.
  intervalMode = IntervalMode::Daily;
  if (m_views) {
    m_views->clearRememberedWindows();
    m_views->postIntervalCommand(IntervalMode::Hourly);
  }
  rebuild();
  m_series->firstShownIndex = 0;
  m_state.firstShownIndexMirror = 0;
  undoAvailable = false;
  if (m_views) m_views->resetWindowAndHistory();
  m_series->verticalMax = verticalMax(IntervalMode::Hourly);
  if (m_views) m_views->showData();
  loadedFlag = true;
}

void CHyetoscopeDoc::onRecordConditions(const RecordConditionDialog& dialog) {
  const RecordConditionTexts current = recordConditionTexts(*m_recording);
  char firstBytes[17] = {};
  std::memcpy(firstBytes, m_recording->dataName, 16);
  m_state.setPendingName(firstBytes);
  const std::optional<RecordConditionChange> change = dialog(current);
  if (change) applyRecordConditions(change->startTime, change->name);
}

void CHyetoscopeDoc::applyRecordConditions(int32_t startTime, const std::string& name) {
  m_state.dataModified = 1;
  m_recording->startTime = startTime;
  m_state.pendingStartTime = startTime;
  const std::string kept = name.substr(0, 16);
  m_state.setPendingName(kept.c_str());
  std::memset(m_recording->dataName, 0, sizeof m_recording->dataName);
  std::memcpy(m_recording->dataName, kept.data(), kept.size());
  if (m_views) m_views->postCloseDataList();
  reinitialiseDisplay();
  m_series->cursorA = 0;
  m_series->cursorB = 0;
  updateAllViews();
}

bool CHyetoscopeDoc::writePendingChanges() {
  logstore::CLogstore1App store;
  if (store.SaveStartTime(m_state.currentDataPath.c_str(), m_state.pendingStartTime, m_state.pendingDataName) != 0)
    return true;
  m_messages.show(saveFailureText(m_state.currentDataPath), MessageIcon::Error, MessageButtons::Ok);
  return false;
}

bool CHyetoscopeDoc::onOverwriteSave() {
  const bool written = writePendingChanges();
  if (written) m_state.dataModified = 0;
  updateAllViews();
  return written;
}

void CHyetoscopeDoc::onCloseRecording() {
  if (!saveChangesPrompt(PromptCaller::CloseCommand)) return;
  m_state.dataModified = 0;
  setTitle("Untitled");
  m_sourceNote.clear();
  if (m_views) m_views->postCloseDataList();
  m_series->visibleCount = 0;
  m_series->cursorA = 0;
  m_series->cursorB = 0;
  m_series->firstShownIndex = 0;
  m_state.firstShownIndexMirror = 0;
  if (m_views) m_views->showNoData();
  loadedFlag = false;
  updateAllViews();
}

bool CHyetoscopeDoc::reloadAfterDownload(bool noData) {
  const std::string path = m_state.currentDataPath;
  if (path == "ER" || path.empty() || noData) return false;
  m_state.dataModified = 0;
  setTitle(path);
  if (!loadImage(path)) {
    updateAllViews();
    return false;
  }
  copyFileImage(*m_image, *m_recording);
  m_sourceNote.clear();
  rebuild();
  if (m_views) {
    m_views->showData();
    m_views->postIntervalCommand(IntervalMode::Hourly);
  }
  m_series->firstShownIndex = 0;
  m_state.firstShownIndexMirror = 0;
  m_series->visibleCount = m_series->valueCount;
  undoAvailable = false;
  if (m_views) m_views->resetWindowAndHistory();
  m_series->verticalMax = verticalMax(IntervalMode::Hourly);
  loadedFlag = true;
  updateAllViews();
  return true;
}

void CHyetoscopeDoc::rebuild() {
  std::unique_ptr<RainSeries> built = makeSeriesFor(intervalMode);
  built->build(*m_recording);
  m_series->seriesStart = built->startTime;
  m_series->setValues(built->values.get(), built->values ? built->valueCount : 0);
  std::memset(m_series->missingSlots, 0, sizeof m_series->missingSlots);
  if (built->missingSlots)
    std::memcpy(m_series->missingSlots, built->missingSlots.get(), sizeof(int) * size_t(m_series->valueCount));
  if (!loadedFlag) m_series->visibleCount = m_series->valueCount;
  m_series->intervalMode = intervalMode;
  m_series->verticalMax = verticalMax(intervalMode);
}

#include "RainAnalysisCommand.h"

#include "CHyetoscopeDoc.h"
#include "CHyetoscopeView.h"
#include "GraphPages.h"
#include "RecordingState.h"

#include <string_view>

RainAnalysisCommand::RainAnalysisCommand(CHyetoscopeDoc& doc, CHyetoscopeView& view, UserMessages& messages,
                                         QWidget* parent)
    : m_doc(doc), m_view(view), m_messages(messages), m_parent(parent) {}

RainAnalysisCommand::~RainAnalysisCommand() { delete m_window.data(); }

uint64_t RainAnalysisCommand::fingerprint() const {
  if (m_doc.loadedFlag != 1) return 0;
  const RecordingBuffer& r = m_doc.recording();
  // FNV-1a over what makes the analysis: the samples, their start and the
  // name and path the window shows. A reload of the same file after a
  // download changes it; a repaint does not.
  uint64_t h = 1469598103934665603ULL;
  auto mix = [&h](const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) h = (h ^ p[i]) * 1099511628211ULL;
  };
  const int count = r.sampleCount();
  mix(&r.startTime, sizeof r.startTime);
  mix(&count, sizeof count);
  mix(r.samples, sizeof(r.samples[0]) * static_cast<size_t>(std::max(count, 0)));
  mix(r.dataName, sizeof r.dataName);
  const std::string& path = m_doc.recordingState().currentDataPath;
  mix(path.data(), path.size());
  return h == 0 ? 1 : h;
}

void RainAnalysisCommand::open() {
  if (m_window) {
    m_window->raise();
    m_window->activateWindow();
    return;
  }
  CRainAnalysisDlg::Hooks hooks = m_testHooks;
  hooks.zoomToEvent = [this](const StormEvent& e) { zoomToEvent(e); };
  hooks.closeRequested = [this] { QMetaObject::invokeMethod(m_parent, [this] { close(); }, Qt::QueuedConnection); };
  m_window = new CRainAnalysisDlg(m_messages, std::move(hooks), m_parent);
  m_window->show();
  m_shown = 0;
  follow();
}

void RainAnalysisCommand::follow() {
  if (!m_window) return;
  const uint64_t now = fingerprint();
  if (now == m_shown) return;
  if (now == 0) {
    close();
    return;
  }
  m_shown = now;
  m_window->showRecording(&m_doc.recording(), printDataName(m_doc.recording()));
}

void RainAnalysisCommand::close() {
  if (CRainAnalysisDlg* w = m_window.data()) {
    m_window.clear();
    w->hide();
    w->deleteLater();
  }
  m_shown = 0;
}

void RainAnalysisCommand::zoomToEvent(const StormEvent& event) {
  if (m_doc.loadedFlag != 1) return;
  // Events are runs of ten-minute slots: only the ten-minute chart shows
  // their ends where they are.
  if (m_doc.intervalMode != IntervalMode::TenMinute) m_view.intervalCommand(IntervalMode::TenMinute);
  const DisplaySeries& s = m_doc.series();
  const std::optional<BarSpan> w = eventZoomWindow(event, s.seriesStart, s.valueCount);
  if (!w) return;
  m_view.chartNavigation().zoomTo(*w);
  m_view.updateAllViews();
}

#pragma once
// ChartOverlaySwitch: whether the chart shows the continuous and effective
// rainfall over its bars, and the curves it then draws for the loaded
// recording.
//
// Owns the on/off state (kept in the settings as Analysis/chartOverlay, off
// when absent) and the curves computed for the current recording and
// analysis settings (the rain-analysis window's dry gap and two half-lives). The curves are computed again when those settings change
// or after forget() (a recording loaded or closed). Does not draw: the chart
// geometry turns the curves into lines for the shown window.

#include "OverlayCurves.h"

#include <cstdint>
#include <optional>

class CHyetoscopeDoc;

class ChartOverlaySwitch {
 public:
  static constexpr const char* kShownKey = "Analysis/chartOverlay";

  // Reads the stored state.
  ChartOverlaySwitch();

  bool shown() const { return m_shown; }
  // Switches and stores the state.
  void toggle();
  // Switches without storing (benchmarks, tests).
  void setShown(bool shown) { m_shown = shown; }
  // The recording changed: the next curves() computes them again.
  void forget() {
    m_curves.reset();
    ++m_revision;
  }
  // Changes whenever the curves curves() returns may have changed.
  uint64_t revision() const { return m_revision; }

  // The curves to draw: null while off or without a recording.
  const ChartOverlayData* curves(const CHyetoscopeDoc& doc);

  // The analysis settings as stored now (defaults where absent or bad).
  static OverlaySettings storedSettings();

 private:
  bool m_shown = false;
  OverlaySettings m_settings;
  std::optional<ChartOverlayData> m_curves;
  uint64_t m_revision = 0;
  bool m_settingsRead = false;
  uint64_t m_settingsRevision = 0;  // CRainAnalysisDlg's when m_settings was read
};

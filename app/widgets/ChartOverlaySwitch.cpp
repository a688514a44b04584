#include "ChartOverlaySwitch.h"

#include "CHyetoscopeDoc.h"
#include "CRainAnalysisDlg.h"

#include <QSettings>
#include <QStringList>

namespace {
QString key(const char* k) { return QString::fromLatin1(k); }
}  // namespace

ChartOverlaySwitch::ChartOverlaySwitch() { m_shown = QSettings().value(key(kShownKey), false).toBool(); }

void ChartOverlaySwitch::toggle() {
  m_shown = !m_shown;
  QSettings().setValue(key(kShownKey), m_shown);
}

OverlaySettings ChartOverlaySwitch::storedSettings() {
  // The lines follow the analysis window's settings, read in its one place.
  const RainAnalysisSettings analysis = CRainAnalysisDlg::storedSettings();
  OverlaySettings out;
  out.gapSlots = analysis.gapMinutes / 10;
  out.halfLivesHours = {analysis.halfLifeShortH, analysis.halfLifeLongH};
  return out;
}

const ChartOverlayData* ChartOverlaySwitch::curves(const CHyetoscopeDoc& doc) {
  if (!m_shown || !doc.loadedFlag) return nullptr;
  // The analysis window may have changed the settings since the last paint.
  const OverlaySettings settings = storedSettings();
  if (!m_curves || settings != m_settings) {
    m_settings = settings;
    m_curves = overlayCurves(doc.recording(), m_settings);
    ++m_revision;
  }
  return &*m_curves;
}

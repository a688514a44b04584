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
  // The analysis window may have changed the settings since the last paint;
  // they are read again only then.
  if (!m_settingsRead || m_settingsRevision != CRainAnalysisDlg::settingsRevision()) {
    m_settingsRevision = CRainAnalysisDlg::settingsRevision();
    m_settingsRead = true;
    const OverlaySettings settings = storedSettings();
    if (settings != m_settings) m_curves.reset();
    m_settings = settings;
  }
  if (!m_curves) {
    m_curves = overlayCurves(doc.recording(), m_settings);
    ++m_revision;
  }
  return &*m_curves;
}

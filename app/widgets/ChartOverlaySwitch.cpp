#include "ChartOverlaySwitch.h"

#include "CHyetoscopeDoc.h"

#include <QSettings>
#include <QStringList>

namespace {
QString key(const char* k) { return QString::fromLatin1(k); }

// A list may be stored as text ("1.5,72") or as a list of texts.
std::string storedText(const QSettings& s, const char* k) {
  const QVariant v = s.value(key(k));
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}
}  // namespace

ChartOverlaySwitch::ChartOverlaySwitch() { m_shown = QSettings().value(key(kShownKey), false).toBool(); }

void ChartOverlaySwitch::toggle() {
  m_shown = !m_shown;
  QSettings().setValue(key(kShownKey), m_shown);
}

OverlaySettings ChartOverlaySwitch::storedSettings() {
  const QSettings s;
  return overlaySettingsFromText(storedText(s, kGapKey), storedText(s, kHalfLivesKey));
}

const ChartOverlayData* ChartOverlaySwitch::curves(const CHyetoscopeDoc& doc) {
  if (!m_shown || doc.loadedFlag != 1) return nullptr;
  // The analysis window may have changed the settings since the last paint.
  const OverlaySettings settings = storedSettings();
  if (!m_curves || settings != m_settings) {
    m_settings = settings;
    m_curves = overlayCurves(doc.recording(), m_settings);
  }
  return &*m_curves;
}

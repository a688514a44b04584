#include "OverlayCurves.h"

#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "RecordedSlots.h"
#include "StormEvents.h"

#include <cstdio>
#include <cstdlib>

namespace {

// A plain decimal number and nothing else.
bool parseNumber(const std::string& text, double& out) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return false;
  char* end = nullptr;
  out = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string hoursText(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", hours);
  return text;
}

}  // namespace

OverlaySettings overlaySettingsFromText(const std::string& gapMinutes, const std::string& halfLives) {
  OverlaySettings out;
  double minutes = 0.0;
  if (parseNumber(trimmed(gapMinutes), minutes) && minutes >= 10.0 && minutes <= 72 * 60.0 &&
      static_cast<int>(minutes) == minutes && static_cast<int>(minutes) % 10 == 0)
    out.gapSlots = static_cast<int>(minutes) / 10;

  std::vector<double> hours;
  bool ok = !halfLives.empty();
  for (size_t from = 0; ok && from <= halfLives.size();) {
    size_t comma = halfLives.find(',', from);
    if (comma == std::string::npos) comma = halfLives.size();
    double t = 0.0;
    ok = parseNumber(trimmed(halfLives.substr(from, comma - from)), t) && t >= kMinHalfLifeHours &&
         t <= kMaxHalfLifeHours;
    if (ok) hours.push_back(t);
    from = comma + 1;
  }
  if (ok && !hours.empty()) {
    if (hours.size() > 2) hours.resize(2);
    out.halfLivesHours = hours;
  }
  return out;
}

ChartOverlayData overlayCurves(const RainSlots& rain, const OverlaySettings& settings) {
  ChartOverlayData out;
  out.slotStart = rain.start;
  out.curves.push_back({"連続雨量", continuousRainfall(rain, settings.gapSlots)});
  for (double t : settings.halfLivesHours)
    out.curves.push_back({"実効雨量 " + hoursText(t) + "h", effectiveRainfall(rain, t).mm});
  return out;
}

ChartOverlayData overlayCurves(const RecordingBuffer& recording, const OverlaySettings& settings) {
  RecordedSlots slots;
  if (!slots.build(recording)) return {};
  return overlayCurves(slots.view(), settings);
}

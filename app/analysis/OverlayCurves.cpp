#include "OverlayCurves.h"

#include "ContinuousRainfall.h"
#include "EffectiveRainfall.h"
#include "RecordedSlots.h"
#include "StormEvents.h"

#include <cstdio>

namespace {

std::string hoursText(double hours) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", hours);
  return text;
}

}  // namespace

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

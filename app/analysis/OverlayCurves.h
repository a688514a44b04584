#pragma once
// OverlayCurves: the chart's overlay curves of a recording - its continuous
// rainfall and the effective rainfall of each chosen half-life - as the
// ChartOverlayData the chart geometry reads.
//
// The settings are the analysis window's dry gap and half-lives. The chart draws the continuous
// rainfall and at most two effective rainfalls (the first two half-lives).
//
// Owns nothing beyond its results; computes with the rules of
// ContinuousRainfall and EffectiveRainfall.

#include "ChartOverlayData.h"
#include "RainSlots.h"

#include <string>
#include <vector>

class RecordingBuffer;

struct OverlaySettings {
  int gapSlots = 36;                      // 6 h
  std::vector<double> halfLivesHours{1.5, 72.0};
  bool operator==(const OverlaySettings&) const = default;
};

// The curves of a series of slots: continuous rainfall, then one effective
// rainfall per half-life, labelled for the legend.
ChartOverlayData overlayCurves(const RainSlots& rain, const OverlaySettings& settings);
// The same for a loaded recording; no curves when its slots cannot be built.
ChartOverlayData overlayCurves(const RecordingBuffer& recording, const OverlaySettings& settings);

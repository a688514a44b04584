#pragma once
// OverlayCurves: the chart's overlay curves of a recording - its continuous
// rainfall and the effective rainfall of each chosen half-life - as the
// ChartOverlayData the chart geometry reads, and the analysis settings that
// choose them, read leniently from their stored texts.
//
// The settings are the analysis window's: the dry gap in minutes and the
// half-lives as a comma list of hours. The chart draws the continuous
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

// From the stored texts ("360", "1.5,72"); an empty, malformed or
// out-of-range text gives that setting's default (a gap is a multiple of
// ten minutes from 10 min to 72 h, a half-life 0.5 to 720 h). Only the first
// two half-lives are kept.
OverlaySettings overlaySettingsFromText(const std::string& gapMinutes, const std::string& halfLives);

// The curves of a series of slots: continuous rainfall, then one effective
// rainfall per half-life, labelled for the legend.
ChartOverlayData overlayCurves(const RainSlots& rain, const OverlaySettings& settings);
// The same for a loaded recording; no curves when its slots cannot be built.
ChartOverlayData overlayCurves(const RecordingBuffer& recording, const OverlaySettings& settings);

#pragma once
// RecordedSlots: the ten-minute slots of a loaded recording as the analysis
// reads them. It builds the recording's ten-minute series and leaves out
// the series' closing slot: that slot, one past the last sample, is the
// series builder's convention and was never recorded, so it must not end an
// event early or start one more dry run.
//
// Owns the series; view() is a view into it, valid while this lives.

#include "RainSlots.h"
#include "TenMinuteSeries.h"

class RecordingBuffer;

class RecordedSlots {
 public:
  // False when the recording cannot be bucketed (record interval not 600 s).
  bool build(const RecordingBuffer& recording);
  RainSlots view() const;

 private:
  TenMinuteSeries m_series;
  int m_recorded = 0;
};

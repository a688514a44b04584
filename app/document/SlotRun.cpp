#include "SlotRun.h"

#include "TenMinuteSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>

double SlotRun::mm(size_t i) const {
  if (isMissing(i)) return std::numeric_limits<double>::quiet_NaN();
  return tenths[i] / 10.0;
}

size_t SlotRun::missingCount() const {
  return static_cast<size_t>(std::count(tenths.begin(), tenths.end(), kMissing));
}

std::optional<SlotRun> recordingSlots(const RecordingBuffer& recording) {
  TenMinuteSeries series;
  if (series.build(recording) == 0) return std::nullopt;
  SlotRun run;
  run.start = series.startTime;
  // Every value but the builder's closing one is a sample's slot.
  const int samples = series.valueCount > 0 ? series.valueCount - 1 : 0;
  run.tenths.resize(static_cast<size_t>(samples));
  for (int i = 0; i < samples; ++i)
    run.tenths[static_cast<size_t>(i)] = static_cast<int32_t>(std::llround(series.values[i] * 10.0));
  return run;
}

#include "RecordedSlots.h"

#include <algorithm>

bool RecordedSlots::build(const RecordingBuffer& recording) {
  m_recorded = 0;
  if (!m_series.build(recording)) return false;
  // Sample k lies in slot k (samples are 600 s apart from the first
  // slot's start); the series appends one closing slot after the last.
  m_recorded = std::min(recording.sampleCount(), m_series.valueCount);
  return true;
}

RainSlots RecordedSlots::view() const {
  return {m_series.startTime, {m_series.values.get(), static_cast<size_t>(m_recorded)}};
}

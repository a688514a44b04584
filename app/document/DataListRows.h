#pragma once
// DataListRows: what the data list shows - the four series of its own copy
// of the recording and the text of each row, "%s  [%7.1f mm]" with the
// end-of-interval label, made when a row is asked for (the list never holds
// an object per row). Also where the link button scrolls to and whether it
// is enabled. Plain code; the list window only shows what this returns.
//
// List intervals are numbered 1 hourly, 2 daily, 3 ten-minute, 4 monthly.

#include "DailySeries.h"
#include "HourlySeries.h"
#include "IntervalMode.h"
#include "MonthlySeries.h"
#include "RecordingBuffer.h"
#include "TenMinuteSeries.h"

#include <memory>
#include <string>

namespace listinterval {
constexpr int None = 0;
constexpr int Hourly = 1;
constexpr int Daily = 2;
constexpr int TenMinute = 3;
constexpr int Monthly = 4;
}  // namespace listinterval

// The list's number of a graph interval mode, and back.
int listIntervalOf(IntervalMode mode);
IntervalMode modeOfListInterval(int listInterval);

class DataListRows {
 public:
  DataListRows();
  ~DataListRows();

  // Copies the recording (with the pending start time when the record
  // conditions were changed and not yet saved) and builds the four series.
  // False when any series cannot be built.
  bool build(const RecordingBuffer& recording, bool dataModified, int32_t pendingStartTime);
  // Frees the four series (the copy stays for the next opening).
  void release();
  bool built() const { return m_built; }

  int rowCount(int listInterval) const;
  // "<label>  [%7.1f mm]" of a row inside the series, "<label>  [      - mm]"
  // for a bucket with missing slots; "" outside it.
  std::string rowText(int listInterval, int row) const;

  const TenMinuteSeries& tenMinute() const { return m_tenMinute; }
  const RecordingBuffer& copy() const { return *m_copy; }

 private:
  const RainSeries* seriesOf(int listInterval) const;

  std::unique_ptr<RecordingBuffer> m_copy;
  HourlySeries m_hourly;
  DailySeries m_daily;
  TenMinuteSeries m_tenMinute;
  MonthlySeries m_monthly;
  bool m_built = false;
};

// The row the link button brings to the top of the list: the graph's first
// shown index, never a row the list does not have (-1 for an empty list).
int linkRow(int firstShownIndex, int rowCount);

// The link button is enabled exactly when the list shows the graph's interval.
inline bool linkEnabled(int listInterval, IntervalMode graphMode) { return listInterval == listIntervalOf(graphMode); }

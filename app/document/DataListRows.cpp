#include "DataListRows.h"

#include "Calendar.h"
#include "TimeLabels.h"
#include "LocalTime.h"

#include <algorithm>
#include <charconv>
#include <cstring>

int listIntervalOf(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Hourly: return listinterval::Hourly;
    case IntervalMode::Daily: return listinterval::Daily;
    case IntervalMode::TenMinute: return listinterval::TenMinute;
    case IntervalMode::Monthly: return listinterval::Monthly;
  }
  return listinterval::Hourly;
}

IntervalMode modeOfListInterval(int listInterval) {
  switch (listInterval) {
    case listinterval::Daily: return IntervalMode::Daily;
    case listinterval::TenMinute: return IntervalMode::TenMinute;
    case listinterval::Monthly: return IntervalMode::Monthly;
    default: return IntervalMode::Hourly;
  }
}

DataListRows::DataListRows() : m_copy(std::make_unique<RecordingBuffer>()) {
  std::memset(m_copy.get(), 0, sizeof(RecordingBuffer));
}

DataListRows::~DataListRows() = default;

bool DataListRows::build(const RecordingBuffer& recording, bool dataModified, int32_t pendingStartTime) {
  std::memcpy(m_copy.get(), &recording, sizeof(RecordingBuffer));
  if (dataModified) m_copy->startTime = pendingStartTime;
  m_built = m_hourly.build(*m_copy) != 0 && m_daily.build(*m_copy) != 0 && m_tenMinute.build(*m_copy) != 0 &&
            m_monthly.build(*m_copy) != 0;
  if (!m_built) release();
  return m_built;
}

void DataListRows::release() {
  for (RainSeries* s : {static_cast<RainSeries*>(&m_hourly), static_cast<RainSeries*>(&m_daily),
                        static_cast<RainSeries*>(&m_tenMinute), static_cast<RainSeries*>(&m_monthly)}) {
    s->values.reset();
    s->missingSlots.reset();
    s->valueCount = 0;
    s->capacity = 0;
  }
  m_built = false;
}

const RainSeries* DataListRows::seriesOf(int listInterval) const {
  switch (listInterval) {
    case listinterval::Hourly: return &m_hourly;
    case listinterval::Daily: return &m_daily;
    case listinterval::TenMinute: return &m_tenMinute;
    case listinterval::Monthly: return &m_monthly;
    default: return nullptr;
  }
}

int DataListRows::rowCount(int listInterval) const {
  const RainSeries* s = seriesOf(listInterval);
  return s && s->values ? s->valueCount : 0;
}

std::string DataListRows::rowText(int listInterval, int row) const {
  const RainSeries* s = seriesOf(listInterval);
  if (s == nullptr || row < 0 || row >= rowCount(listInterval)) return {};
  std::string text;
  if (listInterval == listinterval::Monthly) {
    const struct tm first = toLocal(s->startTime);
    int year = 0, month = 0;
    addMonths(first.tm_year + 1900, first.tm_mon + 1, row, year, month);
    appendMonthLabel(year, month, text);
  } else {
    FormatEndTime(static_cast<int64_t>(s->startTime) + static_cast<int64_t>(s->step) * (row + 1), text, '/', 1);
  }
  // A bucket with a slot no recording covers has no value: "-" in the
  // number's place, as the sheets show it, keeping the column.
  char value[64] = "-";
  const auto end = s->isMissing(row)
                       ? value + 1
                       : std::to_chars(value, value + sizeof value, s->values[row], std::chars_format::fixed, 1).ptr;
  const size_t width = static_cast<size_t>(end - value);
  text += "  [";
  if (width < 7) text.append(7 - width, ' ');
  text.append(value, width);
  text += " mm]";
  return text;
}

int linkRow(int p, int rowCount) {
  if (rowCount <= 0) return -1;
  return std::clamp(p, 0, rowCount - 1);
}

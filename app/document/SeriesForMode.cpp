#include "SeriesForMode.h"

#include "DailySeries.h"
#include "HourlySeries.h"
#include "MonthlySeries.h"
#include "TenMinuteSeries.h"

std::unique_ptr<RainSeries> makeSeriesFor(IntervalMode mode) {
  switch (mode) {
    case IntervalMode::Daily: return std::make_unique<DailySeries>();
    case IntervalMode::TenMinute: return std::make_unique<TenMinuteSeries>();
    case IntervalMode::Monthly: return std::make_unique<MonthlySeries>();
    case IntervalMode::Hourly: break;
  }
  return std::make_unique<HourlySeries>();
}

#pragma once
// The series builder of an interval mode.

#include "IntervalMode.h"
#include "RainSeries.h"

#include <memory>

std::unique_ptr<RainSeries> makeSeriesFor(IntervalMode mode);

#pragma once
// The analysis results as tables, with the columns the command-line tool
// writes and the window shows:
//   events   start,end,duration_min,total_mm,peak10_mm,peak10_end,max60_mm,
//            max60_end,mean_mm_per_h,dry_before_min,flags, then for each
//            alarm level given alarm_continuous_at, alarm_hourly_at,
//            alarm_combined_at; flags are record-start, record-end and gap
//            joined by ";" in that order
//   maxima   period,duration,max_mm,window_end
//   indices  end,rain_mm,continuous_mm,effective_<H>h_mm per half-life,
//            swi_mm,spinup (1 while any index of the line is in spin-up)
// The indices table has a line per slot and is written straight to text.

#include "AlarmCriteria.h"
#include "AnalysisTable.h"
#include "RainIndices.h"
#include "RainSlots.h"
#include "RainfallMaxima.h"
#include "StormEvents.h"

#include <string>
#include <vector>

AnalysisTable eventTable(const std::vector<StormEvent>& events, const AlarmCriteria& alarms);
AnalysisTable maximaTable(const std::vector<RainfallMaximum>& maxima);
void appendIndicesCsv(const RainSlots& rain, const RainIndices& indices, std::string& out);

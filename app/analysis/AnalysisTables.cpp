#include "AnalysisTables.h"

#include "AnalysisFormat.h"

namespace {
TableCell number(std::string text) { return {std::move(text), true}; }
TableCell text(std::string text) { return {std::move(text), false}; }
TableCell time(int64_t t) { return text(isoTimeText(t)); }
TableCell time(const std::optional<int64_t>& t) { return t ? time(*t) : TableCell{}; }

std::string flagsText(const StormEvent& e) {
  std::string out;
  const auto add = [&out](bool on, const char* name) {
    if (!on) return;
    if (!out.empty()) out += ';';
    out += name;
  };
  add(e.recordStart, "record-start");
  add(e.recordEnd, "record-end");
  add(e.gap, "gap");
  return out;
}
}  // namespace

AnalysisTable eventTable(const std::vector<StormEvent>& events, const AlarmCriteria& alarms) {
  AnalysisTable table;
  table.columns = {"start",     "end",      "duration_min",  "total_mm",       "peak10_mm", "peak10_end",
                   "max60_mm",  "max60_end", "mean_mm_per_h", "dry_before_min", "flags"};
  if (alarms.continuousMm) table.columns.push_back("alarm_continuous_at");
  if (alarms.hourlyMm) table.columns.push_back("alarm_hourly_at");
  if (alarms.hasCombined()) table.columns.push_back("alarm_combined_at");
  for (const StormEvent& e : events) {
    std::vector<TableCell> row{time(e.start),
                               time(e.end),
                               number(std::to_string(e.durationMin)),
                               number(mm1Text(e.totalMm)),
                               number(mm1Text(e.peak10Mm)),
                               time(e.peak10End),
                               number(mm1Text(e.max60Mm)),
                               time(e.max60End),
                               number(mm2Text(e.meanMmPerH)),
                               number(e.dryBeforeMin ? std::to_string(*e.dryBeforeMin) : std::string()),
                               text(flagsText(e))};
    if (alarms.continuousMm) row.push_back(time(e.alarmContinuousAt));
    if (alarms.hourlyMm) row.push_back(time(e.alarmHourlyAt));
    if (alarms.hasCombined()) row.push_back(time(e.alarmCombinedAt));
    table.rows.push_back(std::move(row));
  }
  return table;
}

AnalysisTable maximaTable(const std::vector<RainfallMaximum>& maxima) {
  AnalysisTable table;
  table.columns = {"period", "duration", "max_mm", "window_end"};
  for (const RainfallMaximum& m : maxima)
    table.rows.push_back({text(m.period.label()), text(m.duration.label),
                          number(m.maxMm ? mm1Text(*m.maxMm) : std::string()), time(m.windowEnd)});
  return table;
}

void appendIndicesCsv(const RainSlots& slots, const RainIndices& indices, std::string& out) {
  out += "end,rain_mm,continuous_mm,";
  for (double h : indices.halfLivesHours) out += "effective_" + hoursText(h) + "h_mm,";
  out += "swi_mm,spinup\n";
  const int n = slots.size();
  out.reserve(out.size() + static_cast<size_t>(n) * (48 + 8 * indices.effective.size()));
  for (int k = 0; k < n; ++k) {
    const auto at = static_cast<size_t>(k);
    appendIsoTime(out, slots.slotEnd(k));
    out += ',';
    appendMm1(out, slots.mm[at]);
    out += ',';
    appendMm1(out, indices.continuousMm[at]);
    out += ',';
    for (const IndexSeries& e : indices.effective) {
      appendMm2(out, e.mm[at]);
      out += ',';
    }
    appendMm2(out, indices.soilWater.mm[at]);
    out += indices.spinUp(k) ? ",1\n" : ",0\n";
  }
}

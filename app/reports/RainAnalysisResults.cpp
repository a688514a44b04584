#include "RainAnalysisResults.h"

#include "AnalysisTables.h"
#include "RainfallMaxima.h"

#include <algorithm>
#include <cstdlib>
#include <map>

bool RainAnalysisResults::load(const RecordingBuffer& recording, const RainAnalysisSettings& settings) {
  clear();
  if (!m_slots.build(recording)) return false;
  m_loaded = true;
  apply(settings);
  return true;
}

void RainAnalysisResults::apply(const RainAnalysisSettings& settings) {
  m_settings = settings;
  if (!m_loaded) return;
  const RainSlots rain = m_slots.view();
  const StormEventOptions options = settings.eventOptions();
  m_events = findStormEvents(rain, options);
  m_eventTable = eventTable(m_events, options.alarms);
  m_maximaTable = maximaTable(rainfallMaxima(rain, PeriodKind::Whole));
  std::vector<PeriodKind> more{PeriodKind::Year};
  if (settings.monthlyMaxima) more.push_back(PeriodKind::Month);
  for (PeriodKind kind : more) {
    AnalysisTable part = maximaTable(rainfallMaxima(rain, kind));
    for (auto& row : part.rows) m_maximaTable.rows.push_back(std::move(row));
  }
}

void RainAnalysisResults::clear() {
  m_loaded = false;
  m_events.clear();
  m_eventTable = {};
  m_maximaTable = {};
}

std::string RainAnalysisResults::csv(AnalysisTab tab) const {
  std::string out;
  table(tab).appendCsv(out);
  return out;
}

namespace {

bool isTimeColumn(const std::string& c) {
  return c == "start" || c == "end" || c.ends_with("_end") || c.ends_with("_at");
}

// A key that orders cells of one column; text only where no number fits.
struct SortKey {
  double number = 0.0;
  std::string text;
};

SortKey keyOf(const std::string& column, const TableCell& cell) {
  if (cell.number) return {std::strtod(cell.text.c_str(), nullptr), {}};
  if (column == "duration") {
    for (const MaximaDuration& d : kMaximaDurations)
      if (cell.text == d.label) return {static_cast<double>(d.slotCount), {}};
  }
  if (column == "period") return {0.0, cell.text == "whole" ? std::string() : cell.text};
  // ISO 8601 times of one offset and fixed width order as their bytes.
  return {0.0, cell.text};
}

std::string isoDisplay(const std::string& iso) {
  // "2024-07-01T09:10:00+09:00" -> "2024/07/01 09:10"
  if (iso.size() < 16) return iso;
  std::string s = iso.substr(0, 16);
  s[4] = '/';
  s[7] = '/';
  s[10] = ' ';
  return s;
}

}  // namespace

std::vector<int> sortedRows(const AnalysisTable& table, int column, bool descending) {
  std::vector<int> order(table.rows.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  if (column < 0 || static_cast<size_t>(column) >= table.columns.size()) return order;
  const std::string& name = table.columns[static_cast<size_t>(column)];
  std::vector<SortKey> keys;
  keys.reserve(order.size());
  for (const auto& row : table.rows) keys.push_back(keyOf(name, row[static_cast<size_t>(column)]));
  auto empty = [&](int r) { return table.rows[static_cast<size_t>(r)][static_cast<size_t>(column)].text.empty(); };
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const bool ea = empty(a), eb = empty(b);
    if (ea || eb) return !ea && eb;
    const SortKey& ka = keys[static_cast<size_t>(a)];
    const SortKey& kb = keys[static_cast<size_t>(b)];
    const SortKey& lo = descending ? kb : ka;
    const SortKey& hi = descending ? ka : kb;
    if (lo.number != hi.number) return lo.number < hi.number;
    return lo.text < hi.text;
  });
  return order;
}

std::string columnTitle(const std::string& column) {
  static const std::map<std::string, std::string> titles{
      {"start", "開始"},
      {"end", "終了"},
      {"duration_min", "継続時間(分)"},
      {"total_mm", "総雨量(mm)"},
      {"peak10_mm", "最大10分(mm)"},
      {"peak10_end", "最大10分の時刻"},
      {"max60_mm", "最大60分(mm)"},
      {"max60_end", "最大60分の終了"},
      {"mean_mm_per_h", "平均強度(mm/h)"},
      {"dry_before_min", "先行無降雨(分)"},
      {"flags", "備考"},
      {"alarm_continuous_at", "連続雨量基準"},
      {"alarm_hourly_at", "時間雨量基準"},
      {"alarm_combined_at", "複合基準"},
      {"period", "期間"},
      {"duration", "継続時間"},
      {"max_mm", "最大雨量(mm)"},
      {"window_end", "終了時刻"},
  };
  const auto it = titles.find(column);
  return it == titles.end() ? column : it->second;
}

std::string cellDisplayText(const std::string& column, const TableCell& cell) {
  if (cell.text.empty() || cell.number) return cell.text;
  if (isTimeColumn(column)) return isoDisplay(cell.text);
  if (column == "flags") {
    std::string out;
    size_t from = 0;
    while (from <= cell.text.size()) {
      size_t to = cell.text.find(';', from);
      if (to == std::string::npos) to = cell.text.size();
      const std::string flag = cell.text.substr(from, to - from);
      if (!out.empty()) out += "・";
      out += flag == "record-start" ? "記録開始" : flag == "record-end" ? "記録終了" : flag == "gap" ? "欠測隣接" : flag;
      from = to + 1;
    }
    return out;
  }
  if (column == "period") {
    if (cell.text == "whole") return "全期間";
    if (cell.text.size() == 7) return cell.text.substr(0, 4) + "年" + std::to_string(std::atoi(cell.text.c_str() + 5)) + "月";
    return cell.text + "年";
  }
  if (column == "duration") {
    if (cell.text.ends_with("min")) return cell.text.substr(0, cell.text.size() - 3) + "分";
    if (cell.text.ends_with("h")) return cell.text.substr(0, cell.text.size() - 1) + "時間";
  }
  return cell.text;
}

std::optional<BarSpan> eventZoomWindow(const StormEvent& event, int64_t seriesStart, int valueCount) {
  const int64_t first = (event.start - seriesStart) / kSlotSeconds;
  const int64_t count = (event.end - event.start) / kSlotSeconds;
  if (first < 0 || count < 1 || first + count > valueCount) return std::nullopt;
  return BarSpan{static_cast<int>(count), static_cast<int>(first)};
}

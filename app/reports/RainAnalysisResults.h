#pragma once
// RainAnalysisResults: what the rain analysis window shows for a recording
// under its settings - the storm events and the maxima by duration as the
// analysis tables (the cells the command-line tool writes), the order of
// their rows for a sort column, the text shown for a cell, the CSV of a
// table and the chart window a storm event is zoomed to.
//
// The maxima table lists the whole recording, then each calendar year, then
// (on request) each calendar month: the rows `maxima --by whole`, `--by
// year` and `--by month` write, in that order under one header line, so the
// CSV of each part is the tool's byte for byte.
//
// Owns the recording's slots (RecordedSlots) and the computed tables; does
// not know any widget, does not read or write the settings file.

#include "AnalysisTable.h"
#include "RememberedSpans.h"
#include "RainAnalysisSettings.h"
#include "RecordedSlots.h"
#include "StormEvents.h"

#include <optional>
#include <string>
#include <vector>

class RecordingBuffer;

enum class AnalysisTab { Events, Maxima };

class RainAnalysisResults {
 public:
  // Builds the slots of the recording and computes both tables; false (and
  // nothing shown) when the recording cannot be bucketed into ten minutes.
  bool load(const RecordingBuffer& recording, const RainAnalysisSettings& settings);
  // Computes both tables again under new settings.
  void apply(const RainAnalysisSettings& settings);
  void clear();

  bool loaded() const { return m_loaded; }
  const RainAnalysisSettings& settings() const { return m_settings; }
  const std::vector<StormEvent>& events() const { return m_events; }
  const AnalysisTable& table(AnalysisTab tab) const { return tab == AnalysisTab::Events ? m_eventTable : m_maximaTable; }
  // The table in the command-line tool's CSV.
  std::string csv(AnalysisTab tab) const;

 private:
  RecordedSlots m_slots;
  RainAnalysisSettings m_settings;
  bool m_loaded = false;
  std::vector<StormEvent> m_events;
  AnalysisTable m_eventTable;
  AnalysisTable m_maximaTable;
};

// The row order of a table sorted by one column: numbers by value, times
// (ISO 8601 with the same offset) in time order, durations ("10min" ... "72h")
// by length, periods with the whole recording first, other texts by their
// bytes. Empty cells come last in either direction; equal cells keep their
// order (the tool's).
std::vector<int> sortedRows(const AnalysisTable& table, int column, bool descending);

// The header a column is shown under ("開始", "総雨量(mm)", ...).
std::string columnTitle(const std::string& column);
// The text a cell is shown as: times as "2024/07/01 09:10", flags, periods
// and durations in words; numbers as the tool writes them.
std::string cellDisplayText(const std::string& column, const TableCell& cell);

// The ten-minute chart window that shows an event's slots and nothing else:
// first index and count in a ten-minute series starting at seriesStart with
// valueCount values; nothing when the event lies outside it.
std::optional<BarSpan> eventZoomWindow(const StormEvent& event, int64_t seriesStart, int valueCount);

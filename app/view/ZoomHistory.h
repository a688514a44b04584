#pragma once
// ZoomHistory: the twelve windows behind Undo and Redo, the position of the
// one shown and how many Redo steps are left. Plain value; ChartNavigation
// drives it and carries the windows it returns over to the DisplaySeries.
//
// Slot 0 holds the whole series after every load and mode switch; each band
// zoom writes the next slot. After the eleventh zoom the position stays at
// 11 and every further zoom drops slot 0 and moves the others down one, so
// only the last eleven windows can be reached again. Undo from position 11
// skips slot 10 (the window on screen) and shows slot 9.
//
// The undo-available and redo-available flags belong to the document (the
// commands are enabled by them); each step here writes them through
// HistoryFlags.

#include "RememberedSpans.h"

#include <array>
#include <optional>

struct HistoryFlags {
  bool& undoAvailable;
  bool& redoAvailable;
};

class ZoomHistory {
 public:
  static constexpr int kSlots = 12;

  // Slot 0 := the whole series (n = valueCount, f = 0).
  void setBase(int valueCount) { m_slots[0] = {valueCount, 0}; }
  // Position 0 and both flags cleared (after a load, a mode switch and the
  // initial-size command). The redo count is kept: Redo stays disabled until
  // an Undo enables it again, and the next band zoom clears the count.
  void reset(HistoryFlags flags);

  // A band zoom showed window w.
  void push(BarSpan w, HistoryFlags flags);
  // The window to show after one Undo or Redo step, or nothing when there
  // is no step to take.
  std::optional<BarSpan> undo(HistoryFlags flags);
  std::optional<BarSpan> redo(HistoryFlags flags);

  int position() const { return m_position; }
  int redoCount() const { return m_redo; }
  BarSpan slot(int i) const { return m_slots[static_cast<size_t>(i)]; }

  bool operator==(const ZoomHistory&) const = default;

 private:
  std::array<BarSpan, kSlots> m_slots{};
  int m_position = 0;
  int m_redo = 0;
};

#include "ZoomHistory.h"

void ZoomHistory::reset(HistoryFlags flags) {
  m_position = 0;
  flags.undoAvailable = false;
  flags.redoAvailable = false;
}

void ZoomHistory::push(BarSpan w, HistoryFlags flags) {
  m_position = m_position + 1 > 10 ? 11 : m_position + 1;
  if (m_position > 10) {
    for (int i = 1; i <= 10; ++i) m_slots[static_cast<size_t>(i - 1)] = m_slots[static_cast<size_t>(i)];
    m_slots[10] = w;
  } else {
    m_slots[static_cast<size_t>(m_position)] = w;
  }
  m_redo = 0;
  flags.redoAvailable = false;
  flags.undoAvailable = true;
}

std::optional<BarSpan> ZoomHistory::undo(HistoryFlags flags) {
  if (m_position == 11) m_position = 10;
  // At position 0 there is nothing before the window shown; stepping on
  // would read in front of slot 0.
  if (m_position <= 0) return std::nullopt;
  --m_position;
  ++m_redo;
  flags.redoAvailable = true;
  if (m_position == 0) flags.undoAvailable = false;
  return m_slots[static_cast<size_t>(m_position)];
}

std::optional<BarSpan> ZoomHistory::redo(HistoryFlags flags) {
  if (m_redo <= 0) return std::nullopt;
  std::optional<BarSpan> shown;
  m_position = m_position <= 10 ? m_position + 1 : 11;
  // Slot 11 is never written: a window past slot 10 is not shown.
  if (m_position < kSlots - 1) {
    shown = m_slots[static_cast<size_t>(m_position)];
    --m_redo;
    if (m_redo == 0) flags.redoAvailable = false;
  }
  flags.undoAvailable = true;
  return shown;
}

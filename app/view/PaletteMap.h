#pragma once
// PaletteMap: colour -> palette index for pictures of at most 256 colours,
// indexes given in the order colours are first asked for. Runs of one
// colour are the rule in a chart, so the last colour is checked first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

class PaletteMap {
 public:
  static constexpr int kMaxColours = 256;

  // Index of the colour, added when new; -1 when the palette is full.
  int indexOf(uint32_t rgb) {
    if (rgb == m_lastColour && m_lastIndex >= 0) return m_lastIndex;
    size_t slot = (rgb * 2654435761u) >> (32 - kSlotBits);
    while (m_slots[slot].used) {
      if (m_slots[slot].rgb == rgb) return remember(rgb, m_slots[slot].index);
      slot = (slot + 1) & (kSlots - 1);
    }
    if (m_colours.size() == kMaxColours) return -1;
    m_slots[slot] = {rgb, static_cast<int>(m_colours.size()), true};
    m_colours.push_back(rgb);
    return remember(rgb, m_slots[slot].index);
  }
  const std::vector<uint32_t>& colours() const { return m_colours; }

 private:
  static constexpr int kSlotBits = 10;
  static constexpr size_t kSlots = size_t{1} << kSlotBits;
  struct Slot {
    uint32_t rgb = 0;
    int index = 0;
    bool used = false;
  };
  int remember(uint32_t rgb, int index) {
    m_lastColour = rgb;
    m_lastIndex = index;
    return index;
  }
  std::array<Slot, kSlots> m_slots{};
  std::vector<uint32_t> m_colours;
  uint32_t m_lastColour = 0;
  int m_lastIndex = -1;
};

#pragma once
// Where the main window opens and what is stored when it closes, as plain
// rules over rectangles (right and bottom exclusive). The frame reads and
// writes the "ShownSeriesSpan" values; these functions decide them.

#include <optional>

struct PlacementRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PlacementRect&) const = default;
};

struct Placement {
  int frameX = 0;
  int frameY = 0;
  int width = 640;
  int height = 480;
  bool operator==(const Placement&) const = default;
};

// Values read from the store; an absent value takes its default.
Placement placementFromStored(std::optional<int> frameX, std::optional<int> frameY,
                              std::optional<int> width, std::optional<int> height);

// What to store for a window at `window` on a desktop `desktop`. A window
// with any edge outside the desktop - and a maximised or minimised one,
// whose frame lies partly outside - is stored as the desktop inset by one.
Placement placementToStore(PlacementRect window, PlacementRect desktop, bool maximisedOrMinimised);

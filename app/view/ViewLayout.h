#pragma once
// Where the form's children go for a client area of a given size. Plain
// data: the view only moves its widgets to these rectangles.
// Rectangles are left, top to right, bottom with right and bottom exclusive.

struct ViewRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const ViewRect&) const = default;
};

struct ViewLayout {
  ViewRect plot;           // the chart's rectangle, normalised
  ViewRect chartWidget;    // where the chart control itself sits
  ViewRect scrollBar;
  ViewRect cursorStrip;
  ViewRect leftArrow;
  ViewRect rightArrow;
  ViewRect statsList;
  ViewRect intervalField;  // edit 1075
  ViewRect sampleField;    // edit 1076
  ViewRect unitField;      // edit 1094
};

// Layout of a client area clientWidth x clientHeight.
ViewLayout computeViewLayout(int clientWidth, int clientHeight);

// Handle rectangle (11 x 11) of a cursor at x in a strip over plot left
// L ... right R whose top is stripTop: kept inside the strip.
ViewRect cursorHandleRect(int x, int plotLeft, int plotRight, int stripTop);

// The chart control's rectangle in a picture of the chart alone, W x H: the
// window's layout for a client area W wide whose controls under the labels
// (cursor strip, fields, statistics list; kPictureControlsBelow pixels) are
// left out, so bars, ticks and labels fall on the window's pixels.
constexpr int kPictureControlsBelow = 75;
ViewRect chartPictureRect(int width, int height);

#pragma once
// ChartBitmaps: the six small images of the cursor strip, drawn in code:
// handle A (133) and handle B (131), 11 x 11, a teal square with a cyan and
// navy bevel and a white letter with a black shadow; the left (132) and right
// (130) arrow buttons, 15 x 11, silver with a white and grey bevel and a black
// arrow; and the two arrow buttons pressed (137 left, 138 right), sunken with
// a black and grey bevel.
//
// Owns nothing beyond the images it returns; the view copies them into the
// strip.

#include <QImage>

class ChartBitmaps {
 public:
  static constexpr int kRightArrow = 130;
  static constexpr int kHandleB = 131;
  static constexpr int kLeftArrow = 132;
  static constexpr int kHandleA = 133;
  static constexpr int kLeftArrowPressed = 137;
  static constexpr int kRightArrowPressed = 138;

  // The image of a resource id, or a null image for an unknown id.
  static QImage make(int resourceId);

 private:
  static QImage handle(char letter);
  static QImage arrow(bool pointsLeft, bool pressed);
};

#pragma once

namespace strcrypt::app {

struct Point {
  int x;
  int y;
  friend bool operator==(const Point&, const Point&) = default;
};

// The outer top-left corner that centres a window on the whole screen, task bar included;
// the division rounds toward zero, so a window wider than the screen gets a negative left.
constexpr Point CentredOrigin(int screen_width, int screen_height, int width, int height) {
  return {(screen_width - width) / 2, (screen_height - height) / 2};
}

}  // namespace strcrypt::app

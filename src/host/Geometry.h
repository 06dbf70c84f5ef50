// Positions and sizes in pixels; the origin is the top-left corner and y
// grows downwards.
#pragma once

namespace formfit {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point& other) const { return x == other.x && y == other.y; }
  bool operator!=(const Point& other) const { return !(*this == other); }
};

struct Dimension {
  int width = 0;
  int height = 0;
  bool operator==(const Dimension& other) const {
    return width == other.width && height == other.height;
  }
  bool operator!=(const Dimension& other) const { return !(*this == other); }
};

// A window's place in its parent's client area.
struct Bounds {
  Point origin;
  Dimension size;
  bool operator==(const Bounds& other) const {
    return origin == other.origin && size == other.size;
  }
  bool operator!=(const Bounds& other) const { return !(*this == other); }
};

struct Color {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;
};

}  // namespace formfit

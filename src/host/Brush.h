// A solid brush of one colour; owns its GDI brush.
#pragma once

#include <windows.h>

#include "host/Geometry.h"

namespace formfit {

class Brush {
 public:
  explicit Brush(Color color);
  ~Brush();
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;

  HBRUSH Handle() const { return handle_; }
  Color GetColor() const { return color_; }
  COLORREF Ref() const { return RGB(color_.red, color_.green, color_.blue); }

 private:
  Color color_;
  HBRUSH handle_;
};

}  // namespace formfit

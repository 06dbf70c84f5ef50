#include "host/Brush.h"

namespace formfit {

Brush::Brush(Color color) : color_(color), handle_(CreateSolidBrush(Ref())) {}

Brush::~Brush() {
  if (handle_) DeleteObject(handle_);
}

}  // namespace formfit

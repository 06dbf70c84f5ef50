#include "wizard/qTools.h"

namespace formfit {

bool qWinIsEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }

Point qGetWindowOrigin(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  POINT origin{rect.left, rect.top};
  ScreenToClient(GetParent(window), &origin);
  return {origin.x, origin.y};
}

}  // namespace formfit

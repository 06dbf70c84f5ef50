// Free helpers of the wizard framework.
#pragma once

#include <windows.h>

#include "host/Geometry.h"

namespace formfit {

// Whether the window is enabled.
bool qWinIsEnabled(HWND window);
// The window's top-left corner in its parent's client coordinates.
Point qGetWindowOrigin(HWND window);

}  // namespace formfit

// What the wizard's window tests share: their owner dialog and pixel sizes
// computed from dialog units.
#pragma once

#include <windows.h>

#include "host/DialogWindow.h"
#include "host/Geometry.h"

namespace formfit {

// The pixels of a rectangle given in the dialog units of `dialog`. Origin
// and size are mapped each on its own, as the dialog manager places items.
inline Bounds DialogPixels(HWND dialog, int x, int y, int width, int height) {
  RECT origin{x, y, 0, 0};
  RECT size{0, 0, width, height};
  MapDialogRect(dialog, &origin);
  MapDialogRect(dialog, &size);
  return {{origin.left, origin.top}, {size.right, size.bottom}};
}

inline LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
inline LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

}  // namespace formfit

// A qPropertyList carried by any window or control, attached to its handle as
// the window property "__qPropertyListPtr".
//
// The property holds the address of a cell that owns the list. Only cells
// that this module made and that are still alive count: a property value that
// is foreign (set by someone else) or stale is never looked into. The cell is
// released, and the property removed, by PropertyListDestroy or at the latest
// when the window is destroyed.
#pragma once

#include "host/Window.h"
#include "wizard/qPropertyList.h"

namespace formfit {

// The window's list, made empty on first use. The reference stays valid until
// PropertyListDestroy or the window's destruction. A Window without a handle
// answers an empty list that keeps nothing.
qPropertyList& PropertyList(const Window& window);
// Releases the window's list and removes the property, when this module
// attached one; a foreign property value is left alone. Always true.
bool PropertyListDestroy(const Window& window);

}  // namespace formfit

// The error message of a page that refuses to be left.
#pragma once

#include <string>

#include "host/Window.h"

namespace formfit {

// Shows `text` in an error box owned by the page's top-level window, whose
// caption (the setup dialog's) is the box's title: the page's own window text
// is never seen by the user. Waits until the user closes it, then puts the
// keyboard focus on `fault`, the control with which the user puts it right.
void ShowPageError(const Window& page, const std::string& text, const Window& fault);

}  // namespace formfit

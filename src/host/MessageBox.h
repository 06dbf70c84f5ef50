// Message boxes with one OK button. Each waits until the user closes it.
#pragma once

#include <string>

#include "host/Window.h"

namespace formfit {

// The information icon, `title` in the title bar; owned by `owner` (may be
// null).
void InfoBox(const Window* owner, const std::string& title, const std::string& text);
// The error icon; the title is the owner's caption (empty without owner).
void ErrorBox(const Window* owner, const std::string& text);
// The error icon, `title` in the title bar, owned by no window: for a run
// that has no window left to own it.
void StandaloneErrorBox(const std::string& title, const std::string& text);

}  // namespace formfit

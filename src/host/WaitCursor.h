// The wait cursor while a piece of work blocks the window, as a scope.
#pragma once

#include <windows.h>

namespace formfit {

// Shows the wait cursor from construction on and the cursor before it
// again when it goes. The work that blocks the thread lets no message set
// another one meanwhile.
class WaitCursor {
 public:
  WaitCursor() : before_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(before_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR before_;
};

}  // namespace formfit

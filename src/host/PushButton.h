// The push button, which watches its own focus.
#pragma once

#include <windows.h>

#include "host/Control.h"

namespace formfit {

// The event of a focus change: whether the window got or lost the focus.
struct FocusChangeEvent {
  bool gotFocus;
};

// A push button. It watches its own focus changes (the window is subclassed
// while the object exists) and reports them to FocusChange.
class PushButton : public Control {
 public:
  PushButton(DialogWindow& owner, int id);
  ~PushButton() override;

  // Called when the button gets or loses the keyboard focus; true.
  virtual bool FocusChange(const FocusChangeEvent& event);
  bool IsDefault() const;

 private:
  static LRESULT CALLBACK FocusProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR data);
  bool subclassed_ = false;
};

}  // namespace formfit

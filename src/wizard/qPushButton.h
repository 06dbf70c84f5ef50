// The push button of the wizard framework: every push button of the program
// is one. Disabling it never leaves the keyboard focus on it and takes the
// default-button look away; losing the focus takes the look away too.
#pragma once

#include "host/PushButton.h"

namespace formfit {

class qPushButton : public PushButton {
 public:
  using PushButton::PushButton;

  // When enabled, drops the default-button style bit (seen at the next
  // repaint); when focused, moves the focus to the next control of the
  // dialog's tab order; then disables. Answers the host's Disable.
  bool Disable() override;
  // On losing the focus drops the default-button style bit. Answers the
  // host's FocusChange.
  bool FocusChange(const FocusChangeEvent& event) override;

 private:
  void DropDefaultLook();
};

}  // namespace formfit

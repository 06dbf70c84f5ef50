#include "wizard/qPushButton.h"
#include "wizard/qTools.h"

namespace formfit {

void qPushButton::DropDefaultLook() {
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  if (style & BS_DEFPUSHBUTTON) SetWindowLongPtrA(Handle(), GWL_STYLE, style & ~BS_DEFPUSHBUTTON);
}

bool qPushButton::Disable() {
  if (qWinIsEnabled(Handle())) DropDefaultLook();
  if (GetFocus() == Handle()) SendMessageA(GetParent(Handle()), WM_NEXTDLGCTL, 0, 0);
  return PushButton::Disable();
}

bool qPushButton::FocusChange(const FocusChangeEvent& event) {
  if (!event.gotFocus) DropDefaultLook();
  return PushButton::FocusChange(event);
}

}  // namespace formfit

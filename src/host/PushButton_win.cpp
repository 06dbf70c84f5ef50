#include "host/CommonControls_win.h"
#include "host/HandlerFailure.h"
#include "host/PushButton.h"

namespace formfit {

namespace {
// The subclass id of the push buttons' focus watch.
constexpr UINT_PTR kFocusWatch = 0x464F4355;  // "FOCU"
}  // namespace

PushButton::PushButton(DialogWindow& owner, int id) : Control(owner, id) {
  if (Handle()) {
    subclassed_ =
        Subclass(Handle(), FocusProc, kFocusWatch, reinterpret_cast<DWORD_PTR>(this));
  }
}

PushButton::~PushButton() {
  if (subclassed_ && IsWindow(Handle())) Unsubclass(Handle(), FocusProc, kFocusWatch);
}

bool PushButton::FocusChange(const FocusChangeEvent&) { return true; }

bool PushButton::IsDefault() const {
  return (GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

LRESULT CALLBACK PushButton::FocusProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* button = reinterpret_cast<PushButton*>(data);
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      try {
        button->FocusChange({message == WM_SETFOCUS});
      } catch (...) {
        ReportHandlerFailure(std::current_exception());
      }
      break;
    case WM_NCDESTROY:
      // The window goes before the object: the object must not remove the
      // subclass of a window that no longer exists.
      Unsubclass(handle, FocusProc, kFocusWatch);
      button->subclassed_ = false;
      break;
  }
  return DefaultSubclassProc(handle, message, wParam, lParam);
}

}  // namespace formfit

#include "host/CommonControls_win.h"
#include "host/TextControls.h"

namespace formfit {

namespace {

// The subclass id of the read-only fields' key filter.
constexpr UINT_PTR kKeyFilter = 0x524F5458;  // "ROTX"

LRESULT CALLBACK KeyFilterProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  // Wanting all keys (the same bit as wanting this one message) is what
  // keeps Enter, Esc and Tab from the dialog; arrows and characters (Ctrl+C
  // copies) stay with the field.
  if (message == WM_GETDLGCODE) {
    return DefaultSubclassProc(handle, message, wParam, lParam) &
           ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
  }
  if (message == WM_NCDESTROY) Unsubclass(handle, KeyFilterProc, kKeyFilter);
  return DefaultSubclassProc(handle, message, wParam, lParam);
}

}  // namespace

ReadOnlyText::ReadOnlyText(DialogWindow& owner, int id) : Control(owner, id) {
  if (Handle()) Subclass(Handle(), KeyFilterProc, kKeyFilter, 0);
}

}  // namespace formfit

// The fault points of formfit_with_faults.exe, a formfit.exe whose runs the
// end-to-end tests make fail: the environment variable FORMFIT_FAULT names
// the point ("dialog", "page", "setup", "write", "diff") where the first pass
// throws std::runtime_error("injected fault at POINT"), or, as
// "POINT:memory", std::bad_alloc. Later passes go through, so the tests can
// see that the program is still usable afterwards.
//
// As "POINT:requests" the point does not throw: it asks the wizard to close
// in every way a user or another program can (close box, Alt+F4, Esc,
// WM_CLOSE) and to let the session end. The change must go on: when the
// close box is not greyed, the dialog went away or the session end was
// allowed, it throws, and the tests see a failure instead of the result.
#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

#include "base/FaultPoint.h"

namespace formfit {

namespace {

BOOL CALLBACK TakeVisible(HWND window, LPARAM result) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

// The program's visible top-level window: the setup dialog.
HWND Dialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), TakeVisible, reinterpret_cast<LPARAM>(&found));
  return found;
}

void AskToStop() {
  const HWND dialog = Dialog();
  if (!dialog) throw std::runtime_error("no dialog to ask");
  const UINT closeBox = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
  if (!(closeBox & MF_GRAYED)) throw std::runtime_error("the close box is not greyed");
  SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  if (!IsWindowVisible(dialog)) throw std::runtime_error("the dialog closed during the change");
  if (SendMessageA(dialog, WM_QUERYENDSESSION, 0, 0)) {
    throw std::runtime_error("the session end was allowed during the change");
  }
}

}  // namespace

void FaultPoint(const char* name) {
  static bool thrown = false;
  char wanted[64] = "";
  if (thrown || !GetEnvironmentVariableA("FORMFIT_FAULT", wanted, sizeof wanted)) return;
  const std::string point(name);
  if (wanted == point) {
    thrown = true;
    throw std::runtime_error("injected fault at " + point);
  }
  if (wanted == point + ":requests") {
    thrown = true;
    AskToStop();
  }
  if (wanted == point + ":memory") {
    thrown = true;
    throw std::bad_alloc();
  }
}

}  // namespace formfit

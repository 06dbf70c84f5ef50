// Key presses as the user makes them, for window tests in this thread: the
// key messages are posted to the window with the keyboard focus and the
// queue is run as the program's loop runs it, through IsDialogMessage of the
// message's top dialog.
#pragma once

#include <windows.h>

namespace formfit::test {

// Runs every waiting message of this thread as the program's loop does.
inline void RunDialogMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    const HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!top || !IsDialogMessageA(top, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

// The lParam of a key message: repeat count 1, the key's scan code, and for
// a key that is let go the previous-state and transition bits.
inline LPARAM KeyData(UINT key, bool up, bool alt = false) {
  LPARAM data = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
  if (alt) data |= 1 << 29;
  if (up) data |= static_cast<LPARAM>(0xC0000000u);
  return data;
}

// Holds Shift down in this thread's keyboard state while it lives, as the
// dialog manager reads it for Shift+Tab.
class HeldShift {
 public:
  HeldShift() { Set(0x80); }
  ~HeldShift() { Set(0); }
  HeldShift(const HeldShift&) = delete;
  HeldShift& operator=(const HeldShift&) = delete;

 private:
  static void Set(BYTE state) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = keys[VK_LSHIFT] = state;
    SetKeyboardState(keys);
  }
};

// A key (VK_RETURN, VK_TAB, 'H', ...) pressed and let go.
inline void PressKey(UINT key) {
  const HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, KeyData(key, false));
  PostMessageA(focus, WM_KEYUP, key, KeyData(key, true));
  RunDialogMessages();
}

// Alt held with a letter key ('O', 'W', ...).
inline void PressAltKey(UINT letter) {
  const HWND focus = GetFocus();
  PostMessageA(focus, WM_SYSKEYDOWN, letter, KeyData(letter, false, true));
  PostMessageA(focus, WM_SYSKEYUP, letter, KeyData(letter, true, true));
  RunDialogMessages();
}

}  // namespace formfit::test

// What each sample program does once its windows are ready: it tells its
// picture script where they are, then keeps them on the screen while the
// script takes the picture.
#pragma once

#include <windows.h>

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace formfit::pictures {

// Writes "NAME LEFT TOP WIDTH HEIGHT" a line for each window to `path`.
inline bool WriteRects(const char* path,
                       std::initializer_list<std::pair<const char*, HWND>> windows) {
  FILE* rects = std::fopen(path, "w");
  if (!rects) return false;
  for (const auto& [name, window] : windows) {
    RECT rect{};
    GetWindowRect(window, &rect);
    std::fprintf(rects, "%s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top);
  }
  return std::fclose(rects) == 0;
}

// Runs the messages of `dialog` for `seconds`, or until it is closed.
inline void ShowFor(HWND dialog, int seconds) {
  SetTimer(dialog, 1, static_cast<UINT>(seconds * 1000), nullptr);
  MSG message;
  while (IsWindow(dialog) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == dialog) break;
    if (!IsDialogMessageA(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

}  // namespace formfit::pictures

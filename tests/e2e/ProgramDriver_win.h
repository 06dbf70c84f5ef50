// Drives formfit.exe from outside, as a user or an installer would: starts
// it, finds its windows by their texts, clicks, and waits for it to end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace formfit::test {

class RunningProgram {
 public:
  // Starts `program` with the command-line words `words` (each quoted as
  // needed by the caller) in the folder `folder`.
  RunningProgram(const std::string& program, const std::string& words);
  // Starts the whole command line `commandLine` as given; its first word
  // names the program.
  explicit RunningProgram(const std::string& commandLine);
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return process_ != nullptr; }
  // The exit status once the program ended within `milliseconds`; -1 when
  // it is still running (it is then ended).
  int WaitForExit(DWORD milliseconds = 20000);
  // A visible top-level window of the program with this title; null when
  // none appears within `milliseconds`.
  HWND WaitForWindow(const std::string& title, DWORD milliseconds = 10000) const;
  // A visible top-level window of the program other than `except` (a
  // message box over the dialog, say); null when none appears in time.
  HWND WaitForOtherWindow(HWND except, DWORD milliseconds = 10000) const;
  // True while the program runs: whether any of its top-level windows has
  // ever been visible so far (checked at every call).
  bool ShowedAWindow();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  bool showed_ = false;
};

// The visible descendant of `top` of that window class whose text is
// `text`; null when none.
HWND FindChild(HWND top, const std::string& windowClass, const std::string& text);
// The visible descendant of `top` of that window class; null when none.
HWND FindChildOfClass(HWND top, const std::string& windowClass);
// Waits until `top` has such a visible descendant; null after `milliseconds`.
HWND WaitForChild(HWND top, const std::string& windowClass, const std::string& text,
                  DWORD milliseconds = 10000);
// Every visible static text under `top`, in window order.
std::vector<std::string> Texts(HWND top);
std::string WindowText(HWND window);
// Clicks the button without waiting for what the click sets off (it may
// open a message box).
void Click(HWND button);

}  // namespace formfit::test

#include "ProgramDriver_win.h"

#include <algorithm>

namespace formfit::test {

namespace {

constexpr DWORD kPoll = 20;

struct Search {
  std::string windowClass;
  const std::string* text;
  HWND found = nullptr;
};

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK MatchChild(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  if (!IsWindowVisible(window) ||
      _stricmp(ClassOf(window).c_str(), search.windowClass.c_str()) != 0) {
    return TRUE;
  }
  if (search.text && WindowText(window) != *search.text) return TRUE;
  search.found = window;
  return FALSE;
}

struct TopSearch {
  DWORD process;
  const std::string* title;
  HWND found = nullptr;
  bool anyVisible = false;
  HWND except = nullptr;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<TopSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window)) return TRUE;
  search.anyVisible = true;
  if (search.except && window != search.except) {
    search.found = window;
    return FALSE;
  }
  if (search.title && WindowText(window) == *search.title) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectText(HWND window, LPARAM data) {
  if (IsWindowVisible(window) && _stricmp(ClassOf(window).c_str(), "Static") == 0) {
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(WindowText(window));
  }
  return TRUE;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program, const std::string& words)
    : RunningProgram("\"" + program + "\" " + words) {}

RunningProgram::RunningProgram(const std::string& commandLine) {
  std::string line = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
  CloseHandle(process_);
}

int RunningProgram::WaitForExit(DWORD milliseconds) {
  if (!process_) return -1;
  for (DWORD waited = 0; WaitForSingleObject(process_, kPoll) == WAIT_TIMEOUT; waited += kPoll) {
    ShowedAWindow();
    if (waited >= milliseconds) {
      TerminateProcess(process_, 99);
      return -1;
    }
  }
  DWORD status = 0;
  GetExitCodeProcess(process_, &status);
  return static_cast<int>(status);
}

HWND RunningProgram::WaitForWindow(const std::string& title, DWORD milliseconds) const {
  for (DWORD waited = 0; waited <= milliseconds; waited += kPoll) {
    TopSearch search{id_, &title};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(kPoll);
  }
  return nullptr;
}

HWND RunningProgram::WaitForOtherWindow(HWND except, DWORD milliseconds) const {
  for (DWORD waited = 0; waited <= milliseconds; waited += kPoll) {
    TopSearch search{id_, nullptr};
    search.except = except;
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(kPoll);
  }
  return nullptr;
}

bool RunningProgram::ShowedAWindow() {
  TopSearch search{id_, nullptr};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
  showed_ = showed_ || search.anyVisible;
  return showed_;
}

HWND FindChild(HWND top, const std::string& windowClass, const std::string& text) {
  Search search{windowClass, &text};
  EnumChildWindows(top, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindChildOfClass(HWND top, const std::string& windowClass) {
  Search search{windowClass, nullptr};
  EnumChildWindows(top, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForChild(HWND top, const std::string& windowClass, const std::string& text,
                  DWORD milliseconds) {
  for (DWORD waited = 0; waited <= milliseconds; waited += kPoll) {
    if (HWND found = FindChild(top, windowClass, text)) return found;
    Sleep(kPoll);
  }
  return nullptr;
}

std::vector<std::string> Texts(HWND top) {
  std::vector<std::string> texts;
  EnumChildWindows(top, CollectText, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

std::string WindowText(HWND window) {
  // Asked of the window itself: for another process's control, GetWindowText
  // answers only captions.
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(std::min<std::size_t>(copied, length));
  return text;
}

void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

}  // namespace formfit::test

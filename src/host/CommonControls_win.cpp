#include "host/CommonControls_win.h"

#include <string>

namespace formfit {

namespace {

template <typename Function>
Function Find(HMODULE module, const char* name) {
  // Through a plain function pointer, which any function pointer converts
  // to and from without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The DLLs that the common controls' visual styles pull in, some only when
// they first draw. Each is loaded from the system folder by its full path
// before comctl32, so that no later load by its name looks anywhere else: not
// on a Windows 7 that lacks the default DLL directories, and not through a
// delayed import that a loader resolves with the program's folder first.
constexpr const char* kStyleDlls[] = {"uxtheme.dll", "dwmapi.dll", "msimg32.dll"};

void LoadFromSystemFolder(const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  LoadLibraryA((std::string(folder, length) + "\\" + name).c_str());
}

struct CommonControls {
  decltype(&::InitCommonControlsEx) init = nullptr;
  decltype(&::SetWindowSubclass) subclass = nullptr;
  decltype(&::RemoveWindowSubclass) unsubclass = nullptr;
  decltype(&::DefSubclassProc) defaultProc = nullptr;

  CommonControls() {
    for (const char* name : kStyleDlls) LoadFromSystemFolder(name);
    // By name, so that the manifest picks version 6; a Windows 7 without
    // the update refuses the flag.
    HMODULE module = LoadLibraryExA("comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) module = LoadLibraryA("comctl32.dll");
    if (!module) return;
    init = Find<decltype(init)>(module, "InitCommonControlsEx");
    subclass = Find<decltype(subclass)>(module, "SetWindowSubclass");
    unsubclass = Find<decltype(unsubclass)>(module, "RemoveWindowSubclass");
    defaultProc = Find<decltype(defaultProc)>(module, "DefSubclassProc");
    if (init) {
      INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
      init(&classes);
    }
  }
};

// Loaded once, on first use, and kept for the process.
const CommonControls& Loaded() {
  static const CommonControls controls;
  return controls;
}

}  // namespace

bool LoadCommonControls() { return Loaded().init != nullptr; }

BOOL Subclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  const auto subclass = Loaded().subclass;
  return subclass ? subclass(window, procedure, id, data) : FALSE;
}

BOOL Unsubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  const auto unsubclass = Loaded().unsubclass;
  return unsubclass ? unsubclass(window, procedure, id) : FALSE;
}

LRESULT DefaultSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Loaded().defaultProc(window, message, wParam, lParam);
}

}  // namespace formfit

#include <objbase.h>
#include <shlobj.h>

#include "host/StandardFolderDialog.h"

namespace formfit {

namespace {

int CALLBACK SelectStart(HWND browser, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start) SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

}  // namespace

StandardFolderDialog::StandardFolderDialog(const Window* owner, std::string title,
                                           std::string start)
    : owner_(owner), title_(std::move(title)), start_(std::move(start)) {}

bool StandardFolderDialog::Show() {
  // The browser needs COM on this thread; a thread that has it already keeps
  // its own apartment.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::string start = start_;
  // The browser selects a folder given without the closing separator only.
  if (start.size() > 3 && start.back() == '\\') start.pop_back();
  char display[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = owner_ ? owner_->Handle() : nullptr;
  info.pszDisplayName = display;
  info.lpszTitle = title_.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectStart;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  bool chosen = false;
  if (PIDLIST_ABSOLUTE folder = SHBrowseForFolderA(&info)) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(folder, path)) {
      result_ = path;
      if (result_.empty() || result_.back() != '\\') result_ += '\\';
      chosen = true;
    }
    CoTaskMemFree(folder);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace formfit

// formfit.exe: the setup wizard, or with the word "silent" the change alone.
#include <windows.h>

#include "app/App.h"
#include "app/Start.h"
#include "host/CommonControls_win.h"
#include "ui/dlgFormfit.h"

namespace {

// Installers start the program elevated from folders that others can write
// to (a download folder, a setup's temporary folder). A DLL planted there
// under the name of a system DLL must never load, so before anything loads
// a DLL the search is the system folder alone, without the program's folder
// and the current one; the program imports only DLLs that Windows always
// takes from the system folder. A corrupted heap ends the process instead
// of running on.
void HardenProcess() {
  HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
  // Looked up, since a Windows 7 without its update lacks it; there the
  // search keeps its order, less the current folder.
  using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesCall>(
      reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryA("");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace formfit;
  HardenProcess();
  return Start(
      App::GetParameterList(),
      [](const SetupChoice& choice) {
        // Only the wizard needs the common controls: a silent run loads none.
        LoadCommonControls();
        return std::make_unique<dlgFormfit>(choice);
      },
      [](const std::string& reason) { dlgFormfit::TellFailure(nullptr, reason); });
}

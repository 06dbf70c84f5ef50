// formfit.exe: the setup wizard, or with the word "silent" the change alone.
#include <windows.h>

#include "app/App.h"
#include "app/Start.h"
#include "host/CommonControls_win.h"
#include "ui/dlgFormfit.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace formfit;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  return Start(
      App::GetParameterList(),
      [](const std::vector<std::string>& words) { return std::make_unique<dlgFormfit>(words); },
      [](const std::string& reason) { dlgFormfit::TellFailure(nullptr, reason); });
}

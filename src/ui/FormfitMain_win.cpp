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
      [](const SetupChoice& choice) { return std::make_unique<dlgFormfit>(choice); },
      [](const std::string& reason) { dlgFormfit::TellFailure(nullptr, reason); });
}

// Not a test: walks formfit.exe's wizard page by page for the picture
// script, stopping at each step until the script has taken its picture.
//   formfit_wizard_tour PROGRAM FOLDER WORKDIR
// Steps 1 to 5 are the pages (30 the opened component list), 6 the process
// page under the result message box, 7 the box alone. At step N it writes WORKDIR\stepN.txt ("x y w
// h" of the window to take) and waits for WORKDIR\goN before it goes on.
#include <cstdio>
#include <string>

#include "ProgramDriver_win.h"

namespace {

using namespace formfit::test;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Tells the script where the window is and waits until it took the picture.
bool Stop(const std::string& work, int step, HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const std::string name = work + "\\step" + std::to_string(step);
  FILE* file = std::fopen((name + ".tmp").c_str(), "w");
  if (!file) return false;
  std::fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top);
  std::fclose(file);
  MoveFileA((name + ".tmp").c_str(), (name + ".txt").c_str());
  for (int waited = 0; !Exists(work + "\\go" + std::to_string(step)); waited += 50) {
    if (waited > 60000) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: formfit_wizard_tour PROGRAM FOLDER WORKDIR\n");
    return 2;
  }
  const std::string work = argv[3];
  RunningProgram program(argv[1], std::string("\"cavopath=") + argv[2] + "\"");
  HWND dialog = program.WaitForWindow("Setup DU-Rodadu Dazodo v3");
  if (!dialog) return 1;
  for (int step = 1; step <= 5; ++step) {
    Sleep(500);
    if (!Stop(work, step, dialog)) return 1;
    if (step == 5) break;
    if (step == 3) {
      // The list opened, as the user sees it when choosing.
      HWND list = FindChildOfClass(dialog, "ComboBox");
      SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
      Sleep(500);
      if (!Stop(work, 30, dialog)) return 1;
      SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
    }
    Click(FindChild(dialog, "Button", "&Weiter >"));
  }
  Click(FindChild(dialog, "Button", "&Fertigstellen"));
  // The result message box: its title is the status's caption, the one
  // window of the program besides the dialog.
  HWND box = program.WaitForOtherWindow(dialog);
  if (!box) return 1;
  Sleep(500);
  // The process page stays behind the result until the box is closed.
  if (!Stop(work, 6, dialog) || !Stop(work, 7, box)) return 1;
  Click(FindChild(box, "Button", "OK"));
  return program.WaitForExit() == 0 ? 0 : 1;
}

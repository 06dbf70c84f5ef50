// Not a test: walks formfit.exe's wizard page by page for the picture
// script, stopping at each step until the script has taken its picture.
//   formfit_wizard_tour PROGRAM FOLDER WORKDIR [en]
// The first walk: steps 1 to 5 are the pages (30 the opened component list,
// 4 the mode page of a component not installed, 50 the Summary with the
// window of the changes open), 6 the process page under the result message
// box, 7 the box alone; Finish adds the component. A second walk shows the
// mode page of the installed component (8); after the component file was
// changed, a third one shows it installed in part (9), then with the
// restore choice clicked (10), and the Summary that lists it (11). At step
// N the tour writes WORKDIR\stepN.txt ("x y w h" of the screen to take) and
// waits for WORKDIR\goN before it goes on. With "en" the wizard is English.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "ProgramDriver_win.h"
#include "env/LanguageStrings.h"
#include "ui/TextNumbers.h"

namespace {

using namespace formfit;
using namespace formfit::test;

std::string languageFile;

// The program's text, from the language file beside it.
std::string T(unsigned number) {
  static const LanguageTable table = LanguageTable::FromFile(languageFile);
  return table.Lookup(number, "");
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Tells the script which part of the screen to take and waits until it took
// the picture.
bool Stop(const std::string& work, int step, RECT rect) {
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

bool Stop(const std::string& work, int step, HWND window) {
  Sleep(500);
  RECT rect{};
  GetWindowRect(window, &rect);
  return Stop(work, step, rect);
}

void Next(HWND dialog) { Click(FindChild(dialog, "Button", T(text::kNext))); }

// Starts the program and walks it to its mode page.
HWND ToModePage(RunningProgram& program) {
  HWND dialog = program.WaitForWindow(T(text::kDialogCaption));
  if (!dialog) return nullptr;
  for (const unsigned caption :
       {text::kFolderCaption, text::kComponentCaption, text::kModeCaption}) {
    Next(dialog);
    if (!WaitForChild(dialog, "Static", T(caption))) return nullptr;
  }
  return dialog;
}

// The Summary with the window of the changes open over it.
bool StopAtChanges(RunningProgram& program, const std::string& work, int step, HWND dialog) {
  Click(FindChild(dialog, "Button", T(text::kShowChanges)));
  HWND changes = program.WaitForWindow(T(text::kChangesCaption));
  if (!changes) return false;
  Sleep(500);
  RECT both{};
  RECT shown{};
  GetWindowRect(dialog, &both);
  GetWindowRect(changes, &shown);
  UnionRect(&both, &both, &shown);
  if (!Stop(work, step, both)) return false;
  PostMessageA(changes, WM_COMMAND, IDCANCEL, 0);
  return true;
}

bool FirstWalk(const std::string& program, const std::string& words, const std::string& work) {
  RunningProgram wizard(program, words);
  HWND dialog = wizard.WaitForWindow(T(text::kDialogCaption));
  if (!dialog) return false;
  for (int step = 1; step <= 5; ++step) {
    if (!Stop(work, step, dialog)) return false;
    if (step == 5) break;
    if (step == 3) {
      // The list opened, as the user sees it when choosing.
      HWND list = FindChildOfClass(dialog, "ComboBox");
      SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
      if (!Stop(work, 30, dialog)) return false;
      SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
    }
    Next(dialog);
  }
  if (!StopAtChanges(wizard, work, 50, dialog)) return false;
  Sleep(500);
  Click(FindChild(dialog, "Button", T(text::kFinish)));
  // The result message box: its title is the status's caption, the one
  // window of the program besides the dialog.
  HWND box = wizard.WaitForOtherWindow(dialog);
  if (!box) return false;
  // The process page stays behind the result until the box is closed.
  if (!Stop(work, 6, dialog) || !Stop(work, 7, box)) return false;
  Click(FindChild(box, "Button", "OK"));
  return wizard.WaitForExit() == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: formfit_wizard_tour PROGRAM FOLDER WORKDIR [en]\n");
    return 2;
  }
  const std::string program = argv[1];
  const std::string folder = argv[2];
  const std::string work = argv[3];
  const bool english = argc == 5 && std::string(argv[4]) == "en";
  languageFile = program.substr(0, program.find_last_of("\\/") + 1) +
                 (english ? "Formfit.en.sys" : "Formfit.sys");
  const std::string words = "\"cavopath=" + folder + "\"" + (english ? " lang=en" : "");
  if (!FirstWalk(program, words, work)) return 1;

  RunningProgram installed(program, words);
  HWND dialog = ToModePage(installed);
  if (!dialog || !Stop(work, 8, dialog)) return 1;
  Click(FindChild(dialog, "Button", T(text::kAbort)));
  installed.WaitForExit();

  // Another version of the component file: one of its values changed.
  const std::string file = folder + "\\BIN\\grid.wed";
  std::stringstream bytes;
  bytes << std::ifstream(file, std::ios::binary).rdbuf();
  std::string changed = bytes.str();
  changed.replace(changed.find("Size=200,120"), 12, "Size=300,120");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << changed;
  RunningProgram inPart(program, words);
  dialog = ToModePage(inPart);
  if (!dialog || !Stop(work, 9, dialog)) return 1;
  Click(FindChild(dialog, "Button", T(text::kModeRestore)));
  if (!Stop(work, 10, dialog)) return 1;
  Next(dialog);
  if (!WaitForChild(dialog, "Static", T(text::kSummaryCaption)) || !Stop(work, 11, dialog))
    return 1;
  Click(FindChild(dialog, "Button", T(text::kAbort)));
  return inPart.WaitForExit() == 1 ? 0 : 1;
}

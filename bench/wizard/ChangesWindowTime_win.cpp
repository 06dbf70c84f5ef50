// Not a test: times what the wizard's new steps cost a user, from outside,
// as a user meets them in formfit.exe started on FOLDER (the component the
// list proposes):
// the mode page's check (from Next on the component page until the mode
// page shows its line), and the window of the changes for an Add and for a
// restore of the newest backup (from the click on the Summary's button
// until the window shows its text). Prints one line a run:
// "check MS add MS BYTES restore MS BYTES" (BYTES: the text the window shows).
//   formfit_changes_window_time PROGRAM FOLDER RUNS
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ProgramDriver_win.h"

namespace {

using namespace formfit::test;
using Clock = std::chrono::steady_clock;

long Since(Clock::time_point start) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

bool Next(HWND dialog, const char* caption) {
  Click(FindChild(dialog, "Button", "&Weiter >"));
  return WaitForChild(dialog, "Static", caption, 600000) != nullptr;
}

// Opens the window of the changes from the Summary page and closes it again;
// the milliseconds until it showed its text, and the text's length.
std::pair<long, std::size_t> Changes(RunningProgram& program, HWND dialog) {
  const auto start = Clock::now();
  Click(FindChild(dialog, "Button", "&\xC4nderungen anzeigen..."));
  HWND window = program.WaitForWindow("\xC4nderungen an DEDUDED.INF", 600000);
  if (!window) return {-1, 0};
  const long took = Since(start);
  const std::size_t shown = WindowText(FindChildOfClass(window, "Edit")).size();
  PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  for (int waited = 0; IsWindowVisible(window) && waited < 60000; waited += 20) Sleep(20);
  return {took, shown};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: formfit_changes_window_time PROGRAM FOLDER RUNS\n");
    return 2;
  }
  for (int run = 0; run < std::atoi(argv[3]); ++run) {
    RunningProgram program(argv[1], std::string("\"cavopath=") + argv[2] + "\"");
    HWND dialog = program.WaitForWindow("Setup DU-Rodadu Dazodo v3");
    if (!dialog || !Next(dialog, "Verzeichnis von Visual Objects w\xE4hlen") ||
        !Next(dialog, "Komponente w\xE4hlen")) {
      return 1;
    }
    const auto start = Clock::now();
    if (!Next(dialog, "Komponente hinzuf\xFCgen oder entfernen")) return 1;
    const long check = Since(start);
    if (!Next(dialog, "Zusammenfassung")) return 1;
    const auto [add, addShown] = Changes(program, dialog);
    Click(FindChild(dialog, "Button",
                    "< &Zur\xFC"
                    "ck"));
    Click(FindChild(dialog, "Button",
                    "&Letzte Sicherungskopie zur\xFC"
                    "ckholen"));
    if (!Next(dialog, "Zusammenfassung")) return 1;
    const auto [restore, restoreShown] = Changes(program, dialog);
    Click(FindChild(dialog, "Button", "&Abbrechen"));
    program.WaitForExit();
    std::printf("check %ld add %ld %zu restore %ld %zu\n", check, add, addShown, restore,
                restoreShown);
  }
  return 0;
}

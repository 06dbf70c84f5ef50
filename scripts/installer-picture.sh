#!/usr/bin/env bash
# A picture of the Grid setup's failure message as a user sees it: the
# installer of examples/installer runs on a virtual screen on a copy of
# examples/VO28 whose BIN\DEDUDED.INF another program holds open, as a
# running IDE does; Formfit cannot open it, and the message box the setup
# then shows goes to the picture.
#
#   scripts/installer-picture.sh [OUTFILE]    (default: docs/installer-message.png)
#
# Builds formfit.exe of the x86_64 tree (a tree named by FORMFIT_PICTURE_BUILD
# is taken as it is) and the installer for it; installs Xvfb and ImageMagick
# when they are missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs/installer-message.png}
display=:94
screen=800x600
if [ -n "${FORMFIT_PICTURE_BUILD:-}" ]; then
  build=$FORMFIT_PICTURE_BUILD
else
  build=$root/build/x86_64
  source "$root/scripts/windows-tree.sh"
  configure_windows_tree "$root" "$build" x86_64
  cmake --build "$build" -j2 --target formfit >/dev/null
fi

source "$root/scripts/virtual-screen.sh"
virtual_screen "$display" "$screen" "$build"

mkdir -p "$work/release"
cp "$build/formfit.exe" "$root/resources/Formfit.sys" "$root/resources/Formfit.en.sys" "$work/release/"
makensis -V2 "-XTarget amd64-unicode" "-DFORMFIT_DIR=$work/release" \
  "-DCOMPONENT_FILE=$root/examples/VO28/BIN/grid.wed" "-DOUTFILE=$work/grid-setup.exe" \
  "$root/examples/installer/grid-setup.nsi" >/dev/null
cp -r "$root/examples/VO28" "$work/"

# The setup runs as a user runs it: a driver on the same Wine desktop holds
# the configuration file open without sharing, starts the setup, clicks
# Install on its folder page, reports where the message box is, and once the
# picture is taken closes the box and then the setup, and reports the
# setup's exit code.
cat >"$work/driver.c" <<'EOF'
#include <stdio.h>
#include <string.h>
#include <windows.h>

/* The setup's window (no owner; its caption names the page after "Grid
   Setup") or its message box (owned by it, captioned "Grid Setup"). */
static HWND Find(BOOL owned) {
  for (int tries = 0; tries < 300; ++tries) {
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, "#32770", NULL)) != NULL) {
      char caption[64];
      GetWindowTextA(window, caption, sizeof caption);
      if (strncmp(caption, "Grid Setup", 10) == 0 && IsWindowVisible(window) &&
          (GetWindow(window, GW_OWNER) != NULL) == owned) {
        return window;
      }
    }
    Sleep(100);
  }
  return NULL;
}

/* driver SETUP FOLDER RECTFILE GOFILE ENDFILE */
int main(int argc, char** argv) {
  if (argc != 6) return 2;
  char command[2 * MAX_PATH];
  snprintf(command, sizeof command, "%s\\BIN\\DEDUDED.INF", argv[2]);
  HANDLE held = CreateFileA(command, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
  if (held == INVALID_HANDLE_VALUE) return 1;
  /* /D= goes last and unquoted, as the setup takes it. */
  snprintf(command, sizeof command, "\"%s\" /D=%s", argv[1], argv[2]);
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process;
  if (!CreateProcessA(NULL, command, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) return 1;
  HWND setup = Find(FALSE);
  if (!setup) return 1;
  Sleep(500);
  PostMessageA(GetDlgItem(setup, IDOK), BM_CLICK, 0, 0);
  HWND box = Find(TRUE);
  if (!box) return 1;
  RECT rect;
  GetWindowRect(box, &rect);
  FILE* file = fopen(argv[3], "w");
  if (!file) return 1;
  fprintf(file, "%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
          rect.bottom - rect.top);
  fclose(file);
  while (GetFileAttributesA(argv[4]) == INVALID_FILE_ATTRIBUTES) Sleep(100);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  /* The aborted setup offers only Cancel. */
  HWND cancel = GetDlgItem(setup, IDCANCEL);
  for (int tries = 0; tries < 300 && !IsWindowEnabled(cancel); ++tries) Sleep(100);
  PostMessageA(cancel, BM_CLICK, 0, 0);
  DWORD code = 1;
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &code);
  file = fopen(argv[5], "w");
  if (!file) return 1;
  fprintf(file, "%lu\n", code);
  fclose(file);
  CloseHandle(held);
  return 0;
}
EOF
x86_64-w64-mingw32-gcc -O2 -o "$work/driver.exe" "$work/driver.c"

# The installation lies on drive D:, as on a user's machine.
ln -sfn "$work" "$WINEPREFIX/dosdevices/d:"
"$wine" explorer.exe /desktop=Grid,"$screen" "$work/driver.exe" "$(winpath "$work/grid-setup.exe")" \
  'D:\VO28' "$(winpath "$work/box.txt")" "$(winpath "$work/go")" \
  "$(winpath "$work/end.txt")" </dev/null >/dev/null 2>&1 &
for _ in $(seq 300); do
  [ -s "$work/box.txt" ] && break
  sleep 0.1
done
[ -s "$work/box.txt" ] || { echo "installer-picture.sh: the message box did not come" >&2; exit 1; }
sleep 0.5
read -r x y w h <"$work/box.txt"
import -display "$display" -window root "$work/screen.png"
mkdir -p "$(dirname "$out")"
convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$out"
echo "installer-picture.sh: wrote $out (${w}x${h})"
touch "$work/go"
for _ in $(seq 300); do
  [ -s "$work/end.txt" ] && break
  sleep 0.1
done
[ -s "$work/end.txt" ] || { echo "installer-picture.sh: the setup did not end" >&2; exit 1; }
echo "installer-picture.sh: the setup ended with exit code $(tr -d '\r\n' <"$work/end.txt")"

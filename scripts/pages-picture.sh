#!/usr/bin/env bash
# Shows each setup page under a page header on a virtual screen and
# captures it:
#
#   scripts/pages-picture.sh [OUTDIR]     (default: docs)
#
# writes OUTDIR/page-welcome.png, page-folder.png, page-component.png,
# page-component-open.png (its list dropped down) and page-mode.png, each the
# whole sample dialog with its title bar. The folder and component pages show
# a copy of the bundled sample installation. Runs like scripts/picture.sh:
# Wine under Xvfb on display :97, with a desktop of its own that draws the
# title bars, in a prefix of its own beside the tests' headless one.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs}
build=$root/build/x86_64
display=:97

source "$root/scripts/windows-tree.sh"
configure_windows_tree "$root" "$build" x86_64
cmake --build "$build" -j2 --target formfit_pages_sample >/dev/null

source "$root/scripts/virtual-screen.sh"
virtual_screen "$display" 640x480 "$build"

cp -r "$root/examples/VO28" "$work/VO28"
folder=$(winpath "$work/VO28/")
bin=$(winpath "$work/VO28/BIN/")

mkdir -p "$out"
# shot NAME PAGE [FOLDER] [open]
shot() {
  local name=$1
  shift
  local rects=$work/$name.txt
  "$wine" explorer.exe /desktop=Formfit,640x480 \
    "$build/scripts/pictures/formfit_pages_sample.exe" "$(winpath "$rects")" 6 "$@" \
    </dev/null >/dev/null 2>&1 &
  local pid=$!
  for _ in $(seq 100); do
    [ -s "$rects" ] && break
    sleep 0.1
  done
  [ -s "$rects" ] || { echo "pages-picture.sh: the $name page did not appear" >&2; exit 1; }
  sleep 2  # let it paint
  import -display "$display" -window root "$work/screen.png"
  local x y w h
  read -r _ x y w h < <(grep "^dialog" "$rects" | tr -d "\r")
  convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$out/page-$name.png"
  wait "$pid" || true
  echo "pages-picture.sh: wrote $out/page-$name.png (${w}x${h})"
}

shot welcome welcome
shot folder folder "$folder"
shot component component "$bin"
shot component-open component "$bin" open
shot mode mode

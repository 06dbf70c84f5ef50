#!/usr/bin/env bash
# Pictures of formfit.exe as a user sees it: its five pages, the component
# list opened, and the result message box, taken on a virtual screen while
# a tour program walks the wizard on a copy of the sample installation.
#
#   scripts/wizard-pictures.sh [--dpi N] [OUTDIR]     (default: 96, docs)
#
# writes OUTDIR/wizard-1-welcome.png ... wizard-5-summary.png, wizard-6-process.png
# (the process page under the result) and wizard-7-result.png; at another
# screen resolution than 96 DPI, OUTDIR/dpiN-1-welcome.png and so on. Builds
# the program and tour of the x86_64 tree (or of FORMFIT_PICTURE_BUILD) if
# needed; installs Xvfb and ImageMagick when they are missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dpi=96
if [ "${1:-}" = --dpi ]; then
  dpi=$2
  shift 2
fi
out=${1:-$root/docs}
build=${FORMFIT_PICTURE_BUILD:-$root/build/x86_64}
display=:95
prefix=wizard
screen=800x600
if [ "$dpi" != 96 ]; then
  prefix=dpi$dpi
  screen=1280x960
fi

source "$root/scripts/windows-tree.sh"
configure_windows_tree "$root" "$build" x86_64
cmake --build "$build" -j2 --target formfit formfit_wizard_tour >/dev/null

source "$root/scripts/virtual-screen.sh"
virtual_screen "$display" "$screen" "$build" "$dpi"
cp -r "$root/examples/VO28" "$work/"

"$wine" explorer.exe /desktop=Formfit,"$screen" "$build/scripts/pictures/formfit_wizard_tour.exe" \
  "$(winpath "$build/formfit.exe")" "$(winpath "$work/VO28")" "$(winpath "$work")" \
  </dev/null >/dev/null 2>&1 &

mkdir -p "$out"
names=([1]=welcome [2]=folder [3]=component [30]=component-list [4]=mode [5]=summary [6]=process
  [7]=result)
for step in 1 2 3 30 4 5 6 7; do
  for _ in $(seq 300); do
    [ -s "$work/step$step.txt" ] && break
    sleep 0.1
  done
  [ -s "$work/step$step.txt" ] || { echo "wizard-pictures.sh: step $step did not come" >&2; exit 1; }
  sleep 0.5
  read -r x y w h < <(tr -d '\r' <"$work/step$step.txt")
  # The opened list reaches below the dialog.
  [ "$step" = 30 ] && h=$((h + 60 * dpi / 96))
  import -display "$display" -window root "$work/screen.png"
  file=$out/$prefix-${step:0:1}-${names[$step]}.png
  convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$file"
  echo "wizard-pictures.sh: wrote $file (${w}x${h})"
  touch "$work/go$step"
done

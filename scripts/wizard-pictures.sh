#!/usr/bin/env bash
# Pictures of formfit.exe as a user sees it: its five pages, the component
# list opened, the window of the changes over the Summary, the process page
# and the result message box, then the mode page of the installed component,
# of one installed in part and with the restore choice, and the Summary of
# the restore; taken on a virtual screen while a tour program walks the
# wizard on a copy of the sample installation.
#
#   scripts/wizard-pictures.sh [--dpi N] [--lang en] [OUTDIR]   (default: 96, German, docs)
#
# writes OUTDIR/wizard-1-welcome.png ... wizard-5-summary.png,
# wizard-5-summary-changes.png, wizard-6-process.png (the process page under
# the result), wizard-7-result.png, wizard-4-mode-installed.png,
# wizard-4-mode-in-part.png, wizard-4-mode-restore.png and
# wizard-5-summary-restore.png; at another screen resolution than 96 DPI
# dpiN-1-welcome.png and so on, in English en-... (en-dpiN-...). Builds the
# program and tour of the x86_64 tree (or of FORMFIT_PICTURE_BUILD) if
# needed; installs Xvfb and ImageMagick when they are missing.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dpi=96
language=
while [ $# -gt 0 ]; do
  case $1 in
    --dpi) dpi=$2 && shift 2 ;;
    --lang) language=$2 && shift 2 ;;
    *) break ;;
  esac
done
out=${1:-$root/docs}
build=${FORMFIT_PICTURE_BUILD:-$root/build/x86_64}
display=:95
prefix=wizard
screen=800x600
if [ "$dpi" != 96 ]; then
  prefix=dpi$dpi
  screen=1280x960
fi
[ "$language" = en ] && prefix=en${prefix#wizard} && prefix=${prefix/#endpi/en-dpi}

source "$root/scripts/windows-tree.sh"
configure_windows_tree "$root" "$build" x86_64
cmake --build "$build" -j2 --target formfit formfit_wizard_tour >/dev/null

source "$root/scripts/virtual-screen.sh"
virtual_screen "$display" "$screen" "$build" "$dpi"
cp -r "$root/examples/VO28" "$work/"

"$wine" explorer.exe /desktop=Formfit,"$screen" "$build/scripts/pictures/formfit_wizard_tour.exe" \
  "$(winpath "$build/formfit.exe")" "$(winpath "$work/VO28")" "$(winpath "$work")" $language \
  </dev/null >/dev/null 2>&1 &

mkdir -p "$out"
names=([1]=1-welcome [2]=2-folder [3]=3-component [30]=3-component-list [4]=4-mode
  [5]=5-summary [50]=5-summary-changes [6]=6-process [7]=7-result [8]=4-mode-installed
  [9]=4-mode-in-part [10]=4-mode-restore [11]=5-summary-restore)
for step in 1 2 3 30 4 5 50 6 7 8 9 10 11; do
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
  file=$out/$prefix-${names[$step]}.png
  convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$file"
  echo "wizard-pictures.sh: wrote $file (${w}x${h})"
  touch "$work/go$step"
done

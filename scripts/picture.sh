#!/usr/bin/env bash
# Shows the sample dialogs on a virtual screen and captures them:
#
#   scripts/picture.sh [OUTDIR]     (default: docs)
#
# writes OUTDIR/page-header-sample.png (a page header and a page over their
# placeholders, with the title bar), OUTDIR/page-header.png (the header band
# alone) and OUTDIR/wizard-page1.png to wizard-page3.png (the three-page
# sample wizard on its first, middle and last page). It builds the x86_64
# tree if needed and installs Xvfb and ImageMagick when they are missing.
# Wine runs under Xvfb on display :97 with a desktop of its own, which draws
# the title bars, in a prefix of its own beside the tests' headless one.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs}
build=$root/build/x86_64
display=:97

source "$root/scripts/windows-tree.sh"
configure_windows_tree "$root" "$build" x86_64
cmake --build "$build" -j2 --target formfit_page_header_sample formfit_wizard_sample >/dev/null

source "$root/scripts/virtual-screen.sh"
virtual_screen "$display" 640x480 "$build"

rects=$work/rects.txt
# The desktop window fills the screen, so screen and desktop coordinates agree.
"$wine" explorer.exe /desktop=Formfit,640x480 \
  "$build/scripts/pictures/formfit_page_header_sample.exe" "$(printf 'Z:%s' "${rects//\//\\}")" 8 \
  </dev/null >/dev/null 2>&1 &
sample_pid=$!
for _ in $(seq 100); do
  [ -s "$rects" ] && break
  sleep 0.1
done
[ -s "$rects" ] || { echo "picture.sh: the sample window did not appear" >&2; exit 1; }
sleep 2  # let it paint
import -display "$display" -window root "$work/screen.png"

mkdir -p "$out"
read -r _ dx dy dw dh < <(grep '^dialog' "$rects")
read -r _ hx hy hw hh < <(grep '^header' "$rects")
convert "$work/screen.png" -crop "${dw}x${dh}+${dx}+${dy}" +repage "$out/page-header-sample.png"
convert "$work/screen.png" -crop "${hw}x${hh}+${hx}+${hy}" +repage "$out/page-header.png"
echo "picture.sh: wrote $out/page-header-sample.png (${dw}x${dh}) and $out/page-header.png (${hw}x${hh})"

# Each sample shares the one desktop: the next starts when the last is gone.
wait "$sample_pid" || true

# The sample wizard, one run a page: Next is clicked up to the page.
for page in 1 2 3; do
  rm -f "$rects"
  "$wine" explorer.exe /desktop=Formfit,640x480 \
    "$build/scripts/pictures/formfit_wizard_sample.exe" "$(printf 'Z:%s' "${rects//\//\\}")" 6 "$page" \
    </dev/null >/dev/null 2>&1 &
  sample_pid=$!
  for _ in $(seq 100); do
    [ -s "$rects" ] && break
    sleep 0.1
  done
  [ -s "$rects" ] || { echo "picture.sh: the sample wizard did not appear" >&2; exit 1; }
  sleep 2
  import -display "$display" -window root "$work/screen.png"
  read -r _ dx dy dw dh < <(grep '^dialog' "$rects")
  convert "$work/screen.png" -crop "${dw}x${dh}+${dx}+${dy}" +repage "$out/wizard-page$page.png"
  wait "$sample_pid" || true
  echo "picture.sh: wrote $out/wizard-page$page.png (${dw}x${dh})"
done

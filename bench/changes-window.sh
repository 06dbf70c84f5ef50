#!/usr/bin/env bash
# What the wizard's new steps cost a user on configuration files of the sizes
# given: the mode page's check, and the window of the changes for an Add (a
# small diff) and for a restore of a backup that differs in every line (a
# diff as large as the file, of which the window shows the first MB), each
# timed from the user's click until the page or the window shows (medians
# of RUNS walks, bench/wizard/ChangesWindowTime_win.cpp). Beside them the
# silent runs of the same work from start to exit: mode=Check, and the
# restore with preview=.
#
#   bench/changes-window.sh [RUNS [MEGABYTES...]]     (default 3; 1 10 50)
#
# Builds the shipped tree's formfit.exe (i686, or x86_64 where the kernel
# runs no 32-bit programs), the timing program and the native InstallOnce,
# which writes the files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-3}
sizes=(1 10 50)
if [ $# -gt 1 ]; then sizes=("${@:2}"); fi
source "$root/bench/shipped-tree.sh"
shipped_tree "$root" formfit formfit_changes_window_time
native_bench "$root" InstallOnce
work=$(mktemp -d)
prefix=$tree/wineprefix-bench
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$root/cmake/wine-run.sh" "$prefix" "$wine_arch" cmd.exe /c exit
run() { WINEPREFIX=$prefix WINEDEBUG=-all WINELOADER=$loader "$loader" "$@" </dev/null; }
# formfit.exe with these words, its wall time appended to the file $1.
timed() {
  local file=$1
  shift
  WINEPREFIX=$prefix WINEDEBUG=-all WINELOADER=$loader /usr/bin/time -f %e -a -o "$file" \
    "$loader" "$tree/formfit.exe" "$@" </dev/null >/dev/null 2>&1 || true
}
# The median of the numbers among the lines (time also notes an exit status
# that is not 0, as a check's 12 is).
median() { grep -E '^[0-9.]+$' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
column() { awk -v n="$1" '{print $n}' "$work/walks" | median; }
folder="Z:${work//\//\\}\\VO28"

for size in "${sizes[@]}"; do
  rm -rf "$work/VO28" && mkdir -p "$work/VO28/BIN"
  "$native/bench/InstallOnce" make "$work/VO28" "$size"
  cp "$root/examples/VO28/BIN/DEDUDED.INF" "$work/VO28/BIN/DEDUDED.000"
  run "$tree/bench/wizard/formfit_changes_window_time.exe" "Z:${tree//\//\\}\\formfit.exe" \
    "$folder" "$runs" 2>/dev/null | tr -d '\r' >"$work/walks"
  : >"$work/check" && : >"$work/preview"
  for ((i = 0; i < runs; i++)); do
    timed "$work/check" "cavopath=$folder" component=Grid "compfile=$folder\\BIN\\grid.wed" \
      mode=Check silent
    timed "$work/preview" "cavopath=$folder" mode=Restore backup=000 silent \
      "preview=Z:${work//\//\\}\\restore.diff"
  done
  printf '%4s MB  check %6d ms (silent check %5.2f s)   changes: add %6d ms, %7d bytes shown;' \
    "$size" "$(column 2)" "$(median <"$work/check")" "$(column 4)" "$(column 5)"
  printf '  restore %6d ms, %7d of %d bytes shown (silent preview %5.2f s)\n' "$(column 7)" \
    "$(column 8)" "$(stat -c %s "$work/restore.diff")" "$(median <"$work/preview")"
done

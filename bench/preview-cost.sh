#!/usr/bin/env bash
# What a preview costs beside the run it previews: formfit.exe's silent Add
# of a component and the same run with preview=, on configuration files of
# the sizes given, each on a fresh copy under one warm wineserver. Prints
# for each size and kind the median wall time and peak memory in KB (the Wine
# process's maximum resident set) of RUNS runs, and the diff's size.
#
#   bench/preview-cost.sh [RUNS [MEGABYTES...]]     (default 3; 1 10 50)
#
# Builds the shipped tree's formfit.exe (i686, or x86_64 where the kernel
# runs no 32-bit programs) and the native InstallOnce, which writes the
# files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-3}
sizes=(1 10 50)
if [ $# -gt 1 ]; then sizes=("${@:2}"); fi
source "$root/bench/shipped-tree.sh"
shipped_tree "$root" formfit
native_bench "$root" InstallOnce
work=$(mktemp -d)
prefix=$tree/wineprefix-bench
trap 'WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$root/cmake/wine-run.sh" "$prefix" "$wine_arch" cmd.exe /c exit

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

for size in "${sizes[@]}"; do
  mkdir -p "$work/made/BIN"
  "$native/bench/InstallOnce" make "$work/made" "$size"
  for kind in run preview; do
    : >"$work/times" && : >"$work/memory"
    for ((i = 0; i < runs; i++)); do
      rm -rf "$work/VO28" "$work/change.diff"
      cp -r "$work/made" "$work/VO28"
      folder="Z:${work//\//\\}\\VO28"
      words=("cavopath=$folder" component=Grid "compfile=$folder\\BIN\\grid.wed" mode=Add silent)
      [ "$kind" = preview ] && words+=("preview=Z:${work//\//\\}\\change.diff")
      WINEPREFIX=$prefix WINEDEBUG=-all WINELOADER=$loader /usr/bin/time -f '%e %M' \
        -o "$work/measured" "$loader" "$tree/formfit.exe" "${words[@]}" </dev/null >/dev/null 2>&1 ||
        true
      read -r seconds kilobytes <"$work/measured"
      echo "$seconds" >>"$work/times"
      echo "$kilobytes" >>"$work/memory"
    done
    diff=$([ -f "$work/change.diff" ] && stat -c %s "$work/change.diff" || echo -)
    printf '%4s MB %-7s %6.2f s %8d KB   diff %s bytes\n' "$size" "$kind" \
      "$(median <"$work/times")" "$(median <"$work/memory")" "$diff"
  done
  rm -rf "$work/made"
done

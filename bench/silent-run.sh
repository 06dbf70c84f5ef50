#!/usr/bin/env bash
# What a silent run costs beside its floor: formfit.exe's silent add, a
# check, a restore that looks through all 1000 backup names and finds none,
# and a run whose mode asks for no change, each against guinoop.exe, a GUI program
# that does nothing but initialise the common controls and make and destroy
# one hidden dialog. Pairs run in turn under one warm wineserver, each on a
# fresh copy of the sample installation; the ratios are taken pair by pair
# and their median printed.
#
#   bench/silent-run.sh [PAIRS]      (default 30)
#
# Builds the shipped tree's formfit.exe (i686, or x86_64 where the kernel
# runs no 32-bit programs) and guinoop.exe with the same compiler.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pairs=${1:-30}
source "$root/bench/shipped-tree.sh"
shipped_tree "$root" formfit
work=$(mktemp -d)
trap 'WINEPREFIX=$tree/wineprefix-bench /usr/lib/wine/wineserver64 -k 2>/dev/null || true; rm -rf "$work"' EXIT
"$arch-w64-mingw32-gcc" -O2 -static -s -mwindows -o "$work/guinoop.exe" "$root/bench/guinoop.c" \
  -lcomctl32
"$root/cmake/wine-run.sh" "$tree/wineprefix-bench" "$wine_arch" cmd.exe /c exit

folder="Z:${work//\//\\}\\VO28"
words=("cavopath=$folder" component=GridCtl "compfile=$folder\\BIN\\grid.wed" silent)

# run_ms PROGRAM WORDS...: the wall time of one run on a fresh copy, in ms.
run_ms() {
  rm -rf "$work/VO28"
  cp -r "$root/examples/VO28" "$work/VO28"
  local start end
  start=$(date +%s%N)
  WINEPREFIX=$tree/wineprefix-bench WINEDEBUG=-all WINELOADER=$loader "$loader" "$@" \
    </dev/null >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() { sort -n | awk '{v[NR] = $1} END {m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2}'; }

for what in "mode=Add" "mode=Check" "mode=Restore" "mode=Delete"; do
  : >"$work/ratios" && : >"$work/own" && : >"$work/floor"
  run_ms "$tree/formfit.exe" "${words[@]}" "$what" >/dev/null # warm-up
  for ((i = 0; i < pairs; i++)); do
    own=$(run_ms "$tree/formfit.exe" "${words[@]}" "$what")
    floor=$(run_ms "$work/guinoop.exe")
    echo "$own" >>"$work/own"
    echo "$floor" >>"$work/floor"
    awk -v a="$own" -v b="$floor" 'BEGIN {printf "%.3f\n", a / b}' >>"$work/ratios"
  done
  printf '%-12s formfit.exe %6.1f ms, guinoop.exe %6.1f ms (medians of %d), ratio %s\n' "$what" \
    "$(median <"$work/own" | awk '{print $1 / 1000}')" \
    "$(median <"$work/floor" | awk '{print $1 / 1000}')" "$pairs" "$(median <"$work/ratios")"
done

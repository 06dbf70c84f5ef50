#!/usr/bin/env bash
# What formfit.exe loads, read from outside: its import table names only
# DLLs that Windows always takes from the system folder; it is linked for
# address-space randomisation and no code run from data; and DLLs planted
# beside it under system DLLs' names (marker DLLs that leave a file when
# they load, told to load before the built-in ones) load neither in a
# silent Add nor while the wizard is open.
#
#   SafeLoadTest.sh SOURCE TREE ARCH OBJDUMP MARKER_DLL
set -euo pipefail

source_dir=$1 tree=$2 arch=$3 objdump=$4 marker=$5
work=$(mktemp -d "${TMPDIR:-/tmp}/formfit-safe-load.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=$((failed + 1))
}

headers=$("$objdump" -p "$tree/formfit.exe")
imports=$(sed -n 's/^\tDLL Name: //p' <<<"$headers" | tr '[:upper:]' '[:lower:]' | sort | tr '\n' ' ')
expected="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll shell32.dll user32.dll "
[ "$imports" = "$expected" ] || fail "imports: $imports, not $expected"

# Dynamic base (0x40) and NX compatible (0x100); a 64-bit program also the
# high-entropy address space (0x20).
wanted=$((0x140))
[ "$arch" = win64 ] && wanted=$((0x160))
characteristics=$((0x$(sed -n 's/^DllCharacteristics\t*//p' <<<"$headers")))
[ $((characteristics & wanted)) = "$wanted" ] ||
  fail "DllCharacteristics $(printf '0x%x' "$characteristics") lacks $(printf '0x%x' "$wanted")"

app=$work/app
mkdir -p "$app"
cp "$tree/formfit.exe" "$app/"
for name in uxtheme msimg32 dwmapi; do cp "$marker" "$app/$name.dll"; done
cp -r "$source_dir/examples/VO28" "$work/"
folder="Z:${work//\//\\}\\VO28"
export WINEDLLOVERRIDES="uxtheme,msimg32,dwmapi=n,b"
program=("$source_dir/cmake/wine-run.sh" "$tree/wineprefix" "$arch" "$app/formfit.exe")
status=0
timeout -s KILL 60 "${program[@]}" "cavopath=$folder" component=Grid "compfile=$folder\\BIN\\grid.wed" mode=Add silent ||
  status=$?
[ "$status" = 0 ] || fail "the silent Add gave $status"
# The wizard draws its first page for a few seconds, then is stopped.
status=0
timeout -s KILL 4 "${program[@]}" "cavopath=$folder" || status=$?
[ "$status" = 137 ] || fail "the wizard ended by itself with $status"

loaded=$(cd "$app" && ls -- *.loaded 2>/dev/null || true)
[ -z "$loaded" ] || fail "planted DLLs loaded: $loaded"

[ "$failed" -eq 0 ] || exit 1
echo "safe load: all checks passed"

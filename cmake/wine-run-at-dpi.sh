#!/usr/bin/env bash
# Runs a Windows program under Wine at a screen resolution of DPI dots per
# inch: wine-run-at-dpi.sh DPI PREFIX ARCH PROGRAM [ARGS...]
# The program runs in PREFIX-dpiDPI, a copy of PREFIX (made by wine-run.sh on
# first use) whose registry says DPI; a copy costs far less than a new prefix.
# Wine takes the resolution from LogPixels when its server starts, so the
# value is in the registry before the program's first start in the copy.
set -euo pipefail
dpi=$1 base=$2 arch=$3
shift 3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=$base-dpi$dpi
export WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    # Makes the base prefix if needed; its registry was written when it was
    # made, and its server (which other tests may be using) is left alone.
    "$here/wine-run.sh" "$base" win64 cmd.exe /c exit 9>&- </dev/null >/dev/null 2>&1
    rm -rf "$prefix.tmp"
    cp -a "$base" "$prefix.tmp"
    hex=$(printf '%08x' "$dpi")
    # The user's setting and the machine's: Wine reads the first it finds.
    for key in 'HKCU\Control Panel\Desktop' \
               'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
      WINEPREFIX=$prefix.tmp /usr/lib/wine/wine64 reg.exe add "$key" /v LogPixels /t REG_DWORD \
        /d "$dpi" /f </dev/null >/dev/null 2>&1 9>&-
    done
    WINEPREFIX=$prefix.tmp /usr/lib/wine/wineserver64 -w 9>&-
    grep -qi "\"LogPixels\"=dword:$hex" "$prefix.tmp/user.reg" ||
      { echo "wine-run-at-dpi.sh: LogPixels was not written" >&2; exit 1; }
    mv "$prefix.tmp" "$prefix"
  fi
) 9>"$prefix.lock"
# The copy's server goes with the program, whatever its outcome: nothing of
# a test stays running.
status=0
"$here/wine-run.sh" "$prefix" "$arch" "$@" || status=$?
WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true
exit "$status"

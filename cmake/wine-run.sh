#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX ARCH PROGRAM [ARGS...]
# ARCH is win64 (a 64-bit program under wine64) or wow64 (a 32-bit program
# under the 32-bit loader from wine32:i386, in a 64-bit prefix, as 32-bit
# programs run on a 64-bit Windows: the registry has its separate 32-bit view).
# Creates the prefix on first use (null graphics driver, so windows work
# without a display) and starts its services with no terminal or pipe
# attached, so that no service holds a test's output open.
set -euo pipefail
prefix=$1 arch=$2
shift 2
boot=/usr/lib/wine/wine64
case $arch in
  win64) loader=/usr/lib/wine/wine64 ;;
  wow64) loader=/usr/lib/wine/wine ;;
  *) echo "wine-run.sh: unknown architecture $arch" >&2; exit 2 ;;
esac
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$boot" wineboot.exe -i </dev/null >/dev/null 2>&1 9>&-
    "$boot" reg.exe add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1 9>&-
    /usr/lib/wine/wineserver64 -w
  fi
  # A persistent server keeps the services up between test programs.
  # Neither may inherit the lock.
  /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1 9>&- || true
  "$boot" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
) 9>"$prefix.lock"
WINELOADER=$loader exec "$loader" "$@" </dev/null

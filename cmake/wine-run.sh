#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX ARCH PROGRAM [ARGS...]
# ARCH is win32 (the 32-bit loader from wine32:i386) or win64 (wine64).
# Creates the prefix on first use (null graphics driver, so windows work
# without a display) and starts its services with no terminal or pipe
# attached, so that no service holds a test's output open.
set -euo pipefail
prefix=$1 arch=$2
shift 2
case $arch in
  win32) loader=/usr/lib/wine/wine ;;
  win64) loader=/usr/lib/wine/wine64 ;;
  *) echo "wine-run.sh: unknown architecture $arch" >&2; exit 2 ;;
esac
export WINEPREFIX=$prefix WINEARCH=$arch WINELOADER=$loader WINEDEBUG=${WINEDEBUG:--all}
mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$loader" wineboot.exe -i </dev/null >/dev/null 2>&1 9>&-
    "$loader" reg.exe add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1 9>&-
    /usr/lib/wine/wineserver64 -w
  fi
  # A persistent server keeps the services up between test programs.
  # Neither may inherit the lock.
  /usr/lib/wine/wineserver64 -p </dev/null >/dev/null 2>&1 9>&- || true
  "$loader" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
) 9>"$prefix.lock"
exec "$loader" "$@" </dev/null

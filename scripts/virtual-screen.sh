# Sourced by the picture scripts: a virtual screen and a Wine prefix that
# draws on it, beside the tests' headless one.
#
#   virtual_screen DISPLAY WIDTHxHEIGHT BUILD [DPI]
#
# installs Xvfb and ImageMagick when they are missing, starts Xvfb on
# DISPLAY, exports DISPLAY and WINEPREFIX (BUILD/wineprefix-x11, made on
# first use; with DPI other than 96 BUILD/wineprefix-x11-dpiDPI, whose
# registry sets that screen resolution), sets $wine and $work (a fresh
# folder) and removes both at exit.

source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

virtual_screen() {
  local display=$1 size=$2 build=$3 dpi=${4:-96}
  install_packages xvfb imagemagick
  if ! command -v Xvfb >/dev/null || ! command -v import >/dev/null; then
    echo "no virtual screen here: $(missing_reason xvfb imagemagick)" >&2
    exit 1
  fi

  local prefix=$build/wineprefix-x11
  [ "$dpi" = 96 ] || prefix=$prefix-dpi$dpi
  export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 DISPLAY=$display
  wine=/usr/lib/wine/wine64
  work=$(mktemp -d)
  Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
  screen_pid=$!
  trap 'virtual_screen_end' EXIT
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
  done
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot.exe -i </dev/null >/dev/null 2>&1
    # Wine takes the resolution from the registry when its server starts.
    local key
    for key in 'HKCU\Control Panel\Desktop' \
               'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
      "$wine" reg.exe add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
    done
    /usr/lib/wine/wineserver64 -w
  fi
}

virtual_screen_end() {
  /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  kill "$screen_pid" 2>/dev/null || true
  rm -rf "$work"
}

# A Linux path as the Windows program sees it under Wine.
winpath() { printf 'Z:%s' "${1//\//\\}"; }

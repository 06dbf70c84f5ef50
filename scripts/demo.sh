# The demo: the main job on a copy of the sample installation, step by step,
# each silent run with its exit status and the diff it makes. Sourced by
# formfit.sh, whose set-up (setup.sh, stop_wine) it uses.

# The meaning of a silent run's exit status, from the user's guide.
exit_meaning() {
  local meaning
  meaning=$(sed -nE "s/^  $1 +(.+)\r\$/\1/p" "$root/README.txt")
  echo "${meaning:-an unknown status}"
}

# A Linux path as the Windows program sees it under Wine.
wine_path() { printf 'Z:%s' "${1//\//\\}"; }

# The file as readable text: the language files and DEDUDED.INF are Windows-1252.
show_diff() {
  diff -u --label "$3" --label "$4" "$1" "$2" | iconv -f CP1252 -t UTF-8 | tr -d '\r' || true
}

# The number of numbered backups in the folder.
count_backups() {
  local file count=0
  for file in "$1"/DEDUDED.[0-9][0-9][0-9]; do [ -e "$file" ] && count=$((count + 1)); done
  echo "$count"
}

# show_wizard TREE EXE WORDS...: the wizard on $DISPLAY, or without one on a
# virtual screen, whose picture after a few seconds goes to build/demo-wizard.png.
show_wizard() {
  local tree=$1 exe=$2
  shift 2
  local wine=/usr/lib/wine/wine64
  [ "$tree" = i686 ] && wine=/usr/lib/wine/wine
  # A prefix that draws on a screen, beside the tests' headless one.
  export WINEPREFIX=$build/$tree/wineprefix-x11 WINEDEBUG=-all WINEARCH=win64
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot.exe -i </dev/null >/dev/null 2>&1
    /usr/lib/wine/wineserver64 -w
  fi
  if [ -n "${DISPLAY:-}" ]; then
    "$wine" "$exe" "$@" </dev/null || true
  else
    install_packages xvfb imagemagick
    Xvfb :96 -screen 0 800x600x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    DISPLAY=:96 "$wine" explorer.exe /desktop=Formfit,800x600 "$exe" "$@" </dev/null >/dev/null 2>&1 &
    sleep 6
    DISPLAY=:96 import -display :96 -window root "$build/demo-wizard.png"
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    echo "no display here: the wizard as it opened is in $build/demo-wizard.png"
  fi
}

# silent_run EXPECTED WORDS...: formfit.exe with the demo's words, then
# WORDS; prints the command, the exit status and its meaning, and stops the
# demo unless the status is EXPECTED.
silent_run() {
  local expected=$1 status=0
  shift
  say "formfit.exe $*"
  "${run[@]}" "$@" || status=$?
  echo "exit status $status: $(exit_meaning "$status")"
  if [ "$status" -ne "$expected" ]; then
    echo "expected exit status $expected" >&2
    exit 1
  fi
}

# unchanged_since BEFORE BACKUPS: stops the demo unless DEDUDED.INF still
# holds the bytes of the file BEFORE and no backup was added to BACKUPS.
unchanged_since() {
  if cmp -s "$1" "$bin/DEDUDED.INF" && [ "$(count_backups "$bin")" -eq "$2" ]; then
    echo "the installation is unchanged: no backup, no rewrite"
  else
    echo "the installation changed" >&2
    exit 1
  fi
}

# show_preview FILE WHAT: the diff in FILE as readable text.
show_preview() {
  echo "$2 ($1):"
  if [ -s "$1" ]; then iconv -f CP1252 -t UTF-8 "$1" | tr -d '\r'; else echo "(nothing)"; fi
}

# demo [--wizard]: the main job on a copy of the sample installation. Adds
# the component Grid silently, first as a preview (the diff it would make,
# with nothing changed), then for real: the outcome, the backup and the
# change, and whether the preview, applied with patch, gives the same file;
# then asks whether it is installed (Check, with the diff an Add would make
# now). Then the same for removing it again, and at the end it puts the
# first backup back (Restore), which gives the sample as it was. With
# --wizard it then opens the wizard on the same copy (on $DISPLAY, or on a
# virtual screen whose picture it saves).
demo() {
  install_packages "${demo_packages[@]}"
  trap stop_wine EXIT
  # The shipped i686 program where the 32-bit loader runs it, else x86_64.
  local tree=i686 arch=wow64 reason
  reason=$(missing_reason "${i686_packages[@]}")
  [ -n "$reason" ] || reason=$(i686_tests_reason)
  if [ -n "$reason" ]; then
    tree=x86_64 arch=win64
    echo "the demo runs the x86_64 build: the i686 program cannot run here ($reason)"
  fi
  local lists="${tree}_packages[@]"
  reason=$(missing_reason "${!lists}" patch)
  if [ -n "$reason" ]; then
    echo "formfit.sh demo: the program cannot run here: $reason" >&2
    exit 1
  fi
  say "build: $tree formfit.exe"
  configure_windows_tree "$root" "$build/$tree" "$tree"
  cmake --build "$build/$tree" -j2 --target formfit >/dev/null
  local exe=$build/$tree/formfit.exe
  local run=("$root/cmake/wine-run.sh" "$build/$tree/wineprefix" "$arch" "$exe")

  local work
  work=$(mktemp -d "${TMPDIR:-/tmp}/formfit-demo.XXXXXX")
  cp -r "$root/examples/VO28" "$work/"
  local bin=$work/VO28/BIN
  local folder="cavopath=$(wine_path "$work/VO28")"
  local args=("$folder" "component=Grid" "compfile=$(wine_path "$bin/grid.wed")")
  echo "sample installation copied to $work/VO28"

  local mode checked before backup preview patched backups
  before=$(mktemp)
  for mode in Add Remove; do
    cp "$bin/DEDUDED.INF" "$before"
    preview=$work/preview-$mode.diff
    backups=$(count_backups "$bin")
    silent_run 0 "${args[@]}" "mode=$mode" silent "preview=$(wine_path "$preview")"
    unchanged_since "$before" "$backups"
    show_preview "$preview" "the change it would make"
    silent_run 0 "${args[@]}" "mode=$mode" silent
    backup=$(ls -t "$bin"/DEDUDED.[0-9][0-9][0-9] 2>/dev/null | head -n 1)
    echo "newest backup: ${backup:-(none)}"
    show_diff "$before" "$bin/DEDUDED.INF" "DEDUDED.INF before" "DEDUDED.INF after"
    patched=$(mktemp)
    cp "$before" "$patched"
    if patch --quiet --binary "$patched" "$preview" >/dev/null && cmp -s "$patched" "$bin/DEDUDED.INF"; then
      echo "the preview, applied with patch to the old file, gives exactly the file the run wrote"
    else
      echo "the preview does not give the file the run wrote" >&2
      exit 1
    fi
    rm -f "$patched"

    checked=0
    [ "$mode" = Remove ] && checked=12
    cp "$bin/DEDUDED.INF" "$before"
    backups=$(count_backups "$bin")
    preview=$work/preview-Check-after-$mode.diff
    silent_run "$checked" "${args[@]}" mode=Check silent "preview=$(wine_path "$preview")"
    unchanged_since "$before" "$backups"
    show_preview "$preview" "what an Add would change now"
  done

  cp "$bin/DEDUDED.INF" "$before"
  preview=$work/preview-Restore.diff
  backups=$(count_backups "$bin")
  silent_run 0 "$folder" mode=Restore backup=000 silent "preview=$(wine_path "$preview")"
  unchanged_since "$before" "$backups"
  show_preview "$preview" "the change the restore would make"
  silent_run 0 "$folder" mode=Restore backup=000 silent
  local made
  made=$(printf 'DEDUDED.%03d' "$backups")
  show_diff "$before" "$bin/DEDUDED.INF" "DEDUDED.INF before" "DEDUDED.INF after"
  if cmp -s "$bin/DEDUDED.000" "$bin/DEDUDED.INF" &&
    cmp -s "$root/examples/VO28/BIN/DEDUDED.INF" "$bin/DEDUDED.INF" &&
    cmp -s "$before" "$bin/$made"; then
    echo "DEDUDED.INF holds DEDUDED.000 again, the sample as it was;" \
      "the file before the restore is the new backup $made"
  else
    echo "the restore did not give back DEDUDED.000" >&2
    exit 1
  fi
  rm -f "$before"

  if [ "${1:-}" = "--wizard" ]; then
    say "the wizard on $work/VO28"
    show_wizard "$tree" "$exe" "$folder"
  fi
}

#!/usr/bin/env bash
# Formfit's one entry point. It sets up a fresh Debian 12 machine by itself
# (packages, configure, build) and is safe to run again: what is there
# already is kept, so a second run only rebuilds what changed.
#
#   scripts/formfit.sh test            every build and every test: native,
#                                      ASan/UBSan with the fuzz targets, and
#                                      both Windows builds under Wine
#   scripts/formfit.sh test TREE...    only the named trees (native, sanitize,
#                                      x86_64, i686), for a quicker loop
#   scripts/formfit.sh demo [--wizard] the main job on a copy of the sample
#   scripts/formfit.sh dist            the release zip and its checksum
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
fuzz_seconds=${FORMFIT_FUZZ_SECONDS:-60}

source "$root/scripts/setup.sh"
source "$root/scripts/windows-tree.sh"
source "$root/scripts/demo.sh"

# configure TREE [cmake options...]: configures (quick when the tree exists
# already) and builds what changed.
configure() {
  local tree=$1
  shift
  cmake -S "$root" -B "$build/$tree" -G Ninja -Wno-dev "$@" >/dev/null
  cmake --build "$build/$tree" -j2
}

failed_trees=()
passed=0
failed=0
# "WHAT (REASON)" for every tree, and every part of a tree, that could not
# run here because the machine lacks something.
not_run=()

# run_tests TREE: CTest over one tree; its counts go into the closing line.
# A test that cannot run here (a tool is missing) is skipped and counts
# neither way; each of its "not run: ..." lines goes into the closing lines.
run_tests() {
  local tree=$1 log
  log=$build/$tree/ctest.log
  say "tests: $tree"
  if ctest --test-dir "$build/$tree" --output-on-failure -j2 2>&1 | tee "$log"; then :; else
    failed_trees+=("$tree")
  fi
  local counts
  counts=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1 || true)
  if [ -z "$counts" ]; then
    failed_trees+=("$tree")
    failed=$((failed + 1))
    return
  fi
  local bad total skipped line
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$counts")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$counts")
  skipped=$(grep -c '(Skipped)$' "$log" || true)
  passed=$((passed + total - bad - skipped))
  failed=$((failed + bad))
  while IFS= read -r line; do
    not_run+=("${line#not run: }")
  done < <(grep '^not run: ' "$build/$tree/Testing/Temporary/LastTest.log" || true)
}

# The shipped program's fingerprint once every i686 test passed with it, so
# that dist can tell whether it packs the very file the tests ran.
tested_mark=$build/i686/formfit.exe.tested
record_tested_program() {
  rm -f "$tested_mark"
  [[ " ${failed_trees[*]} " == *" i686 "* ]] ||
    (cd "$build/i686" && sha256sum formfit.exe >"$tested_mark")
}

stop_wine() {
  for tree in i686 x86_64; do
    [ -d "$build/$tree/wineprefix" ] &&
      WINEPREFIX=$build/$tree/wineprefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  done
}

# The processes that still run in a Wine prefix under build/, one a line.
wine_leftovers() {
  local environ pid
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    tr '\0' '\n' 2>/dev/null <"$environ" | grep -q "^WINEPREFIX=$build/" &&
      echo "$pid $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
  done
  return 0
}

# True when the tests left nothing running; a server that was just told to
# stop gets a few seconds to go.
nothing_left_running() {
  local left
  for _ in $(seq 50); do
    left=$(wine_leftovers)
    [ -z "$left" ] && return 0
    sleep 0.2
  done
  echo "still running in a prefix under build/:" >&2
  echo "$left" >&2
  return 1
}

trees=(native sanitize x86_64 i686)

# tree_ready TREE: true when the machine has what the tree is built with;
# otherwise the tree goes into the closing lines with the reason.
tree_ready() {
  local lists="$1_packages[@]" reason
  reason=$(missing_reason "${!lists}")
  [ -z "$reason" ] && return 0
  say "$1: not built: $reason"
  not_run+=("$1 ($reason)")
  return 1
}

build_and_test() {
  tree_ready "$1" || return 0
  case $1 in
    native)
      say "build: native (g++)"
      configure native -DCMAKE_BUILD_TYPE=Release -DFORMFIT_BENCH=ON -DFORMFIT_SCRIPT_TESTS=ON
      run_tests native
      ;;
    sanitize)
      say "build: sanitize (clang, ASan + UBSan, fuzz targets for ${fuzz_seconds}s each)"
      CC=clang CXX=clang++ configure sanitize -DCMAKE_BUILD_TYPE=Debug \
        -DFORMFIT_SANITIZE=address,undefined -DFORMFIT_FUZZ=ON -DFORMFIT_FUZZ_SECONDS="$fuzz_seconds"
      run_tests sanitize
      ;;
    x86_64)
      say "build: x86_64 (mingw-w64, tests under wine64)"
      configure_windows_tree "$root" "$build/x86_64" x86_64
      cmake --build "$build/x86_64" -j2
      run_tests x86_64
      ;;
    i686)
      say "build: i686 (mingw-w64, the shipped 32-bit build, tests under the 32-bit loader in a 64-bit prefix)"
      configure_windows_tree "$root" "$build/i686" i686
      cmake --build "$build/i686" -j2
      local reason
      reason=$(i686_tests_reason)
      if [ -z "$reason" ]; then
        run_tests i686
        record_tested_program
      else
        say "i686: built; its tests cannot run here: $reason"
        not_run+=("i686 tests ($reason)")
      fi
      ;;
  esac
}

# test [TREE...]: the named trees, or all of them.
test_trees() {
  local wanted=("$@") tree
  [ ${#wanted[@]} -gt 0 ] || wanted=("${trees[@]}")
  for tree in "${wanted[@]}"; do
    if [[ " ${trees[*]} " != *" $tree "* ]]; then
      echo "formfit.sh: unknown tree '$tree' (known: ${trees[*]})" >&2
      exit 2
    fi
  done
  local needed=() lists
  for tree in "${wanted[@]}"; do
    lists="${tree}_packages[@]"
    needed+=("${!lists}")
    case $tree in
      native) needed+=("${release_test_packages[@]}") ;;
      x86_64) needed+=("${installer_packages[@]}") ;;
      i686) needed+=("${installer_packages[@]}" "${loader_packages[@]}") ;;
    esac
  done
  install_packages "${needed[@]}"
  trap stop_wine EXIT
  for tree in "${wanted[@]}"; do build_and_test "$tree"; done

  stop_wine
  nothing_left_running || failed_trees+=("(processes left running)")
  say "summary"
  [ ${#failed_trees[@]} -eq 0 ] || echo "failing builds: ${failed_trees[*]}"
  echo "formfit: $passed passed, $failed failed"
  local line
  for line in "${not_run[@]}"; do echo "not run: $line"; done
  # A tree the machine cannot build is no failure of the code, but a run
  # that tested nothing at all has checked nothing.
  if [ $((passed + failed)) -eq 0 ]; then
    echo "formfit: no test could run on this machine" >&2
    return 1
  fi
  [ ${#failed_trees[@]} -eq 0 ] && [ "$failed" -eq 0 ]
}

# The version, from its one place.
project_version() {
  sed -nE 's/^project\(Formfit VERSION ([0-9.]+) .*/\1/p' "$root/CMakeLists.txt"
}

# sign_program IN OUT TIME: Authenticode SHA-256 with the key in
# FORMFIT_SIGN_PFX (password in FORMFIT_SIGN_PASSWORD), signed at TIME and
# with no timestamp server, so the same key gives the same bytes offline.
sign_program() {
  osslsigncode sign -pkcs12 "$FORMFIT_SIGN_PFX" -readpass <(printf '%s' "${FORMFIT_SIGN_PASSWORD:-}") \
    -h sha256 -n Formfit -time "$3" -in "$1" -out "$2" >/dev/null
}

# dist: build/dist/Formfit-VERSION-win32.zip and its checksum, from the
# shipped i686 build. The same commit gives the same bytes: every entry has
# the commit's time, a fixed mode and a fixed place, and no extra fields.
dist() {
  install_packages "${dist_packages[@]}"
  local reason
  reason=$(missing_reason "${dist_packages[@]}")
  if [ -n "$reason" ]; then
    echo "formfit.sh dist: the release cannot be built here: $reason" >&2
    exit 1
  fi
  say "build: i686 formfit.exe (the shipped build)"
  configure_windows_tree "$root" "$build/i686" i686
  cmake --build "$build/i686" -j2 --target formfit >/dev/null
  local exe=$build/i686/formfit.exe
  if [ -f "$tested_mark" ] && (cd "$build/i686" && sha256sum --status -c "$tested_mark"); then
    echo "formfit.exe is the very file that every i686 test passed with"
  else
    reason=$(i686_tests_reason)
    if [ -n "$reason" ]; then
      echo "formfit.exe has not been through the i686 tests: they cannot run here ($reason)"
    else
      echo "formfit.exe has not been through the i686 tests since it was built" \
        "(bash scripts/formfit.sh test i686 runs them)"
    fi
  fi

  local version epoch name out stage
  version=$(project_version)
  epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
  name=Formfit-$version
  out=$build/dist
  stage=$out/stage
  rm -rf "$stage" "$out/$name-win32.zip" "$out/$name-win32.zip.sha256"
  mkdir -p "$stage/$name/installer"
  if [ -n "${FORMFIT_SIGN_PFX:-}" ]; then
    sign_program "$exe" "$stage/$name/formfit.exe" "$epoch"
    echo "formfit.exe signed with $FORMFIT_SIGN_PFX (Authenticode SHA-256, no timestamp)"
  else
    cp "$exe" "$stage/$name/formfit.exe"
    echo "formfit.exe not signed: FORMFIT_SIGN_PFX names no certificate"
  fi
  cp "$root/resources/Formfit.sys" "$root/resources/Formfit.en.sys" "$stage/$name/"
  sed "s/@FORMFIT_VERSION@/$version/g" "$root/README.txt" >"$stage/$name/README.txt"
  cp "$root"/examples/installer/* "$root/examples/VO28/BIN/grid.wed" "$stage/$name/installer/"

  (
    cd "$stage"
    find . -type d -exec chmod 755 {} +
    find . -type f -exec chmod 644 {} +
    find . -exec touch -h -d "@$epoch" {} +
    # Info-ZIP keeps times in local time: the zone is fixed too.
    find "$name" -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D "$out/$name-win32.zip" -@
  )
  rm -rf "$stage"
  (cd "$out" && sha256sum "$name-win32.zip" >"$name-win32.zip.sha256")
  say "release"
  echo "$out/$name-win32.zip"
  echo "size: $(stat -c %s "$out/$name-win32.zip") bytes"
  echo "sha256: $(cut -d' ' -f1 "$out/$name-win32.zip.sha256")"
}

case "${1:-}" in
  test)
    shift
    test_trees "$@"
    ;;
  demo)
    shift
    demo "$@"
    ;;
  dist)
    dist
    ;;
  *)
    echo "usage: scripts/formfit.sh test [native|sanitize|x86_64|i686]... | demo [--wizard] | dist" >&2
    exit 2
    ;;
esac

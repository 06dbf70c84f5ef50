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
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
fuzz_seconds=${FORMFIT_FUZZ_SECONDS:-60}

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386
)

say() { printf '\n== %s\n' "$*"; }

install_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  say "installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  dpkg --print-foreign-architectures | grep -qx i386 || "${sudo[@]}" dpkg --add-architecture i386
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

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

# run_tests TREE: CTest over one tree; its counts go into the closing line.
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
  local bad total
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$counts")
  total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$counts")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

stop_wine() {
  for tree in i686 x86_64; do
    [ -d "$build/$tree/wineprefix" ] &&
      WINEPREFIX=$build/$tree/wineprefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  done
}

# The 32-bit loader runs only where the kernel runs 32-bit programs.
can_run_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

trees=(native sanitize x86_64 i686)

build_and_test() {
  case $1 in
    native)
      say "build: native (g++)"
      configure native -DCMAKE_BUILD_TYPE=Release -DFORMFIT_BENCH=ON
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
      configure x86_64 -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
      run_tests x86_64
      ;;
    i686)
      say "build: i686 (mingw-w64, the shipped 32-bit build, tests under the 32-bit loader in a 64-bit prefix)"
      configure i686 -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
      if can_run_32bit; then
        run_tests i686
      else
        say "i686: built; its tests cannot run here: this kernel does not run 32-bit programs"
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
  install_packages
  trap stop_wine EXIT
  for tree in "${wanted[@]}"; do build_and_test "$tree"; done

  say "summary"
  [ ${#failed_trees[@]} -eq 0 ] || echo "failing builds: ${failed_trees[*]}"
  echo "formfit: $passed passed, $failed failed"
  [ ${#failed_trees[@]} -eq 0 ] && [ "$failed" -eq 0 ]
}

case "${1:-}" in
  test)
    shift
    test_trees "$@"
    ;;
  *)
    echo "usage: scripts/formfit.sh test [native|sanitize|x86_64|i686]..." >&2
    exit 2
    ;;
esac

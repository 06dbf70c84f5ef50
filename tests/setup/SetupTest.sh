#!/usr/bin/env bash
# `formfit.sh test` and `dist` on a machine whose package mirror is in the
# middle of a sync. Stand-ins on the PATH play apt-get, dpkg, dpkg-query and
# sudo (a machine that has every package but those a row takes away), and
# cmake and ctest (each tree builds and passes two tests), on a copy of the
# scripts. Each row: the set-up goes on, names what it could not get with
# apt's reason, and reaches the trees. No real package is installed.
#
#   SetupTest.sh SOURCE_ROOT
set -euo pipefail

source_root=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/formfit-setup.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

mkdir -p "$work/root/scripts" "$work/bin"
cp "$source_root"/scripts/{formfit,setup,windows-tree,demo}.sh "$work/root/scripts/"
printf 'project(Formfit VERSION 1.0.0 LANGUAGES CXX)\n' >"$work/root/CMakeLists.txt"
state=$work/state
stand_in() { printf '#!/usr/bin/env bash\nstate=%q\n%s\n' "$state" "$2" >"$work/bin/$1"; chmod +x "$work/bin/$1"; }
stand_in sudo 'exec "$@"'
stand_in dpkg '[ "$1" != --print-foreign-architectures ] || echo i386'
stand_in dpkg-query 'grep -qxF -- "${@: -1}" "$state/installed" && printf "install ok installed"'
stand_in cmake 'while [ $# -gt 1 ]; do [ "$1" != -B ] || mkdir -p "$2"; shift; done'
stand_in ctest 'echo "100% tests passed, 0 tests failed out of 2"'
stand_in apt-get '
case $1 in
  update)
    echo x >>"$state/updates"
    [ "$(wc -l <"$state/updates")" -gt "$(cat "$state/update-failures")" ] && exit 0
    echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100 ;;
  install)
    packages=(); for word in "${@:2}"; do [[ $word == -* ]] || packages+=("$word"); done
    for package in "${packages[@]}"; do
      if grep -qxF -- "$package" "$state/refused"; then
        [ ${#packages[@]} -eq 1 ] || { echo "E: Unable to correct problems, you have held broken packages."; exit 100; }
        echo "W: a warning first"
        echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages."
        echo "E: a second error line"
        exit 100
      fi
    done
    printf "%s\n" "${packages[@]}" >>"$state/installed" ;;
esac'

every_package=$(source "$source_root/scripts/setup.sh" &&
  printf '%s\n' "${sanitize_packages[@]}" "${x86_64_packages[@]}" "${i686_packages[@]}" \
    "${loader_packages[@]}" "${installer_packages[@]}" "${release_test_packages[@]}" | sort -u)

# row NAME UPDATE_FAILURES MISSING REFUSED EXPECTED_STATUS COMMAND...: the
# command on a machine that lacks MISSING (of which apt refuses REFUSED)
# while `apt-get update` fails UPDATE_FAILURES times; its set-up lines (up
# to the first build) and closing lines (from the summary) must be those
# in the heredoc that follows the call, word for word.
row() {
  local name=$1 update_failures=$2 missing=$3 refused=$4 expected_status=$5 status=0 expected
  shift 5
  expected=$(cat)
  rm -rf "$state" "$work/root/build"
  mkdir -p "$state"
  echo "$update_failures" >"$state/update-failures"
  : >"$state/updates"
  grep -vxF -f <(tr ' ' '\n' <<<"$missing") <<<"$every_package" >"$state/installed"
  tr ' ' '\n' <<<"$refused" >"$state/refused"
  env PATH="$work/bin:$PATH" FORMFIT_APT_PAUSE=0 FORMFIT_UNAVAILABLE= \
    bash "$work/root/scripts/formfit.sh" "$@" >"$work/out" 2>&1 </dev/null || status=$?
  local shown
  shown=$(sed -n -e '1,/^== build/{/^== build/!p}' -e '/^== summary/,$p' "$work/out" | sed '/^$/d')
  [ "$shown" = "$expected" ] || fail "$name: the output differs:$(diff <(echo "$shown") - <<<"$expected" || true)"
  [ "$status" = "$expected_status" ] || fail "$name: exit status $status, not $expected_status"
}

fetch="Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
breaks="Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages."
held="Unable to correct problems, you have held broken packages."

row "an update that fails once, then works" 1 "clang nsis" "" 0 test native sanitize x86_64 <<EOF
== installing clang nsis
apt-get update failed (try 1 of 3: $fetch); trying again in 0s
== summary
formfit: 6 passed, 0 failed
EOF

row "an update that always fails, and no wine32:i386" 99 "wine32:i386 zip" "wine32:i386" 0 test <<EOF
== installing zip wine32:i386
apt-get update failed (try 1 of 3: $fetch); trying again in 0s
apt-get update failed (try 2 of 3: $fetch); trying again in 0s
apt-get update: some package lists could not be read ($fetch); going on with the lists it has
apt-get install refused the list ($held); installing the packages one by one
could not install wine32:i386: $breaks
== summary
formfit: 6 passed, 0 failed
not run: i686 tests (wine32:i386 could not be installed: $breaks)
EOF

row "an install that refuses clang" 0 "clang libclang-rt-14-dev" "clang" 0 test native sanitize x86_64 <<EOF
== installing clang libclang-rt-14-dev
apt-get install refused the list ($held); installing the packages one by one
could not install clang: $breaks
== summary
formfit: 4 passed, 0 failed
not run: sanitize (clang could not be installed: $breaks)
EOF

row "dist without the i686 compiler" 99 "g++-mingw-w64-i686-posix" "g++-mingw-w64-i686-posix" 1 dist <<EOF
== installing g++-mingw-w64-i686-posix
apt-get update failed (try 1 of 3: $fetch); trying again in 0s
apt-get update failed (try 2 of 3: $fetch); trying again in 0s
apt-get update: some package lists could not be read ($fetch); going on with the lists it has
could not install g++-mingw-w64-i686-posix: $breaks
formfit.sh dist: the release cannot be built here: g++-mingw-w64-i686-posix could not be installed: $breaks
EOF

[ "$failures" -eq 0 ] || exit 1
echo "set-up: all rows passed"

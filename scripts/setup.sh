# Sourced by formfit.sh and by the tests that need a tool of the machine:
# the Debian packages each job needs, installed so that a package mirror in
# the middle of a sync slows the set-up down but never ends it, and why a
# package is missing, in apt's own words.
#
#   install_packages PACKAGE...  installs those of them that are missing; what
#                                cannot be installed is named with apt's reason
#   missing_reason PACKAGE...    why the first of them that is not installed
#                                is missing; nothing when all of them are there
#   i686_tests_reason            why the 32-bit loader cannot run the i686
#                                tests here; nothing when it can
#
# The packages that could not be installed are kept with apt's reason in the
# environment (FORMFIT_UNAVAILABLE, a "PACKAGE<TAB>REASON" line each), so the
# scripts this run starts (the release test's clones, the tests that name a
# missing tool) neither ask the mirror again nor lose the reason.
# FORMFIT_APT_TRIES and FORMFIT_APT_PAUSE (seconds) set how often and how
# patiently `apt-get update` is tried.

# What each job needs. The Windows trees configure the tests too, so they
# need GoogleTest's sources as well.
common_packages=(cmake ninja-build googletest)
native_packages=("${common_packages[@]}" g++ libgtest-dev libbenchmark-dev patch)
sanitize_packages=("${native_packages[@]}" clang libclang-rt-14-dev)
x86_64_packages=("${common_packages[@]}" g++-mingw-w64-x86-64-posix wine wine64)
i686_packages=("${common_packages[@]}" g++-mingw-w64-i686-posix)
# The 32-bit loader, which runs the i686 program in a 64-bit prefix.
loader_packages=(wine wine64 wine32:i386)
installer_packages=(nsis)
dist_packages=("${common_packages[@]}" g++-mingw-w64-i686-posix zip osslsigncode)
release_test_packages=("${dist_packages[@]}" unzip openssl)
demo_packages=("${x86_64_packages[@]}" "${i686_packages[@]}" "${loader_packages[@]}" patch)

apt_tries=${FORMFIT_APT_TRIES:-3}
apt_pause=${FORMFIT_APT_PAUSE:-5}
export FORMFIT_UNAVAILABLE=${FORMFIT_UNAVAILABLE:-}

say() { printf '\n== %s\n' "$*"; }

is_installed() { [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == *"install ok installed"* ]]; }

# The reason kept for PACKAGE; nothing when none is kept.
kept_reason() { awk -F'\t' -v package="$1" '$1 == package { print $2; exit }' <<<"$FORMFIT_UNAVAILABLE"; }

# apt's reason in OUTPUT: its first error line without the "E: ", else its
# last line.
apt_reason() {
  local reason
  reason=$(awk '/^E: / { sub(/^E: /, ""); print; exit }' <<<"$1")
  [ -n "$reason" ] || reason=$(awk 'NF { last = $0 } END { print last }' <<<"$1")
  echo "${reason:-apt-get gave no reason}"
}

unavailable() {
  echo "could not install $1: $2"
  FORMFIT_UNAVAILABLE+="$1"$'\t'"$2"$'\n'
}

# A mirror in the middle of a sync fails one index or another for a while.
# The lists that did arrive may be all the missing packages need, so after
# the last try the set-up goes on with them.
apt_update() {
  local try output
  for ((try = 1; ; try++)); do
    output=$("${sudo[@]}" apt-get update -qq 2>&1) && return 0
    if [ "$try" -ge "$apt_tries" ]; then
      echo "apt-get update: some package lists could not be read ($(apt_reason "$output"));" \
        "going on with the lists it has"
      return 0
    fi
    echo "apt-get update failed (try $try of $apt_tries: $(apt_reason "$output")); trying again in ${apt_pause}s"
    sleep "$apt_pause"
  done
}

# apt_install PACKAGE...: true when apt installed them all; apt's output in $apt_output.
apt_install() {
  apt_output=$(DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
    --no-install-recommends "$@" 2>&1)
}

install_packages() {
  local missing=() package
  for package in "$@"; do
    # A package that could not be installed earlier in this run is not
    # asked for again.
    is_installed "$package" || [ -n "$(kept_reason "$package")" ] ||
      [[ " ${missing[*]} " == *" $package "* ]] || missing+=("$package")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  say "installing ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      for package in "${missing[@]}"; do unavailable "$package" "this user is not root and there is no sudo"; done
      return 0
    fi
    sudo=(sudo)
  fi
  if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386 || true
  fi
  apt_update
  apt_install "${missing[@]}" && return 0
  if [ ${#missing[@]} -eq 1 ]; then
    unavailable "${missing[0]}" "$(apt_reason "$apt_output")"
    return 0
  fi
  # One package that apt cannot resolve (wine32:i386 when its architecture's
  # lists are older than the installed 64-bit libraries) refuses the whole
  # list; one by one, the others still come.
  echo "apt-get install refused the list ($(apt_reason "$apt_output")); installing the packages one by one"
  for package in "${missing[@]}"; do
    is_installed "$package" || apt_install "$package" || unavailable "$package" "$(apt_reason "$apt_output")"
  done
}

missing_reason() {
  local package reason
  for package in "$@"; do
    is_installed "$package" && continue
    reason=$(kept_reason "$package")
    if [ -n "$reason" ]; then
      echo "$package could not be installed: $reason"
    else
      echo "$package is not installed"
    fi
    return 0
  done
}

i686_tests_reason() {
  local reason
  reason=$(missing_reason "${loader_packages[@]}")
  if [ -n "$reason" ]; then
    echo "$reason"
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "this kernel does not run 32-bit programs"
  fi
}

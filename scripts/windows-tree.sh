# Sourced by the scripts that build a Windows tree: the one configuration of
# build/i686 and build/x86_64, the shipped one. The tests, the demo, the
# release and the pictures all build with exactly these options, so that
# one command after another rebuilds nothing and the program the tests ran
# is the program that ships.
#
#   configure_windows_tree ROOT BUILD ARCH     (ARCH: i686 or x86_64)
#
# configures the tree BUILD from the sources in ROOT (quick when it exists
# already).
configure_windows_tree() {
  local root=$1 build=$2 arch=$3
  cmake -S "$root" -B "$build" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
}

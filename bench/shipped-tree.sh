# Sourced by the benchmark scripts: the tree they measure and the Wine that
# runs it.
#
#   shipped_tree ROOT TARGET...
#
# sets arch (i686, the shipped build, or x86_64 where the kernel runs no
# 32-bit programs), loader and wine_arch (the Wine loader and the kind of
# prefix for it) and tree (ROOT/build/ARCH), configures the tree as every
# script does and builds the targets.
#
#   native_bench ROOT TARGET
#
# sets native (ROOT/build/native) and builds the target there with the
# benchmarks.
shipped_tree() {
  local root=$1
  shift
  source "$root/scripts/windows-tree.sh"
  arch=x86_64 loader=/usr/lib/wine/wine64 wine_arch=win64
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    arch=i686 loader=/usr/lib/wine/wine wine_arch=wow64
  fi
  tree=$root/build/$arch
  configure_windows_tree "$root" "$tree" "$arch"
  cmake --build "$tree" -j2 --target "$@" >/dev/null
}

native_bench() {
  local root=$1
  native=$root/build/native
  cmake -S "$root" -B "$native" -G Ninja -Wno-dev -DCMAKE_BUILD_TYPE=Release -DFORMFIT_BENCH=ON \
    >/dev/null
  cmake --build "$native" -j2 --target "$2" >/dev/null
}

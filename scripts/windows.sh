#!/usr/bin/env bash
# Builds the Windows program, build-windows/presek.exe, with MinGW-w64: 64-bit, the C++ runtime,
# freeglut, libpng and zlib linked in, importing only Windows' own DLLs.
#   bash scripts/windows.sh          the program
#   bash scripts/windows.sh tests    the program, the unit tests and the report driver
# freeglut, zlib and libpng are built once from Debian's source packages and kept in
# build-windows/deps.
set -euo pipefail
cd "$(dirname "$0")/.."
purpose=${1:-program}
out=$PWD/build-windows
deps=$out/deps
triple=x86_64-w64-mingw32

packages=(g++-mingw-w64-x86-64 cmake make dpkg-dev)
[ "$purpose" = tests ] && packages+=(googletest)
source scripts/install_missing.sh
installMissing "${packages[@]}"

# A Debian source package unpacked in build-windows/src (fetchSource PACKAGE), fetched through
# a list of sources kept in the build folder: the machine's own apt configuration stays as it is.
fetchSource() {
  local apt=$out/apt
  local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
                 -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
                 -o APT::Sandbox::User=root -qq)
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$out/src"
  sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list 2>/dev/null >"$apt/sources.list" || true
  for f in /etc/apt/sources.list.d/debian*.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$apt/parts/$(basename "$f")"
  done
  apt-get "${options[@]}" update
  # The newest version whose files the archive gives.
  local version
  : >"$apt/fetch.log"
  for version in $(apt-cache "${options[@]}" showsrc "$1" | sed -n 's/^Version: //p' | sort -urV); do
    (cd "$out/src" && apt-get "${options[@]}" source "$1=$version") >"$apt/fetch.log" 2>&1 && return
  done
  cat "$apt/fetch.log"
  echo "No version of the source package $1 could be fetched." >&2
  exit 1
}

# The folder of a source package's unpacked tree, fetched first if it is not there yet.
sourceOf() {
  ls -d "$out"/src/"$1"-*/ >/dev/null 2>&1 || fetchSource "$1" >&2
  ls -d "$out"/src/"$1"-*/ | head -1
}

# freeglut as a static library for Windows, with its CMake package.
buildFreeglut() {
  [ -f "$deps/lib/cmake/FreeGLUT/FreeGLUTConfig.cmake" ] && return
  local source
  source=$(sourceOf freeglut)
  cmake -S "$source" -B "$out/freeglut" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
    -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF >/dev/null
  # freeglut's own warnings are not this program's: they go to a log.
  cmake --build "$out/freeglut" -j2 --target install >"$out/freeglut/build.log" 2>&1 ||
    { cat "$out/freeglut/build.log"; exit 1; }
}

# zlib as a static library for Windows, installed as libz.a alone: its DLL is neither built
# nor installed.
buildZlib() {
  [ -f "$deps/lib/libz.a" ] && return
  local source
  source=$(sourceOf zlib)
  cmake -S "$source" -B "$out/zlib" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$out/zlib" -j2 --target zlibstatic >"$out/zlib/build.log" 2>&1 ||
    { cat "$out/zlib/build.log"; exit 1; }
  mkdir -p "$deps/include" "$deps/lib"
  cp "$source/zlib.h" "$out/zlib/zconf.h" "$deps/include/"
  cp "$out/zlib/libzlibstatic.a" "$deps/lib/libz.a"
}

# libpng as a static library for Windows, built against that zlib.
buildLibpng() {
  [ -f "$deps/lib/libpng16.a" ] && return
  local source
  source=$(sourceOf libpng1.6)
  cmake -S "$source" -B "$out/libpng" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DCMAKE_FIND_ROOT_PATH="$deps" \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF >/dev/null
  cmake --build "$out/libpng" -j2 --target install >"$out/libpng/build.log" 2>&1 ||
    { cat "$out/libpng/build.log"; exit 1; }
}

buildFreeglut
buildZlib
buildLibpng
tests=OFF
[ "$purpose" = tests ] && tests=ON
cmake -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_FIND_ROOT_PATH="$deps" -DPRESEK_TESTS=$tests >/dev/null
if [ $tests = ON ]; then
  cmake --build "$out" -j2
else
  cmake --build "$out" -j2 --target presek
fi
echo "$out/presek.exe imports:" $($triple-objdump -p "$out/presek.exe" | sed -n 's/.*DLL Name: //p')

#!/usr/bin/env bash
# Builds the Windows program, build-windows/presek.exe, with MinGW-w64: 64-bit, the C++ runtime
# and freeglut linked in, importing only Windows' own DLLs.
#   bash scripts/windows.sh          the program
#   bash scripts/windows.sh tests    the program, the unit tests and the report driver
# freeglut is built once from Debian's source package and kept in build-windows/deps.
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

# Debian's source package of freeglut, fetched through a list of sources kept in the build
# folder: the machine's own apt configuration stays as it is.
fetchFreeglut() {
  local apt=$out/apt
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$out/src"
  sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list 2>/dev/null >"$apt/sources.list" || true
  for f in /etc/apt/sources.list.d/debian*.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" >"$apt/parts/$(basename "$f")"
  done
  local options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
                 -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache"
                 -o APT::Sandbox::User=root -qq)
  apt-get "${options[@]}" update
  (cd "$out/src" && apt-get "${options[@]}" source freeglut)
}

# freeglut as a static library for Windows, with its CMake package.
buildFreeglut() {
  [ -f "$deps/lib/cmake/FreeGLUT/FreeGLUTConfig.cmake" ] && return
  ls -d "$out"/src/freeglut-*/ >/dev/null 2>&1 || fetchFreeglut
  local source
  source=$(ls -d "$out"/src/freeglut-*/ | head -1)
  cmake -S "$source" -B "$out/freeglut" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" -DFREEGLUT_BUILD_SHARED_LIBS=OFF \
    -DFREEGLUT_BUILD_STATIC_LIBS=ON -DFREEGLUT_BUILD_DEMOS=OFF >/dev/null
  # freeglut's own warnings are not this program's: they go to a log.
  cmake --build "$out/freeglut" -j2 --target install >"$out/freeglut/build.log" 2>&1 ||
    { cat "$out/freeglut/build.log"; exit 1; }
}

buildFreeglut
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

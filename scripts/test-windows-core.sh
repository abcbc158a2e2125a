#!/usr/bin/env bash
# Builds the Qt-free part of the tree for Windows (MinGW-w64) and runs its tests under
# Wine. Usage: scripts/test-windows-core.sh [build folder], default build-windows.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Built for the tests alone: optimised, without debug information, quick to compile.
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG" \
  "-DCMAKE_C_FLAGS_RELEASE=-O1 -DNDEBUG" >/dev/null
cmake --build "$dir"

wine64=$(sed -n 's/^TESS_WINE64:FILEPATH=//p' "$dir/CMakeCache.txt")
wineserver=$(sed -n 's/^TESS_WINESERVER:FILEPATH=//p' "$dir/CMakeCache.txt")
WINEPREFIX="$(cd "$dir" && pwd)/wineprefix"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER="$wine64"
mkdir -p "$WINEPREFIX"

# A Wine server that ctest did not start: one started by the first test would keep ctest's
# output pipe open until it idles out, seconds per test. The warm-up run makes the prefix
# on a fresh build. Both speak to /dev/null, for the same reason.
"$wineserver" -p >/dev/null 2>&1 </dev/null
trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
"$wine64" "$dir/tests/wire/wire_tests.exe" --gtest_list_tests >/dev/null 2>&1 </dev/null

cd "$dir" && ctest --output-on-failure -j2

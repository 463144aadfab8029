#!/usr/bin/env bash
# Cross-compiles tolvane.exe for 64-bit Windows into build-windows/ (Release,
# linked statically: no DLL is needed beside it), with its unit tests built
# against GoogleTest compiled from Debian's sources by the same compiler.
# Installs MinGW-w64, GoogleTest's sources, cmake and Wine (to run the tests
# here) when missing, and makes Wine's prefix ready for quiet test runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-windows}
missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
command -v wine >/dev/null || missing+=(wine)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DTOLVANE_GTEST_SOURCE=/usr/src/googletest -DTOLVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
bash "$root/scripts/wine.sh" --prepare

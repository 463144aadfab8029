#!/usr/bin/env bash
# Builds into build/ (Release). Without arguments: the program and every test,
# after installing what building and testing need. With target names (as
# example.sh gives "tolvane"): only those targets, after installing what
# building needs; a build folder made this way leaves the tests out until
# the first full build.
#
#   build.sh [TARGET...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [ $# -eq 0 ]; then
  bash "$root/scripts/setup.sh" test
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=ON >/dev/null
  cmake --build "$build" -j"$(nproc)"
else
  bash "$root/scripts/setup.sh" build
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF >/dev/null
  fi
  cmake --build "$build" -j"$(nproc)" --target "$@"
fi

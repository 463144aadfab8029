#!/usr/bin/env bash
# Builds the fuzz targets convert_fuzzer and attach_fuzzer with clang++ and
# libFuzzer (-fsanitize=fuzzer,address,undefined) into BUILD_DIR
# (default: build-fuzz in the project folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
bash "$root/scripts/setup.sh"
if ! command -v clang++ >/dev/null; then
  echo "installing: clang"
  apt-get update -qq && apt-get install -y -qq clang
fi
cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build "$build" -j"$(nproc)"

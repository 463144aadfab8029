#!/usr/bin/env bash
# Builds everything and runs every unit and end-to-end test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"

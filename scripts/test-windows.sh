#!/usr/bin/env bash
# Cross-compiles the Windows program and its tests, then runs every unit and
# end-to-end test under Wine (the POSIX-only fault cases report as skipped).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build-windows.sh"
ctest --test-dir "$root/build-windows" --output-on-failure -j"$(nproc)"

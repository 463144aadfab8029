#!/usr/bin/env bash
# Builds everything and runs every unit and end-to-end test, then lists what
# was skipped, in whole or in part, with the reason each test gives.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
status=0
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)" || status=$?
skips=$(awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 }
             /skipped: / && name != "" { sub(/.*skipped: /, ""); print "  " name ": " $0 }' \
            "$root/build/Testing/Temporary/LastTest.log" 2>/dev/null || true)
if [ -n "$skips" ]; then
  echo "Skipped, in whole or in part:"
  echo "$skips"
fi
exit $status

#!/usr/bin/env bash
# Converts the bundled example geometry file, building first if needed, and
# checks the deck against the one kept beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ -x "$root/build/tolvane" ] || bash "$root/scripts/build.sh"
cd "$root/examples"
"$root/build/tolvane" INPUT=river.geo OUTPUT=river.out.cs
if cmp -s river.cs river.out.cs; then
  echo "examples/river.out.cs matches examples/river.cs"
else
  echo "examples/river.out.cs differs from examples/river.cs" >&2
  exit 1
fi

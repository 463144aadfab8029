#!/usr/bin/env bash
# Builds the program alone (not the tests) when it is missing or out of date,
# converts the bundled example geometry file, and checks the deck against the
# one kept beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" tolvane
cd "$root/examples"
"$root/build/tolvane" INPUT=river.geo OUTPUT=river.out.cs
if cmp -s river.cs river.out.cs; then
  echo "examples/river.out.cs matches examples/river.cs"
else
  echo "examples/river.out.cs differs from examples/river.cs" >&2
  exit 1
fi

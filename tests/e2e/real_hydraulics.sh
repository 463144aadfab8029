#!/usr/bin/env bash
# Converts every real geometry file beside the repository (../shared/
# real-geometry, not part of the project) unsorted with REPORT, with and
# without FIT=ROUND, and checks the
# report's hydraulic rows with scripts/check-hydraulics.py, which computes the
# flows of the geometry file and of the deck on its own. Skipped (status 77)
# when the files are absent; fails, naming it, when python3 is missing.
#
#   real_hydraulics.sh PROGRAM REPOSITORY_ROOT
set -u
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
root=$2
dir=$root/../shared/real-geometry
if ! ls "$dir"/*.geo > /dev/null 2>&1; then
  echo "skipped: no real geometry files in $dir"
  exit 77
fi
source "$(dirname "$0")/../needs.sh"
needs python3 python3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for geo in "$dir"/*.geo; do
  name=$(basename "$geo" .geo)
  for fit in CUT ROUND; do
    rm -rf "$scratch/work" && mkdir "$scratch/work"
    cp "$geo" "$scratch/work/in.geo"
    (cd "$scratch/work" && TMPDIR="$scratch/work" "$exe" INPUT=in.geo OUTPUT=out.cs REPORT=out.html \
       FIT=$fit > console 2>&1) || { echo "$name FIT=$fit: the conversion failed"; failed=1; continue; }
    python3 "$root/scripts/check-hydraulics.py" "$scratch/work/in.geo" "$scratch/work/out.cs" \
      "$scratch/work/out.html" > "$scratch/check" || { echo "$name FIT=$fit:"; cat "$scratch/check"; failed=1; }
  done
done
[ $failed -eq 0 ] && echo "every real file's hydraulic rows agree with the independent computation"
exit $failed

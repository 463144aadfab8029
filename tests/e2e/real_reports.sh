#!/usr/bin/env bash
# Converts every real geometry file beside the repository (../shared/
# real-geometry, not part of the project) in both modes with REPORT, and
# parses each report as XML. Skipped (status 77) when the files are absent.
#
#   real_reports.sh PROGRAM REPOSITORY_ROOT
set -u
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
dir=$2/../shared/real-geometry
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
  for sort in NO YES; do
    rm -rf "$scratch/work" && mkdir "$scratch/work"
    cp "$geo" "$scratch/work/in.geo"
    (cd "$scratch/work" && TMPDIR="$scratch/work" "$exe" INPUT=in.geo OUTPUT=out.cs REPORT=out.html \
       SORTREACHES=$sort > console 2>&1)
    status=$?
    problem=
    [ $status -eq 0 ] || problem="exit status $status"
    grep -q '^ REPORT WRITTEN TO out.html: [0-9]* DROPPED, [0-9]* CHANGED, [0-9]* WARNINGS$' "$scratch/work/console" ||
      problem="$problem; no report line on the console"
    python3 -c 'import sys, xml.etree.ElementTree as E; E.parse(sys.argv[1])' \
      "$scratch/work/out.html" 2> "$scratch/xml" || problem="$problem; $(tail -1 "$scratch/xml")"
    if [ -n "$problem" ]; then echo "$name SORTREACHES=$sort:${problem#;}"; failed=1; fi
  done
done
[ $failed -eq 0 ] && echo "every real file converts with a well-formed report in both modes"
exit $failed

#!/usr/bin/env bash
# Makes the Debian package from build/ and checks it with lintian (installed
# when missing): the check fails on any error or warning; informational tags
# are listed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh" package
bash "$root/scripts/build.sh" tolvane >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$root/build" && cpack -G DEB -B "$scratch") > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; exit 1; }
deb=$(find "$scratch" -maxdepth 1 -name 'tolvane_*.deb')
status=0
lintian --display-info --fail-on error,warning "$deb" > "$scratch/tags" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/tags" || true
if [ $status -ne 0 ]; then
  echo "$(basename "$deb"): lintian finds errors or warnings (status $status)" >&2
  exit 1
fi
echo "$(basename "$deb"): lintian finds no error and no warning"

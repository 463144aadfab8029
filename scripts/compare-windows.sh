#!/usr/bin/env bash
# Converts every geometry file of a folder with the Linux program and with the
# Windows program (under Wine), unsorted and sorted, and compares the decks,
# the console text and the exit status byte for byte.
#
#   compare-windows.sh FOLDER
#
# Builds whichever program is missing. Each file is copied into a scratch
# working directory first, so that its name on the command line is short.
# Prints one line per file and mode; exits 1 when anything differs.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(cd "${1:?usage: compare-windows.sh FOLDER}" && pwd)
[ -x "$root/build/tolvane" ] || bash "$root/scripts/build.sh" tolvane >/dev/null
[ -f "$root/build-windows/tolvane.exe" ] || bash "$root/scripts/build-windows.sh" >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# run SYSTEM MODE FILE: converts FILE in $scratch/SYSTEM, keeping deck, console, status.
run() {
  local system=$1 sort=$2 file=$3 work=$scratch/$1
  rm -rf "$work" && mkdir -p "$work/tmp"
  cp "$file" "$work/river.geo"
  (
    cd "$work" || exit
    if [ "$system" = linux ]; then
      TMPDIR="$work/tmp" "$root/build/tolvane" INPUT=river.geo OUTPUT=river.cs SORTREACHES="$sort"
    else
      TEMP="$work/tmp" TMP="$work/tmp" bash "$root/scripts/wine.sh" "$root/build-windows/tolvane.exe" \
        INPUT=river.geo OUTPUT=river.cs SORTREACHES="$sort"
    fi
  ) </dev/null >"$work/console" 2>&1
  echo $? >"$work/status"
}

differences=0
files=0
for file in "$folder"/*; do
  [ -f "$file" ] || continue
  case $file in *.md | *.txt) continue ;; esac
  files=$((files + 1))
  for sort in NO YES; do
    run linux "$sort" "$file"
    run windows "$sort" "$file"
    verdict=same
    for part in river.cs console status; do
      cmp -s "$scratch/linux/$part" "$scratch/windows/$part" || verdict="differs ($part)"
    done
    [ "$verdict" = same ] || differences=$((differences + 1))
    printf '%-32s SORTREACHES=%-3s status %s, %8d deck bytes: %s\n' "$(basename "$file")" "$sort" \
      "$(cat "$scratch/linux/status")" "$(wc -c <"$scratch/linux/river.cs" 2>/dev/null || echo 0)" "$verdict"
  done
done
echo "$files files, $((files * 2)) runs: $differences differ"
[ "$differences" -eq 0 ]

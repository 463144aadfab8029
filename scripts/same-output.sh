#!/usr/bin/env bash
# Records everything a user sees of conversions: for each geometry file, in
# each of the four kinds of run (unsorted, sorted, each with and without
# REPORT=), the deck, the report, the console (standard output), standard
# error, the exit status and the names of the files left behind in the working
# directory and in TMPDIR. Two recordings made by two builds are then compared
# with diff, so that a change meant to be invisible (speed, memory) can be
# shown to change no byte of any output.
#
#   scripts/same-output.sh record PROGRAM OUTDIR FILE...
#       converts each FILE with PROGRAM and writes the outputs under OUTDIR
#       (OUTDIR/NAME/MODE/...). Decks and reports larger than 4 MB are kept
#       as their SHA-256 sums only.
#   scripts/same-output.sh compare DIR1 DIR2
#       diff -r of two recordings; status 0 when they are identical.
#   scripts/same-output.sh check PROGRAM1 PROGRAM2 FILE...
#       records both programs in a temporary folder and compares them.
set -euo pipefail

big=$((4 * 1000 * 1000))

# keep FILE DEST: copies FILE to DEST, or its checksum to DEST.sha256 when big.
keep() {
  local file=$1 dest=$2
  [ -e "$file" ] || return 0
  if [ "$(stat -c %s "$file")" -gt "$big" ]; then
    sha256sum < "$file" | cut -d' ' -f1 > "$dest.sha256"
  else
    cp "$file" "$dest"
  fi
}

record() {
  local program outdir file name mode dir work scratch args status
  program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  outdir=$2
  shift 2
  mkdir -p "$outdir"
  for file in "$@"; do
    file=$(cd "$(dirname "$file")" && pwd)/$(basename "$file")
    name=$(basename "$file")
    for mode in unsorted sorted unsorted+report sorted+report; do
      dir=$outdir/$name/$mode
      mkdir -p "$dir"
      work=$(mktemp -d)
      scratch=$(mktemp -d)
      ln -s "$file" "$work/in.geo"
      args=(INPUT=in.geo OUTPUT=out.cs)
      case $mode in sorted*) args+=(SORTREACHES=YES) ;; esac
      case $mode in *report) args+=(REPORT=out.html) ;; esac
      set +e
      (cd "$work" && TMPDIR="$scratch" "$program" "${args[@]}" > "$dir/stdout" 2> "$dir/stderr")
      status=$?
      set -e
      echo "$status" > "$dir/status"
      keep "$work/out.cs" "$dir/deck"
      keep "$work/out.html" "$dir/report"
      (cd "$work" && ls -A) > "$dir/left-in-work"
      (cd "$scratch" && ls -A) > "$dir/left-in-tmpdir"
      rm -rf "$work" "$scratch"
    done
  done
}

case ${1:-} in
  record) shift; record "$@" ;;
  compare) diff -r "$2" "$3" && echo "identical: $(find "$2" -type f | wc -l) files" ;;
  check)
    shift
    a=$1 b=$2
    shift 2
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    record "$a" "$tmp/a" "$@"
    record "$b" "$tmp/b" "$@"
    diff -r "$tmp/a" "$tmp/b" && echo "identical: $(find "$tmp/a" -type f | wc -l) files" ;;
  *) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
esac

#!/usr/bin/env bash
# Runs one fuzz target for a given time:
#   bash fuzz/run.sh convert|attach SECONDS [BUILD_DIR]
# Builds the targets first (fuzz/build.sh). The corpus lives in
# BUILD_DIR/corpus-TARGET and grows from run to run; it is seeded from the
# end-to-end cases: for convert every input file of tests/e2e/cases, once in
# each mode (a first byte of 0 or 1), for attach every args file, its lines
# joined by NUL bytes. libFuzzer's output goes to BUILD_DIR/fuzz-TARGET.log;
# a finding is written to BUILD_DIR/findings-TARGET/ and makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=${1:?usage: fuzz/run.sh convert|attach SECONDS [BUILD_DIR]}
seconds=${2:?usage: fuzz/run.sh convert|attach SECONDS [BUILD_DIR]}
build=${3:-$root/build-fuzz}
case $target in convert|attach) ;; *) echo "unknown target: $target" >&2; exit 2 ;; esac

bash "$root/fuzz/build.sh" "$build" >/dev/null

corpus=$build/corpus-$target
seeds=$build/seeds-$target
findings=$build/findings-$target
rm -rf "$seeds"
mkdir -p "$corpus" "$seeds" "$findings"
n=0
for case_dir in "$root"/tests/e2e/cases/*/; do
  name=$(basename "$case_dir")
  if [ "$target" = convert ]; then
    for f in "$case_dir"input/*; do
      [ -f "$f" ] || continue
      n=$((n + 1))
      { printf '\0'; cat "$f"; } > "$seeds/$name-$n-unsorted"
      { printf '\1'; cat "$f"; } > "$seeds/$name-$n-sorted"
    done
  elif [ -f "$case_dir/args" ]; then
    # Arguments are one a line; the target splits its bytes at NUL bytes.
    printf '%s' "$(cat "$case_dir/args")" | tr '\n' '\0' > "$seeds/$name"
  fi
done

options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
         -artifact_prefix="$findings/")
[ "$target" = convert ] && options+=(-dict="$root/fuzz/convert.dict" -max_len=65536)
[ "$target" = attach ] && options+=(-dict="$root/fuzz/attach.dict" -max_len=1024)
# libFuzzer's progress goes to a log; the summary (or the finding) is shown.
log=$build/fuzz-$target.log
status=0
"$build/${target}_fuzzer" "${options[@]}" "$corpus" "$seeds" > "$log" 2>&1 || status=$?
if [ $status -ne 0 ]; then
  tail -n 80 "$log"
  echo "fuzz $target: FINDING (status $status), see $log and $findings/"
  exit 1
fi
done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1)
echo "fuzz $target: ${seconds} s, no finding: ${done_line:-no DONE line}"

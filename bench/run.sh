#!/usr/bin/env bash
# Benchmark of the converter: speed, peak memory and heap allocations on large
# generated geometry files.
#
#   bash bench/run.sh                  20 MB and 200 MB inputs, 5 runs each
#   bash bench/run.sh 5 50             other input sizes, in MB (10^6 bytes)
#   bash bench/run.sh --reps 9 20      another number of runs per input and mode
#   bash bench/run.sh --crlf           inputs with CR LF line ends
#   bash bench/run.sh --small FILE     only a small geometry file, the whole
#                                      process against /bin/true (see below)
#   bash bench/run.sh --small FILE 200 both
#
# Environment: BUILD_DIR (default: build-bench/ under the repository root),
# SEED (default 1), TMPDIR (where the temporary directory goes: its file
# system matters for the sorted mode, which writes every reach into a
# temporary reach file and reads them back from it).
#
# It builds the Release converter, the generator and the allocation counter,
# then for each size generates an input in a temporary directory (removed at
# the end) and times, the same number of times each, one of each in turn:
#   floor     cat FILE FILE > OUT   (reads the input twice and writes both copies)
#   floor+sync  the same, then sync OUT: the copy made durable, as the
#             converter makes its deck (fsync before it takes its name)
#   unsorted  tolvane INPUT=FILE OUTPUT=DECK
#   sorted    tolvane INPUT=FILE OUTPUT=DECK SORTREACHES=YES
#   unsorted+report, sorted+report: the same with REPORT=FILE.html
#   unsorted+round  tolvane INPUT=FILE OUTPUT=DECK FIT=ROUND
# It prints one table per input: the median wall time, MB of input per second,
# the peak resident memory (largest "Maximum resident set size" of
# /usr/bin/time -v over the runs), the ratio of the median to the floor's
# median, and the heap allocations of one more run under the preload library
# countAllocations. Every conversion must end with status 0, print nothing but
# the progress line, the report line and "Stop - Program terminated.", and
# leave no file behind but the deck and the report
# (the runs get an empty TMPDIR of their own inside the temporary directory);
# otherwise the script stops with status 1. The deck and the report are
# removed after each timed run, outside the timing, as the floor's output is:
# every timed run writes new files, and none pays for deleting an earlier one.
#
# With --small FILE it also times the conversion of FILE, whole process and
# start-up included, against /bin/true: 30 pairs of one /bin/true and one
# conversion (without, then with REPORT=), taken in turn, and prints the
# median of the 30 ratios of each pair and the median times.

set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
seed=${SEED:-1}
reps=5
crlf=
small=
sizes=()
while [ $# -gt 0 ]; do
  case $1 in
    --reps) reps=$2; shift 2 ;;
    --crlf) crlf=--crlf; shift ;;
    --small) small=$(realpath "$2"); shift 2 ;;
    -h|--help) sed -n '2,42p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) sizes+=("$1"); shift ;;
  esac
done
[ ${#sizes[@]} -gt 0 ] || [ -n "$small" ] || sizes=(20 200)
[ -x /usr/bin/time ] || { echo "bench: /usr/bin/time is missing (apt-get install time)" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
work=$tmp/work
scratch=$tmp/scratch  # TMPDIR of the runs: where the converter keeps its reach file
mkdir "$work" "$scratch"

echo "Building Release in $build ..."
{ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF &&
  cmake --build "$build" --target tolvane tolvane_generate countAllocations -j2; } > "$tmp/build.log" 2>&1 ||
  { cat "$tmp/build.log" >&2; exit 1; }
converter=$build/tolvane
generator=$build/bench/tolvane_generate
counter=$build/bench/libcountAllocations.so

# run_timed STDOUT_FILE COMMAND...: runs the command in $work under
# /usr/bin/time -v; sets wall (seconds), rss_kb and status.
run_timed() {
  local out=$1; shift
  local start end
  start=$EPOCHREALTIME
  set +e
  (cd "$work" && TMPDIR="$scratch" /usr/bin/time -v -o "$tmp/time.txt" "$@" > "$out" 2> "$tmp/stderr.txt")
  status=$?
  set -e
  end=$EPOCHREALTIME
  wall=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
  rss_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$tmp/time.txt")
}

# check_conversion NAME: the last conversion ended normally and left only the
# input and its deck in the working directory, and nothing in its TMPDIR.
check_conversion() {
  local name=$1 unexpected
  if [ "$status" -ne 0 ]; then
    echo "bench: $name: exit status $status" >&2; cat "$tmp/console.txt" "$tmp/stderr.txt" >&2; exit 1
  fi
  unexpected=$(cat "$tmp/console.txt" "$tmp/stderr.txt" |
    grep -v -x -e ' *encountered end of file in first pass thru data, *processing the junctions now\.\.\.' \
               -e ' REPORT WRITTEN TO [^ ]*: [0-9]* DROPPED, [0-9]* CHANGED\(, [0-9]* WARNINGS\)\{0,1\}' \
               -e 'Stop - Program terminated\.' || true)
  if [ -n "$unexpected" ]; then
    echo "bench: $name: unexpected console lines:" >&2; echo "$unexpected" | head -20 >&2; exit 1
  fi
  local expected=("$input" "$deck")
  case $name in *report) expected+=("$report") ;; esac
  if [ "$(cd "$work" && ls)" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    echo "bench: $name: files left in the working directory: $(cd "$work" && ls | tr '\n' ' ')" >&2; exit 1
  fi
  if [ -n "$(ls -A "$scratch")" ]; then
    echo "bench: $name: files left in TMPDIR: $(ls -A "$scratch" | head -5 | tr '\n' ' ')" >&2; exit 1
  fi
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# run_mode MODE: times the floor or one conversion; appends to times_MODE
# and raises peak_MODE.
declare -A times peaks
run_mode() {
  local mode=$1
  case $mode in
    floor) run_timed "$tmp/floor.out" cat "$input" "$input"
      [ "$status" -eq 0 ] || { echo "bench: floor: cat failed" >&2; exit 1; }
      rm -f "$tmp/floor.out" ;;
    floor+sync) run_timed "$tmp/floor.out" sh -c 'cat "$1" "$1" > "$2" && sync "$2"' sh "$input" "$tmp/floor.out"
      [ "$status" -eq 0 ] || { echo "bench: floor+sync: cat or sync failed" >&2; exit 1; }
      rm -f "$tmp/floor.out" ;;
    unsorted) run_timed "$tmp/console.txt" "$converter" "INPUT=$input" "OUTPUT=$deck"; check_conversion "$mode" ;;
    sorted) run_timed "$tmp/console.txt" "$converter" "INPUT=$input" "OUTPUT=$deck" SORTREACHES=YES; check_conversion "$mode" ;;
    unsorted+report) run_timed "$tmp/console.txt" "$converter" "INPUT=$input" "OUTPUT=$deck" "REPORT=$report"
      check_conversion "$mode" ;;
    sorted+report) run_timed "$tmp/console.txt" "$converter" "INPUT=$input" "OUTPUT=$deck" SORTREACHES=YES "REPORT=$report"
      check_conversion "$mode" ;;
    unsorted+round) run_timed "$tmp/console.txt" "$converter" "INPUT=$input" "OUTPUT=$deck" FIT=ROUND
      check_conversion "$mode" ;;
  esac
  rm -f "$work/$deck" "$work/$report"
  times[$mode]+="$wall "
  if [ "$rss_kb" -gt "${peaks[$mode]:-0}" ]; then peaks[$mode]=$rss_kb; fi
}

# measure: runs every mode $reps times, taking the modes in turn on each
# round so that a machine that slows down or speeds up during the benchmark
# weighs on all of them alike (the ratios stay fair); sets row_med[MODE] and
# row_kb[MODE].
modes=(floor floor+sync unsorted unsorted+report sorted sorted+report unsorted+round)
measure() {
  local i mode
  times=() peaks=()
  for ((i = 0; i < reps; i++)); do
    for mode in "${modes[@]}"; do run_mode "$mode"; done
  done
  for mode in "${modes[@]}"; do
    row_med[$mode]=$(printf '%s\n' ${times[$mode]} | median)
    row_kb[$mode]=${peaks[$mode]}
  done
}

# count_allocations MODE: heap allocations of one conversion.
count_allocations() {
  local sort=()
  case $1 in sorted*) sort=(SORTREACHES=YES) ;; esac
  case $1 in *report) sort+=("REPORT=$report") ;; *round) sort+=(FIT=ROUND) ;; esac
  (cd "$work" && TMPDIR="$scratch" COUNT_ALLOCATIONS_FILE="$tmp/allocations.txt" LD_PRELOAD="$counter" \
    "$converter" "INPUT=$input" "OUTPUT=$deck" "${sort[@]}" > /dev/null)
  cat "$tmp/allocations.txt"
}

echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); runs in $work ($(stat -f -c %T "$work"))"
echo "$reps runs per input and mode; MB = 10^6 bytes"
for size in "${sizes[@]}"; do
  input=g$size.geo
  deck=g$size.cs
  report=g$size.html
  "$generator" --seed "$seed" --megabytes "$size" $crlf > "$work/$input"
  bytes=$(stat -c %s "$work/$input")
  mb=$(awk -v b="$bytes" 'BEGIN { printf "%.2f", b / 1e6 }')
  reaches=$(grep -c 'River Reach=' "$work/$input" || true)
  sections=$(grep -c 'Type RM Length L Ch R = 1 ' "$work/$input" || true)
  bridges=$(grep -c 'Type RM Length L Ch R = 3 ' "$work/$input" || true)

  declare -A row_med row_kb row_alloc
  measure
  floor=${row_med[floor]}
  floor_kb=${row_kb[floor]}
  for mode in unsorted sorted unsorted+report sorted+report unsorted+round; do
    row_alloc[$mode]=$(count_allocations "$mode")
  done
  report_bytes=$(stat -c %s "$work/$report")
  rm -f "$work/$deck" "$work/$report"

  echo
  echo "Input $size MB: $bytes bytes, $reaches reaches, $sections cross sections, $bridges bridges${crlf:+, CR LF}"
  echo
  echo "| command | median (s) | MB/s | peak RSS (MiB) | x floor | heap allocations |"
  echo "|---|---:|---:|---:|---:|---:|"
  awk -v t="$floor" -v mb="$mb" -v kb="$floor_kb" \
    'BEGIN { printf "| floor: cat FILE FILE > OUT | %.3f | %.0f | %.1f | 1.00 | |\n", t, mb / t, kb / 1024 }'
  awk -v t="${row_med[floor+sync]}" -v f="$floor" -v mb="$mb" -v kb="${row_kb[floor+sync]}" \
    'BEGIN { printf "| floor, then sync OUT | %.3f | %.0f | %.1f | %.2f | |\n", t, mb / t, kb / 1024, t / f }'
  for mode in unsorted sorted unsorted+report sorted+report unsorted+round; do
    awk -v m="$mode" -v t="${row_med[$mode]}" -v f="$floor" -v mb="$mb" -v kb="${row_kb[$mode]}" -v a="${row_alloc[$mode]}" \
      'BEGIN { printf "| %s | %.3f | %.1f | %.1f | %.2f | %d |\n", m, t, mb / t, kb / 1024, t / f, a }'
  done
  echo
  awk -v b="$report_bytes" -v u="${row_med[unsorted]}" -v ur="${row_med[unsorted+report]}" \
      -v s="${row_med[sorted]}" -v sr="${row_med[sorted+report]}" \
    'BEGIN { printf "Report: %.1f MB; time with the report / without: unsorted %.2f, sorted %.2f\n", b / 1e6, ur / u, sr / s }'
  awk -v u="${row_med[unsorted]}" -v r="${row_med[unsorted+round]}" \
    'BEGIN { printf "FIT=ROUND: time with it / without, unsorted: %.3f\n", r / u }'
  rm -f "$work/$input"
  unset row_med row_kb row_alloc
done

# The small file: 30 pairs of /bin/true and a conversion, in turn.
if [ -n "$small" ]; then
  ln -s "$small" "$work/small.geo"
  declare -a true_ms plain_ms report_ms plain_x report_x
  # elapsed_ms COMMAND...: runs the command in $work, sets ms.
  elapsed_ms() {
    local start end
    start=$EPOCHREALTIME
    "$@" > /dev/null
    end=$EPOCHREALTIME
    ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", (b - a) * 1000 }')
  }
  cd "$work"
  for ((i = 0; i < 30; i++)); do
    elapsed_ms /bin/true; t=$ms
    TMPDIR=$scratch elapsed_ms "$converter" INPUT=small.geo OUTPUT=small.cs
    plain_ms+=("$ms"); true_ms+=("$t")
    plain_x+=("$(awk -v a="$ms" -v b="$t" 'BEGIN { print a / b }')")
    rm -f small.cs
    elapsed_ms /bin/true; t=$ms
    TMPDIR=$scratch elapsed_ms "$converter" INPUT=small.geo OUTPUT=small.cs REPORT=small.html
    report_ms+=("$ms"); true_ms+=("$t")
    report_x+=("$(awk -v a="$ms" -v b="$t" 'BEGIN { print a / b }')")
    rm -f small.cs small.html
    [ -z "$(ls -A "$scratch")" ] || { echo "bench: small file: files left in TMPDIR" >&2; exit 1; }
  done
  cd "$root"
  echo
  echo "Small file $(basename "$small"): $(stat -L -c %s "$small") bytes; 30 pairs with /bin/true, whole process"
  echo
  echo "| command | median (ms) | x /bin/true (median of pairs) |"
  echo "|---|---:|---:|"
  awk -v t="$(printf '%s\n' "${true_ms[@]}" | median)" 'BEGIN { printf "| /bin/true | %.2f | 1.00 |\n", t }'
  awk -v t="$(printf '%s\n' "${plain_ms[@]}" | median)" -v x="$(printf '%s\n' "${plain_x[@]}" | median)" \
    'BEGIN { printf "| unsorted | %.2f | %.2f |\n", t, x }'
  awk -v t="$(printf '%s\n' "${report_ms[@]}" | median)" -v x="$(printf '%s\n' "${report_x[@]}" | median)" \
    'BEGIN { printf "| unsorted+report | %.2f | %.2f |\n", t, x }'
fi

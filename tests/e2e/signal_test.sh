#!/usr/bin/env bash
# A sorted run stopped by SIGINT, SIGTERM or SIGHUP still removes its
# temporary directory of reach files, and so does a run whose deck is a pipe
# that loses its reader (a write error, reported with status 1).
#
#   signal_test.sh TOLVANE
#
# The program is held at a known point so that the signal arrives while the
# directory and its reach files exist, without relying on timing:
#   - in the pre-pass: the geometry file is a FIFO that this script writes a
#     few reaches into and then keeps open, so the program waits for more input
#     with some reach files written;
#   - in the main pass: the geometry file (generated here, about 1.5 MB) is a
#     regular file and the deck is a FIFO that nobody reads, so the program
#     waits in a write once the pipe and its own buffer are full.
# Each case checks that the directory existed before the signal, that the
# process ended by the signal, and that TMPDIR is empty afterwards.
set -u
exe=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The geometry text of reach N with S cross sections.
reach() {
  awk -v n="$1" -v s="$2" 'BEGIN {
    printf "River Reach=Signal Creek    ,Reach %-10d\n", n
    print "Reach XY= 2 "
    print "       0       0     100     100"
    print "Reverse River Text= 0 "
    print ""
    for (i = s; i > 0; i--) {
      printf "Type RM Length L Ch R = 1 ,%-8d,100,100,100\n", i
      print "#Sta/Elev= 12 "
      print "       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1"
      print "      80   401.8      88   401.6      96   403.9     110   407.2     131   409.4"
      print "     150   411.0     168   413.2"
      print "#Mann= 3 , 0 , 0 "
      print "       0     .07       0      72    .035       0      96     .07       0"
      print "Bank Sta=72,96"
      print "Exp/Cntr=0.3,0.1"
      print ""
    }
  }'
}

# Waits (at most 20 s) until the command succeeds.
wait_for() {
  local i
  for i in $(seq 200); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# True when TMPDIR holds the program's directory with at least one reach file.
reach_files_exist() { [ -n "$(find "$1" -mindepth 2 -type f 2>/dev/null | head -1)" ]; }
console_has_prepass_line() { grep -q 'encountered end of file' "$1"; }

# The process ended by the signal, and TMPDIR is empty.
check_end() {
  local label=$1 pid=$2 signal=$3 tmp=$4 status
  local i
  for i in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$label: the program did not end after SIG$signal"
    kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  status=$?
  local expected=$((128 + $(kill -l "$signal")))
  [ "$status" -eq "$expected" ] || fail "$label: exit status $status, expected $expected (ended by SIG$signal)"
  local left
  left=$(find "$tmp" -mindepth 1 | head -5)
  [ -z "$left" ] || fail "$label: left in TMPDIR: $left"
}

# The process reported a write error and ended with status 1, and TMPDIR is empty.
check_write_error() {
  local label=$1 pid=$2 console=$3 tmp=$4 status
  local i
  for i in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$label: the program did not end"
    kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  status=$?
  [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
  grep -qx ' ERROR WRITING OUTPUT FILE' "$console" || fail "$label: no write error on the console"
  local left
  left=$(find "$tmp" -mindepth 1 | head -5)
  [ -z "$left" ] || fail "$label: left in TMPDIR: $left"
}

# Stopped in the pre-pass while it waits for more of the geometry file.
in_prepass() {
  local signal=$1 dir=$scratch/prepass-$1
  mkdir -p "$dir/work" "$dir/tmp"
  mkfifo "$dir/work/river.geo"
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE TMPDIR="$dir/tmp" \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES </dev/null >"$dir/console" 2>&1 7>&- 8>&-) &
  local pid=$!
  exec 7>"$dir/work/river.geo"
  { reach 2 5; reach 1 5; } >&7
  if wait_for reach_files_exist "$dir/tmp"; then
    kill -s "$signal" "$pid"
    check_end "pre-pass, SIG$signal" "$pid" "$signal" "$dir/tmp" 2>/dev/null
  else
    fail "pre-pass, SIG$signal: no reach file appeared"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  exec 7>&-
}

# Stopped in the main pass while it waits to write more of the deck.
in_main_pass() {
  local signal=$1 dir=$scratch/main-$1
  mkdir -p "$dir/work" "$dir/tmp"
  { reach 3 1000; reach 1 1000; reach 2 1000; } > "$dir/work/river.geo"
  mkfifo "$dir/work/river.cs"
  exec 8<>"$dir/work/river.cs"  # a reader that never reads
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE TMPDIR="$dir/tmp" \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES </dev/null >"$dir/console" 2>&1 7>&- 8>&-) &
  local pid=$!
  if wait_for console_has_prepass_line "$dir/console" && reach_files_exist "$dir/tmp"; then
    sleep 0.2
    kill -s "$signal" "$pid"
    check_end "main pass, SIG$signal" "$pid" "$signal" "$dir/tmp" 2>/dev/null
  else
    fail "main pass, SIG$signal: the main pass did not start with its reach files"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  exec 8<&-
}

# The deck is a pipe whose reader goes away in the main pass: the write fails
# (SIGPIPE is ignored), the run reports it and still removes its directory.
reader_gone() {
  local dir=$scratch/main-PIPE
  mkdir -p "$dir/work" "$dir/tmp"
  { reach 3 1000; reach 1 1000; reach 2 1000; } > "$dir/work/river.geo"
  mkfifo "$dir/work/river.cs"
  exec 8<>"$dir/work/river.cs"
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE TMPDIR="$dir/tmp" \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES </dev/null >"$dir/console" 2>&1 7>&- 8>&-) &
  local pid=$!
  if wait_for console_has_prepass_line "$dir/console" && reach_files_exist "$dir/tmp"; then
    sleep 0.2
    exec 8<&-
    check_write_error "main pass, reader gone" "$pid" "$dir/console" "$dir/tmp" 2>/dev/null
  else
    fail "main pass, reader gone: the main pass did not start with its reach files"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exec 8<&-
  fi
}

for signal in INT TERM HUP; do
  in_prepass "$signal"
  in_main_pass "$signal"
done
reader_gone

if [ $failed -eq 0 ]; then echo "signal tests: ok"; fi
exit $failed

#!/usr/bin/env bash
# A sorted run stopped by SIGINT, SIGTERM or SIGHUP still removes its
# temporary directory of reach files and its temporary deck, leaves an earlier
# deck as it was (or no deck where there was none), and says so on standard
# error; so does a run whose deck is a pipe that loses its reader (a write
# error, reported with status 1). A run with REPORT also removes its temporary
# report and scratch files, and leaves an earlier report as it was.
#
#   signal_test.sh TOLVANE
#
# The program is held at a known point so that the signal arrives while the
# directory and its reach files exist, without relying on timing:
#   - in the pre-pass: the geometry file is a FIFO that this script writes a
#     few reaches into and then keeps open, so the program waits for more input
#     with some reach files written;
#   - in the main pass, with a regular deck: as in the pre-pass, and once the
#     reach file exists this script puts a FIFO in its place (the pre-pass
#     goes on writing the file it created), so the main pass waits to open it;
#   - in the main pass, with a deck that is a FIFO nobody reads (written
#     directly): the program waits in a write once the pipe and its own buffer
#     are full.
# Each case checks that the directory existed before the signal, that the
# process ended by the signal, that TMPDIR is empty afterwards and the deck's
# folder holds what it held before.
#
# With TOLVANE_TARGET=windows the program is the Windows one under Wine, which
# turns SIGINT into the Ctrl-C event: only SIGINT is sent, the temporary
# folder is TEMP, and the process ends with the Ctrl-C status of Windows
# (0xC000013A, of which the exit status keeps the low byte, 58). SIGTERM,
# SIGHUP and SIGPIPE have no Windows counterpart that Wine delivers; the
# main pass is held only by the deck that is a FIFO nobody reads.
set -u
exe=$(realpath "$1")
windows=false
[ "${TOLVANE_TARGET:-}" = windows ] && windows=true
# The environment that names the temporary folder $1.
temporary_folder() {
  if $windows; then echo "TEMP=$1" "TMP=$1"; else echo "TMPDIR=$1"; fi
}
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

# Waits (at most 60 s: a Wine server starting its services on a busy
# machine can take a good part of that) until the command succeeds.
wait_for() {
  local i
  for i in $(seq 600); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# True when TMPDIR holds the program's directory with at least one reach file.
reach_files_exist() { [ -n "$(find "$1" -mindepth 2 -type f 2>/dev/null | head -1)" ]; }
console_has_prepass_line() { grep -q 'encountered end of file' "$1"; }

# An earlier deck in the case's working directory, and a copy to compare;
# with a report asked for, an earlier report too.
earlier_deck() {
  printf 'T1 an earlier deck\nEJ\n' > "$1/work/river.cs"
  cp "$1/work/river.cs" "$1/earlier.cs"
  if [ ${#report_arg[@]} -gt 0 ]; then
    printf '<html>an earlier report</html>\n' > "$1/work/river.html"
    cp "$1/work/river.html" "$1/earlier.html"
  fi
}
report_arg=()

# The working directory holds the geometry file and, when there was one, the
# earlier deck unchanged; standard error says what became of the deck.
check_deck_kept() {
  local label=$1 dir=$2 note=$3 expected=./river.geo
  if [ -f "$dir/earlier.cs" ]; then
    expected=$(printf './river.cs\n./river.geo')
    cmp -s "$dir/earlier.cs" "$dir/work/river.cs" || fail "$label: the earlier deck changed"
  fi
  if [ -f "$dir/earlier.html" ]; then
    expected=$(printf './river.cs\n./river.geo\n./river.html')
    cmp -s "$dir/earlier.html" "$dir/work/river.html" || fail "$label: the earlier report changed"
  fi
  local held
  held=$(cd "$dir/work" && find . -mindepth 1 | sort)
  [ "$held" = "$expected" ] || fail "$label: the working directory holds: $(echo $held)"
  [ "$(cat "$dir/stderr")" = "tolvane: interrupted; $note" ] ||
    fail "$label: standard error: $(cat "$dir/stderr")"
}
kept_note='no deck was written, an earlier deck of that name is unchanged'

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
  $windows && expected=58
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

# Starts a sorted run in the case folder $1 whose geometry file is a FIFO,
# open for writing on descriptor 7 and fed two reaches; sets pid.
start_on_fifo() {
  local dir=$1
  mkfifo "$dir/work/river.geo"
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE $(temporary_folder "$dir/tmp") \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES "${report_arg[@]}" </dev/null \
     >"$dir/console" 2>"$dir/stderr" 7>&- 8>&-) &
  pid=$!
  exec 7>"$dir/work/river.geo"
  { reach 2 5; reach 1 5; } >&7
}

# Stopped in the pre-pass while it waits for more of the geometry file.
in_prepass() {
  local signal=$1 earlier=$2 dir=$scratch/prepass-$1-$2
  mkdir -p "$dir/work" "$dir/tmp"
  [ "$earlier" = earlier ] && earlier_deck "$dir"
  start_on_fifo "$dir"
  if wait_for reach_files_exist "$dir/tmp"; then
    kill -s "$signal" "$pid"
    check_end "pre-pass, SIG$signal" "$pid" "$signal" "$dir/tmp" 2>/dev/null
    check_deck_kept "pre-pass, SIG$signal, $earlier" "$dir" "$kept_note"
  else
    fail "pre-pass, SIG$signal: no reach file appeared"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  exec 7>&-
}

# Stopped in the main pass, with a regular deck, while it waits to open the
# reach file that this script replaced by a FIFO.
in_main_pass() {
  local signal=$1 earlier=$2 dir=$scratch/main-$1-$2
  mkdir -p "$dir/work" "$dir/tmp"
  [ "$earlier" = earlier ] && earlier_deck "$dir"
  start_on_fifo "$dir"
  if wait_for reach_files_exist "$dir/tmp"; then
    local first
    first=$(find "$dir/tmp" -mindepth 2 -name 1)
    rm "$first" && mkfifo "$first"
    exec 7>&-
    if wait_for console_has_prepass_line "$dir/console"; then
      sleep 0.2
      kill -s "$signal" "$pid"
      check_end "main pass, SIG$signal" "$pid" "$signal" "$dir/tmp" 2>/dev/null
      check_deck_kept "main pass, SIG$signal, $earlier" "$dir" "$kept_note"
      return
    fi
  fi
  fail "main pass, SIG$signal: the main pass did not start"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exec 7>&-
}

# Stopped in the main pass while it waits to write more of a deck that is a
# FIFO, written directly.
in_main_pass_to_fifo() {
  local signal=$1 dir=$scratch/main-fifo-$1
  mkdir -p "$dir/work" "$dir/tmp"
  { reach 3 1000; reach 1 1000; reach 2 1000; } > "$dir/work/river.geo"
  mkfifo "$dir/work/river.cs"
  exec 8<>"$dir/work/river.cs"  # a reader that never reads
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE $(temporary_folder "$dir/tmp") \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES </dev/null >"$dir/console" 2>"$dir/stderr" 7>&- 8>&-) &
  local pid=$!
  if wait_for console_has_prepass_line "$dir/console" && reach_files_exist "$dir/tmp"; then
    sleep 0.2
    kill -s "$signal" "$pid"
    check_end "main pass to a FIFO, SIG$signal" "$pid" "$signal" "$dir/tmp" 2>/dev/null
    [ "$(cat "$dir/stderr")" = "tolvane: interrupted; the deck written so far is incomplete" ] ||
      fail "main pass to a FIFO, SIG$signal: standard error: $(cat "$dir/stderr")"
  else
    fail "main pass to a FIFO, SIG$signal: the main pass did not start with its reach files"
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
  (cd "$dir/work" && exec env --default-signal=INT,TERM,HUP,PIPE $(temporary_folder "$dir/tmp") \
     "$exe" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES </dev/null >"$dir/console" 2>"$dir/stderr" 7>&- 8>&-) &
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

if $windows; then
  # Wine opens a FIFO without waiting for its writer, so a FIFO in place of a
  # reach file cannot hold the main pass; and a pipe without reader is a
  # SIGPIPE matter.
  for earlier in earlier none; do in_prepass INT "$earlier"; done
  in_main_pass_to_fifo INT
else
  for signal in INT TERM HUP; do
    for earlier in earlier none; do
      in_prepass "$signal" "$earlier"
      in_main_pass "$signal" "$earlier"
    done
    in_main_pass_to_fifo "$signal"
  done
  reader_gone
fi
# The same with REPORT: its temporary report goes too, an earlier one stays.
report_arg=(REPORT=river.html)
scratch=$scratch/report
mkdir "$scratch"
if $windows; then
  for earlier in earlier none; do in_prepass INT "$earlier"; done
else
  for earlier in earlier none; do
    in_prepass TERM "$earlier"
    in_main_pass INT "$earlier"
  done
fi

if [ $failed -eq 0 ]; then echo "signal tests: ok"; fi
exit $failed

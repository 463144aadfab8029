#!/usr/bin/env bash
# Faults of the surroundings that a case folder cannot set up, because the
# tests run as root and root is not stopped by permission bits:
#
#   fault_test.sh TOLVANE
#
#   - a geometry file without read permission, and a deck in a directory
#     without write permission: run as the unprivileged user nobody (setpriv);
#   - a deck, and a sorted run's temporary directory, in a read-only file
#     system: a read-only bind mount in a private mount namespace (unshare);
#   - a geometry file that opens but cannot be read (/proc/self/clear_refs,
#     which root may open but nobody may read).
# Each run must end with the exact console text and status 1, create nothing
# in the working directory but what the case names, and leave TMPDIR empty.
# Parts that the machine cannot run (no setpriv, no unshare, not root) are
# reported as skipped.
set -u
exe=$(realpath "$1")
scratch=$(mktemp -d)
trap 'cleanup' EXIT
cleanup() { chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf "$scratch"; }
chmod 755 "$scratch"
failed=0
ran=0
skipped=0
fail() { echo "FAIL: $*"; failed=1; }

geometry='River Reach=Fault Creek     ,Reach 1         
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,1.0     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1'

# A free-format console line: text, then the integer right-justified in 12.
iostat_line() { printf ' %s%12d\n' "$1" "$2"; }
# The three lines of a setup failure for a name, and the closing line.
open_failure() {
  iostat_line "$1" "$2"
  printf ' TRIED TO OPEN FILE NAMED:%-32s\n' "$3"
  printf ' %s\n' "$4"
  echo 'Stop - Program terminated.'
}
prepass_line=' encountered end of file in first pass thru data, processing the junctions now...'

# Makes a fresh case: a working directory holding river.geo and an empty TMPDIR.
new_case() {
  dir=$scratch/$1
  mkdir -p "$dir/work" "$dir/tmp"
  printf '%s\n' "$geometry" > "$dir/work/river.geo"
  (cd "$dir/work" && find . -mindepth 1 | sort) > "$dir/before"
}

# check LABEL EXPECTED_CONSOLE [FILE THAT MAY BE CREATED]
check() {
  local label=$1 expected=$2 allowed=${3:-}
  ran=$((ran + 1))
  [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
  if [ "$(cat "$dir/console")" != "$expected" ]; then
    fail "$label: console text differs"
    diff -u <(printf '%s\n' "$expected") "$dir/console" | cat -A | head -20
  fi
  local after extra left
  after=$(cd "$dir/work" && find . -mindepth 1 | sort)
  extra=$(comm -13 "$dir/before" <(printf '%s\n' "$after" | grep -vx "./$allowed" | sed '/^$/d'))
  [ -z "$extra" ] || fail "$label: unexpected files in the working directory: $extra"
  left=$(find "$dir/tmp" -mindepth 1 2>/dev/null | head -5)
  [ -z "$left" ] || fail "$label: files left in TMPDIR: $left"
}

# Runs the program in the case's working directory as the given user
# (root: as is), the remaining arguments being tolvane's.
run_as() {
  local user=$1
  shift
  if [ "$user" = root ]; then
    (cd "$dir/work" && TMPDIR="$dir/tmp" "$exe" "$@" </dev/null >"$dir/console" 2>&1)
  else
    (cd "$dir/work" && TMPDIR="$dir/tmp" setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups \
       "$exe" "$@" </dev/null >"$dir/console" 2>&1)
  fi
  status=$?
}

# Runs the program with the folder $1 mounted read-only, the remaining
# arguments being tolvane's.
run_read_only() {
  local folder=$1
  shift
  (cd "$dir/work" && TMPDIR="$dir/tmp" unshare -m sh -c \
     'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && shift && exec "$@"' \
     sh "$folder" "$exe" "$@" </dev/null >"$dir/console" 2>&1)
  status=$?
}

# --- Permission bits: as the user nobody ---------------------------------
unprivileged=nobody
if [ "$(id -u)" -ne 0 ]; then
  unprivileged=root  # already unprivileged: permission bits apply as they are
elif ! command -v setpriv >/dev/null || ! id nobody >/dev/null 2>&1 ||
     ! setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups test -x "$exe"; then
  unprivileged=""
fi

if [ -n "$unprivileged" ]; then
  new_case input-no-permission
  chmod 000 "$dir/work/river.geo"
  run_as "$unprivileged" INPUT=river.geo OUTPUT=river.cs
  check "input without read permission" \
    "$(open_failure 'ERROR OPENING INPUT FILE, IOSTAT=' 13 river.geo 'PROGRAM ABORTED')"

  new_case output-directory-no-permission
  mkdir "$dir/work/decks"
  chmod 555 "$dir/work/decks"
  (cd "$dir/work" && find . -mindepth 1 | sort) > "$dir/before"
  run_as "$unprivileged" INPUT=river.geo OUTPUT=decks/river.cs
  check "deck in a directory without write permission" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 13 decks/river.cs 'PROGRAM ABORTED ')"

  new_case tmpdir-no-permission
  chmod 777 "$dir/work"
  chmod 555 "$dir/tmp"
  run_as "$unprivileged" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, TMPDIR without write permission" \
    "$(iostat_line 'ERROR CREATING TEMPORARY DIRECTORY, IOSTAT=' 13; echo 'Stop - Program terminated.')" \
    river.cs
else
  echo "skipped: permission bits (needs setpriv and a program that the user nobody can run)"
  skipped=$((skipped + 3))
fi

# --- Read-only file system: a read-only bind mount ---------------------------
if [ "$(id -u)" -eq 0 ] && command -v unshare >/dev/null &&
   unshare -m sh -c "mount --bind '$scratch' '$scratch' && mount -o remount,ro,bind '$scratch'" 2>/dev/null; then
  new_case output-read-only
  mkdir "$dir/work/decks"
  (cd "$dir/work" && find . -mindepth 1 | sort) > "$dir/before"
  run_read_only "$dir/work/decks" INPUT=river.geo OUTPUT=decks/river.cs
  check "deck in a read-only file system" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 30 decks/river.cs 'PROGRAM ABORTED ')"

  new_case tmpdir-read-only
  run_read_only "$dir/tmp" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, TMPDIR in a read-only file system" \
    "$(iostat_line 'ERROR CREATING TEMPORARY DIRECTORY, IOSTAT=' 30; echo 'Stop - Program terminated.')" \
    river.cs
else
  echo "skipped: read-only file system (needs root and unshare with mount namespaces)"
  skipped=$((skipped + 2))
fi

# --- A file that opens but cannot be read ------------------------------------
if [ "$(id -u)" -eq 0 ] && [ -e /proc/self/clear_refs ]; then
  new_case input-read-error
  run_as root INPUT=/proc/self/clear_refs OUTPUT=river.cs
  check "input that opens but cannot be read" \
    "$(iostat_line 'ERROR READING INPUT FILE, IOSTAT=' 22; echo 'Stop - Program terminated.')" \
    river.cs
  [ -f "$dir/work/river.cs" ] && [ ! -s "$dir/work/river.cs" ] ||
    fail "input that opens but cannot be read: the deck should be empty"

  new_case input-read-error-sorted
  run_as root INPUT=/proc/self/clear_refs OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, input that opens but cannot be read" \
    "$(iostat_line 'ERROR READING INPUT FILE, IOSTAT=' 22; echo 'Stop - Program terminated.')" \
    river.cs
else
  echo "skipped: unreadable input (needs root and /proc/self/clear_refs)"
  skipped=$((skipped + 2))
fi

echo "fault tests: $ran run, $skipped skipped"
if [ $failed -ne 0 ]; then exit 1; fi
[ $ran -gt 0 ] || exit 77
exit 0

#!/usr/bin/env bash
# Faults of the surroundings that a case folder cannot set up, because they
# depend on who runs the tests (root is not stopped by permission bits) and
# need mounts:
#
#   fault_test.sh TOLVANE
#
#   - a geometry file without read permission, and a deck in a directory
#     without write permission: as root, run as the unprivileged user nobody
#     (setpriv); as any other user, run as that user;
#   - a deck, and a sorted run's temporary directory, in a read-only file
#     system: a read-only bind mount in a private mount namespace (unshare; a
#     user other than root makes it inside a user namespace of its own);
#   - a geometry file that opens but cannot be read (/proc/self/clear_refs,
#     which root, also the root of a user namespace, may open but nobody may
#     read).
#   - a deck that cannot be written whole: a deck folder, or TMPDIR, on a
#     file system too small for it (a small tmpfs in a private mount namespace);
#   - replacing a deck: its permission bits and a symbolic link to it are kept,
#     and a deck that is not a regular file is written directly.
# Each failed run must end with the exact console text, standard-error line
# and status 1, leave an earlier deck byte for byte as it was, create nothing
# in the working directory, and leave TMPDIR empty.
# Parts that the machine cannot run (no setpriv, no mount namespaces: a user
# other than root in a chroot, or where user namespaces are switched off) are
# reported as skipped, with the reason.
set -u
if [ "${TOLVANE_TARGET:-}" = windows ]; then
  echo "skipped on Windows: permission bits, read-only mounts and /proc are faults of POSIX systems"
  exit 77
fi
exe=$(realpath "$1")
scratch=$(mktemp -d)
trap 'cleanup' EXIT
cleanup() { chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf "$scratch"; }
chmod 755 "$scratch"
# The runs use a copy of the program in the scratch folder, which every user
# may enter: the user nobody cannot reach one built in a folder of root's own
# (a clone in /root).
cp "$exe" "$scratch/tolvane"
exe=$scratch/tolvane
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
  note_contents
}

# Runs a command with every file of the working directory readable by its
# owner for the time: a case's file of mode 000 can be copied and compared by
# a user other than root, and gets its mode back afterwards.
with_files_readable() {
  local hidden=() rc
  mapfile -t hidden < <(find "$dir/work" -type f ! -readable)
  [ ${#hidden[@]} -eq 0 ] || chmod u+r "${hidden[@]}"
  "$@"
  rc=$?
  [ ${#hidden[@]} -eq 0 ] || chmod u-r "${hidden[@]}"
  return $rc
}

# Records what the working directory holds, and every file's bytes, before a run.
note_contents() {
  (cd "$dir/work" && find . -mindepth 1 | sort) > "$dir/before"
  rm -rf "$dir/saved"
  with_files_readable cp -a "$dir/work" "$dir/saved"
}

# An earlier deck: river.cs in FOLDER (default: the working directory).
earlier_deck() {
  local folder=${1:-$dir/work}
  mkdir -p "$folder"
  printf 'T1 an earlier deck\nEJ\n' > "$folder/river.cs"
  note_contents
}

# check LABEL EXPECTED_CONSOLE EXPECTED_STDERR
check() {
  local label=$1 expected=$2 expected_error=$3
  ran=$((ran + 1))
  [ "$status" -eq 1 ] || fail "$label: exit status $status, expected 1"
  if [ "$(cat "$dir/console")" != "$expected" ]; then
    fail "$label: console text differs"
    diff -u <(printf '%s\n' "$expected") "$dir/console" | cat -A | head -20
  fi
  if [ "$(cat "$dir/stderr")" != "tolvane: $expected_error" ]; then
    fail "$label: standard error differs"
    diff -u <(printf 'tolvane: %s\n' "$expected_error") "$dir/stderr" | cat -A | head -20
  fi
  local after left
  after=$(cd "$dir/work" && find . -mindepth 1 | sort)
  [ "$after" = "$(cat "$dir/before")" ] ||
    fail "$label: the working directory changed: $(diff <(echo "$after") "$dir/before" | grep '^[<>]' | head -5)"
  with_files_readable diff -r "$dir/saved" "$dir/work" >/dev/null 2>&1 ||
    fail "$label: a file in the working directory changed"
  left=$(find "$dir/tmp" -mindepth 1 2>/dev/null | head -5)
  [ -z "$left" ] || fail "$label: files left in TMPDIR: $left"
}

# Runs the program in the case's working directory as the given user (root:
# as the user running the tests; namespace-root: as root, or as the root of a
# user namespace for another user), the remaining arguments being tolvane's.
run_as() {
  local user=$1
  shift
  if [ "$user" = root ]; then
    (cd "$dir/work" && TMPDIR="$dir/tmp" "$exe" "$@" </dev/null >"$dir/console" 2>"$dir/stderr")
  elif [ "$user" = namespace-root ]; then
    (cd "$dir/work" && TMPDIR="$dir/tmp" "${as_root[@]}" "$exe" "$@" </dev/null >"$dir/console" 2>"$dir/stderr")
  else
    (cd "$dir/work" && TMPDIR="$dir/tmp" setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups \
       "$exe" "$@" </dev/null >"$dir/console" 2>"$dir/stderr")
  fi
  status=$?
}

# Runs the program with the folder $1 mounted read-only, the remaining
# arguments being tolvane's.
run_read_only() {
  local folder=$1
  shift
  (cd "$dir/work" && TMPDIR="$dir/tmp" "${namespace[@]}" sh -c \
     'mount --bind "$1" "$1" && mount -o remount,ro,bind "$1" && shift && exec "$@"' \
     sh "$folder" "$exe" "$@" </dev/null >"$dir/console" 2>"$dir/stderr")
  status=$?
}

# Runs the program with a small tmpfs (SIZE) mounted on FOLDER, holding a copy
# of what FOLDER holds, the remaining arguments being tolvane's. Afterwards
# $dir/template holds what FOLDER held before and $dir/seen what the tmpfs held
# after the run.
run_small_file_system() {
  local size=$1 folder=$2
  shift 2
  rm -rf "$dir/seen" "$dir/template"
  mkdir -p "$dir/seen"
  cp -a "$folder" "$dir/template"
  (cd "$dir/work" && TMPDIR="$dir/tmp" "${namespace[@]}" sh -c '
     size=$1 folder=$2 template=$3 seen=$4
     shift 4
     mount -t tmpfs -o size="$size" tmpfs "$folder" && cp -a "$template/." "$folder/" || exit 99
     "$@"
     status=$?
     cp -a "$folder/." "$seen/"
     exit $status' sh "$size" "$folder" "$dir/template" "$dir/seen" "$exe" "$@" \
     </dev/null >"$dir/console" 2>"$dir/stderr")
  status=$?
}

# A geometry file of one reach with N sections (a deck of about 400 bytes each).
long_geometry() {
  awk -v n="$1" 'BEGIN {
    print "River Reach=Fault Creek     ,Reach 1         "
    print "Reverse River Text= 0 "
    for (i = n; i > 0; i--) {
      printf "Type RM Length L Ch R = 1 ,%-8d,100,100,100\n", i
      print "#Sta/Elev= 3 "
      print "       0     100      50      90     100     100"
      print "#Mann= 3 , 0 , 0 "
      print "       0     .06       0      20    .035       0      80     .06       0"
      print "Bank Sta=20,80"
      print "Exp/Cntr=0.3,0.1"
    }
  }'
}

stop_line='Stop - Program terminated.'
tmpdir_failure() { iostat_line 'ERROR CREATING TEMPORARY DIRECTORY, IOSTAT=' "$1"; echo "$stop_line"; }
tmpdir_error() { echo "cannot create a temporary directory in '$dir/tmp' (set TMPDIR to a writable folder): $1"; }

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
  earlier_deck
  run_as "$unprivileged" INPUT=river.geo OUTPUT=river.cs
  check "input without read permission" \
    "$(open_failure 'ERROR OPENING INPUT FILE, IOSTAT=' 13 river.geo 'PROGRAM ABORTED')" \
    "cannot open input file 'river.geo': Permission denied"

  new_case output-directory-no-permission
  mkdir "$dir/work/decks"
  chmod 555 "$dir/work/decks"
  note_contents
  run_as "$unprivileged" INPUT=river.geo OUTPUT=decks/river.cs
  check "deck in a directory without write permission" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 13 decks/river.cs 'PROGRAM ABORTED ')" \
    "cannot open output file 'decks/river.cs': Permission denied"

  new_case earlier-deck-directory-no-permission
  earlier_deck "$dir/work/decks"
  chmod 666 "$dir/work/decks/river.cs"
  chmod 555 "$dir/work/decks"
  note_contents
  run_as "$unprivileged" INPUT=river.geo OUTPUT=decks/river.cs
  check "earlier deck that may be written, in a directory without write permission" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 13 decks/river.cs 'PROGRAM ABORTED ')" \
    "cannot replace output file 'decks/river.cs': cannot create a temporary file in its folder: Permission denied"

  new_case earlier-deck-read-only
  chmod 777 "$dir/work"
  earlier_deck
  chmod 444 "$dir/work/river.cs"
  note_contents
  run_as "$unprivileged" INPUT=river.geo OUTPUT=river.cs
  check "earlier deck without write permission, never replaced" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 13 river.cs 'PROGRAM ABORTED ')" \
    "cannot open output file 'river.cs': Permission denied"

  new_case tmpdir-no-permission
  chmod 777 "$dir/work"
  chmod 555 "$dir/tmp"
  earlier_deck
  chmod 666 "$dir/work/river.cs"
  note_contents
  run_as "$unprivileged" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, TMPDIR without write permission" "$(tmpdir_failure 13)" \
    "$(tmpdir_error 'Permission denied')"
else
  echo "skipped: permission bits (needs setpriv and a program that the user nobody can run)"
  skipped=$((skipped + 5))
fi

# --- Read-only and full file systems: private mount namespaces ---------------
# Root makes a private mount namespace as it is; another user makes it inside
# a user namespace of its own, in which it is root (unshare -r).
namespace=(unshare -m)
[ "$(id -u)" -eq 0 ] || namespace=(unshare -r -m)
if command -v unshare >/dev/null &&
   "${namespace[@]}" sh -c "mount --bind '$scratch' '$scratch' && mount -o remount,ro,bind '$scratch'" 2>/dev/null; then
  new_case output-read-only
  mkdir "$dir/work/decks"
  note_contents
  run_read_only "$dir/work/decks" INPUT=river.geo OUTPUT=decks/river.cs
  check "deck in a read-only file system" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 30 decks/river.cs 'PROGRAM ABORTED ')" \
    "cannot open output file 'decks/river.cs': Read-only file system"

  new_case earlier-deck-read-only-file-system
  earlier_deck "$dir/work/decks"
  run_read_only "$dir/work/decks" INPUT=river.geo OUTPUT=decks/river.cs
  check "earlier deck in a read-only file system" \
    "$(open_failure 'ERROR OPENING OUTPUT FILE, IOSTAT=' 30 decks/river.cs 'PROGRAM ABORTED ')" \
    "cannot open output file 'decks/river.cs': Read-only file system"

  new_case tmpdir-read-only
  earlier_deck
  run_read_only "$dir/tmp" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, TMPDIR in a read-only file system" "$(tmpdir_failure 30)" \
    "$(tmpdir_error 'Read-only file system')"

  new_case deck-file-system-full
  long_geometry 400 > "$dir/work/river.geo"
  earlier_deck "$dir/work/decks"
  run_small_file_system 16k "$dir/work/decks" INPUT=river.geo OUTPUT=decks/river.cs
  check "deck on a file system too small for it" \
    "$(echo "$prepass_line"; echo ' ERROR WRITING OUTPUT FILE'; echo "$stop_line")" \
    "cannot write output file 'decks/river.cs': No space left on device"
  diff -r "$dir/template" "$dir/seen" >/dev/null ||
    fail "deck on a file system too small for it: the deck's folder changed"

  new_case tmpdir-file-system-full
  long_geometry 400 > "$dir/work/river.geo"
  earlier_deck
  run_small_file_system 16k "$dir/tmp" INPUT=river.geo OUTPUT=river.cs SORTREACHES=YES
  sed -i 's|/tolvane-[A-Za-z0-9]\{6\}/|/tolvane-XXXXXX/|' "$dir/stderr"
  check "sorted run, TMPDIR on a file system too small for the reach files" \
    "$(iostat_line 'ERROR WRITING TEMPORARY REACH FILE, IOSTAT=' 28; echo "$stop_line")" \
    "cannot write temporary reach file '$dir/tmp/tolvane-XXXXXX/1': No space left on device"
  [ -z "$(ls -A "$dir/seen")" ] || fail "sorted run, TMPDIR too small: left in TMPDIR: $(ls -A "$dir/seen")"
else
  echo "skipped: read-only and full file systems: no private mount namespace (needs unshare, and" \
       "for a user other than root user namespaces, which a chroot or the system's settings refuse)"
  skipped=$((skipped + 5))
fi

# --- A file that opens but cannot be read ------------------------------------
# Root as it is; another user as the root of a user namespace of its own.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(unshare -r)
if [ -e /proc/self/clear_refs ] && "${as_root[@]}" true 2>/dev/null; then
  new_case input-read-error
  earlier_deck
  run_as namespace-root INPUT=/proc/self/clear_refs OUTPUT=river.cs
  check "input that opens but cannot be read" \
    "$(iostat_line 'ERROR READING INPUT FILE, IOSTAT=' 22; echo "$stop_line")" \
    "cannot read input file '/proc/self/clear_refs': Invalid argument"

  new_case input-read-error-sorted
  run_as namespace-root INPUT=/proc/self/clear_refs OUTPUT=river.cs SORTREACHES=YES
  check "sorted run, input that opens but cannot be read" \
    "$(iostat_line 'ERROR READING INPUT FILE, IOSTAT=' 22; echo "$stop_line")" \
    "cannot read input file '/proc/self/clear_refs': Invalid argument"
else
  echo "skipped: unreadable input: needs /proc/self/clear_refs, and root or, for another user," \
       "user namespaces, which a chroot or the system's settings refuse"
  skipped=$((skipped + 2))
fi

# --- Replacing a deck ----------------------------------------------------------
# check_replaced LABEL DECK: the run ended normally, DECK holds the deck a run
# without an earlier deck writes, and the working directory holds nothing new.
check_replaced() {
  local label=$1 deck=$2
  ran=$((ran + 1))
  [ "$status" -eq 0 ] || fail "$label: exit status $status, expected 0"
  [ -s "$dir/stderr" ] && fail "$label: standard error: $(cat "$dir/stderr")"
  cmp -s "$deck" "$fresh" || fail "$label: the deck is not the new one"
  local extra
  extra=$(cd "$dir/work" && find . -mindepth 1 | sort | comm -13 "$dir/before" -)
  [ -z "$extra" ] || fail "$label: unexpected files in the working directory: $extra"
}

new_case fresh-deck
run_as root INPUT=river.geo OUTPUT=river.cs
fresh=$scratch/fresh.cs
cp "$dir/work/river.cs" "$fresh"

new_case earlier-deck-replaced
earlier_deck
chmod 640 "$dir/work/river.cs"
run_as root INPUT=river.geo OUTPUT=river.cs
check_replaced "earlier deck replaced" "$dir/work/river.cs"
[ "$(stat -c %a "$dir/work/river.cs")" = 640 ] ||
  fail "earlier deck replaced: permission bits $(stat -c %a "$dir/work/river.cs"), expected 640"

new_case symbolic-link-to-deck
earlier_deck "$dir/work/decks"
ln -s decks/river.cs "$dir/work/river.cs"
ln -s missing.cs "$dir/work/dangling.cs"
note_contents
run_as root INPUT=river.geo OUTPUT=river.cs
check_replaced "symbolic link to a deck" "$dir/work/decks/river.cs"
[ -L "$dir/work/river.cs" ] || fail "symbolic link to a deck: the link was replaced by a file"
run_as root INPUT=river.geo OUTPUT=dangling.cs
[ -L "$dir/work/dangling.cs" ] && cmp -s "$dir/work/missing.cs" "$fresh" ||
  fail "symbolic link to no file: the deck is not where the link points"

# Standard output a file, and a pipe (whose /dev/stdout link leads to no path).
new_case deck-to-standard-output
run_as root INPUT=river.geo OUTPUT=/dev/stdout
ran=$((ran + 1))
[ "$status" -eq 0 ] && grep -qx EJ "$dir/console" || fail "OUTPUT=/dev/stdout: no deck on standard output"
(cd "$dir/work" && "$exe" INPUT=river.geo OUTPUT=/dev/stdout </dev/null 2>"$dir/stderr" | cat >"$dir/piped")
ran=$((ran + 1))
grep -qx EJ "$dir/piped" && [ ! -s "$dir/stderr" ] ||
  fail "OUTPUT=/dev/stdout into a pipe: no deck on standard output: $(cat "$dir/stderr")"

# Standard output and standard error on one stream: the explanation comes last.
new_case one-stream
(cd "$dir/work" && "$exe" INPUT=missing.geo </dev/null >"$dir/both" 2>&1)
ran=$((ran + 1))
[ "$(cat "$dir/both")" = "$(open_failure 'ERROR OPENING INPUT FILE, IOSTAT=' 2 missing.geo 'PROGRAM ABORTED'
  echo "tolvane: cannot open input file 'missing.geo': No such file or directory")" ] ||
  fail "one stream: standard output and standard error out of order: $(cat "$dir/both")"

echo "fault tests: $ran run, $skipped skipped"
if [ $failed -ne 0 ]; then exit 1; fi
[ $ran -gt 0 ] || exit 77
exit 0

#!/usr/bin/env bash
# Runs one end-to-end case: the built program on the case's input files, in a
# fresh working directory, then compares the console text, the exit status and
# every file the run leaves behind, byte for byte.
#
# A case folder holds:
#   args              the command-line arguments, one per line
#   env               optional: NAME=VALUE lines added to the environment
#   setup.sh          optional: run in the working directory before the program
#   input/            files copied into the working directory
#   expected/console  the console text (standard output)
#   expected/stderr   optional: the text on standard error (not compared when
#                     the case has none)
#   expected/status   the exit status
#   expected/windows/ optional: console, stderr or status where the Windows program
#                     differs (the error numbers Windows gives)
#   posix-only        optional: the reason the case cannot run on Windows
#   windows-only      optional: the reason the case runs on Windows only
#   expected/files/   every file the run must create in the working directory
# In args and env, @WORK@ stands for the working directory and @TMP@ for the
# temporary directory given to the run as TMPDIR, which must be empty after it.
#
# With TOLVANE_TARGET=windows the program is the Windows one (under Wine): the
# temporary directory is given as TEMP and TMP instead, an env line setting
# TMPDIR sets those, and a case marked posix-only is skipped (status 77); a case marked
# windows-only is skipped everywhere else.
set -u
exe=$1
case_dir=$(cd "$2" && pwd)
name=$(basename "$case_dir")
windows=false
[ "${TOLVANE_TARGET:-}" = windows ] && windows=true
if $windows && [ -f "$case_dir/posix-only" ]; then
  echo "$name: skipped on Windows: $(cat "$case_dir/posix-only")"
  exit 77
fi
if ! $windows && [ -f "$case_dir/windows-only" ]; then
  echo "$name: skipped: $(cat "$case_dir/windows-only")"
  exit 77
fi

scratch=$(mktemp -d)
work=$scratch/work
tmp=$scratch/tmp
mkdir -p "$work" "$tmp"
trap 'chmod -R u+w "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT

[ -d "$case_dir/input" ] && cp -R "$case_dir/input/." "$work/"

substitute() { local s=${1//@WORK@/$work}; printf '%s' "${s//@TMP@/$tmp}"; }

args=()
if [ -f "$case_dir/args" ]; then
  while IFS= read -r line || [ -n "$line" ]; do args+=("$(substitute "$line")"); done < "$case_dir/args"
fi
# The temporary folder of the program's system: TMPDIR, or TEMP and TMP.
temporary_folder() {
  if $windows; then printf 'TEMP=%s\nTMP=%s\n' "$1" "$1"; else printf 'TMPDIR=%s\n' "$1"; fi
}
envs=()
while IFS= read -r line; do envs+=("$line"); done < <(temporary_folder "$tmp")
if [ -f "$case_dir/env" ]; then
  while IFS= read -r line || [ -n "$line" ]; do
    [ -n "$line" ] || continue
    line=$(substitute "$line")
    if [[ $line == TMPDIR=* ]]; then
      while IFS= read -r t; do envs+=("$t"); done < <(temporary_folder "${line#TMPDIR=}")
    else
      envs+=("$line")
    fi
  done < "$case_dir/env"
fi
if [ -f "$case_dir/setup.sh" ]; then
  (cd "$work" && WORK="$work" TMP="$tmp" bash "$case_dir/setup.sh") || { echo "$name: setup.sh failed"; exit 1; }
fi
# What setup.sh made (a generated input, a directory) is part of the case.
(cd "$work" && find . -mindepth 1 | sort) > "$scratch/before"

(cd "$work" && env "${envs[@]}" "$exe" "${args[@]}" < /dev/null > "$scratch/console" 2> "$scratch/stderr")
status=$?

failed=0
fail() { echo "$name: $*"; failed=1; }
show_diff() { diff -u --label expected --label actual "$1" "$2" | cat -A | head -60; }

# The expectation of this system: the Windows one where the case has it.
expected() {
  if $windows && [ -f "$case_dir/expected/windows/$1" ]; then echo "$case_dir/expected/windows/$1"
  else echo "$case_dir/expected/$1"; fi
}
expected_status=$(tr -d ' \n' < "$(expected status)")
[ "$status" = "$expected_status" ] || fail "exit status $status, expected $expected_status"

if ! cmp -s "$(expected console)" "$scratch/console"; then
  fail "console text differs"
  show_diff "$(expected console)" "$scratch/console"
fi

# Paths of the working and temporary directories read as @WORK@ and @TMP@.
unsubstitute() { local s; s=$(cat "$1"; printf x); s=${s%x}; s=${s//$work/@WORK@}; printf '%s' "${s//$tmp/@TMP@}"; }
if [ -f "$(expected stderr)" ]; then
  unsubstitute "$scratch/stderr" > "$scratch/stderr.cmp"
  if ! cmp -s "$(expected stderr)" "$scratch/stderr.cmp"; then
    fail "standard error differs"
    show_diff "$(expected stderr)" "$scratch/stderr.cmp"
  fi
fi

expected_files=()
if [ -d "$case_dir/expected/files" ]; then
  while IFS= read -r f; do expected_files+=("${f#./}"); done < <(cd "$case_dir/expected/files" && find . -type f | sort)
fi
for f in "${expected_files[@]}"; do
  if [ ! -f "$work/$f" ]; then
    fail "missing output file $f"
  elif ! cmp -s "$case_dir/expected/files/$f" "$work/$f"; then
    fail "output file $f differs"
    show_diff "$case_dir/expected/files/$f" "$work/$f"
  fi
done

if [ -d "$case_dir/input" ]; then
  while IFS= read -r f; do
    f=${f#./}
    [ -f "$case_dir/expected/files/$f" ] && continue
    if [ ! -f "$work/$f" ]; then fail "input file $f was removed"
    elif ! cmp -s "$case_dir/input/$f" "$work/$f"; then fail "input file $f was changed"; fi
  done < <(cd "$case_dir/input" && find . -type f | sort)
fi

chmod -R u+w "$work" 2>/dev/null
(cd "$work" && find . -mindepth 1 | sort) > "$scratch/after"
for f in "${expected_files[@]}"; do echo "./$f"; done | sort -u | cat "$scratch/before" - | sort -u > "$scratch/allowed"
extra=$(comm -23 "$scratch/after" "$scratch/allowed")
[ -z "$extra" ] || fail "unexpected files left in the working directory: $extra"
left=$(cd "$tmp" && find . -mindepth 1 | head -5)
[ -z "$left" ] || fail "files left in the temporary directory: $left"

[ $failed -eq 0 ] && echo "$name: ok"
exit $failed

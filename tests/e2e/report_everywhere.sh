#!/usr/bin/env bash
# Runs every end-to-end case once more with REPORT added to its command line
# and checks that nothing changes but the one console line that names the
# report: same exit status, same console text otherwise, same files. A run
# that ends normally writes the report, well-formed XML; a run that stops
# writes none, as it writes no deck. Standard error must be as the case
# expects it.
#
#   report_everywhere.sh PROGRAM CASES_DIR
set -u
source "$(dirname "$0")/../needs.sh"
needs python3 python3
exe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
cases=$(cd "$2" && pwd)
report=zz-report.html
failed=0
checked=0

for case_dir in "$cases"/*/; do
  case_dir=${case_dir%/}
  name=$(basename "$case_dir")
  case $name in
    # The report's own cases; a command line already at the library's limit
    # (the added argument is ignored, with a message); an empty command line
    # (it is not empty with REPORT).
    report-* | cli-command-line-too-long | cli-no-arguments) continue ;;
  esac
  # Cases of another system than this program's.
  [ -f "$case_dir/windows-only" ] && continue

  scratch=$(mktemp -d)
  work=$scratch/work
  tmp=$scratch/tmp
  mkdir -p "$work" "$tmp"
  [ -d "$case_dir/input" ] && cp -R "$case_dir/input/." "$work/"
  substitute() { local s=${1//@WORK@/$work}; printf '%s' "${s//@TMP@/$tmp}"; }
  args=()
  if [ -f "$case_dir/args" ]; then
    while IFS= read -r line || [ -n "$line" ]; do args+=("$(substitute "$line")"); done < "$case_dir/args"
  fi
  args+=("REPORT=$report")
  envs=(TMPDIR="$tmp")
  if [ -f "$case_dir/env" ]; then
    while IFS= read -r line || [ -n "$line" ]; do [ -n "$line" ] && envs+=("$(substitute "$line")"); done < "$case_dir/env"
  fi
  if [ -f "$case_dir/setup.sh" ]; then
    (cd "$work" && WORK="$work" TMP="$tmp" bash "$case_dir/setup.sh") > /dev/null 2>&1
  fi
  (cd "$work" && env "${envs[@]}" "$exe" "${args[@]}" < /dev/null > "$scratch/console" 2> "$scratch/stderr")
  status=$?
  checked=$((checked + 1))

  problem=
  [ "$status" = "$(tr -d ' \n' < "$case_dir/expected/status")" ] || problem="exit status $status"
  grep -v '^ REPORT WRITTEN TO ' "$scratch/console" > "$scratch/console.rest"
  cmp -s "$scratch/console.rest" "$case_dir/expected/console" || problem="$problem; console text differs"
  if [ -f "$case_dir/expected/stderr" ]; then
    s=$(cat "$scratch/stderr"; printf x); s=${s%x}; s=${s//$work/@WORK@}; printf '%s' "${s//$tmp/@TMP@}" > "$scratch/stderr.cmp"
    cmp -s "$scratch/stderr.cmp" "$case_dir/expected/stderr" || problem="$problem; standard error differs"
  fi
  lines=$(grep -c '^ REPORT WRITTEN TO ' "$scratch/console")
  if [ -f "$work/$report" ]; then
    [ "$lines" = 1 ] || problem="$problem; $lines report lines on the console"
    [ "$status" = 0 ] || problem="$problem; a report after a stop"
    python3 -c 'import sys, xml.etree.ElementTree as E; E.parse(sys.argv[1])' "$work/$report" 2> "$scratch/xml" ||
      problem="$problem; report is not well-formed: $(tail -1 "$scratch/xml")"
    rm -f "$work/$report"
  else
    [ "$lines" = 0 ] || problem="$problem; a report line but no report"
    # The listing (tolvane ?) ends with status 0 before anything is opened.
    [ "$status" = 0 ] && grep -q 'encountered end of file in first pass' "$case_dir/expected/console" &&
      problem="$problem; no report written"
  fi
  if [ -d "$case_dir/expected/files" ]; then
    while IFS= read -r f; do
      cmp -s "$case_dir/expected/files/$f" "$work/$f" || problem="$problem; $f differs"
    done < <(cd "$case_dir/expected/files" && find . -type f | sort)
  fi
  if [ -n "$problem" ]; then
    echo "$name:${problem#;}"
    diff "$case_dir/expected/console" "$scratch/console.rest" | head -5
    failed=1
  fi
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch"
done
echo "$checked cases run with REPORT"
exit $failed

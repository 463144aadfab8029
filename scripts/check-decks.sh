#!/usr/bin/env bash
# Converts every geometry file (*.geo) of a folder in both modes and checks
# what the README says about the deck and the run on each deck:
#   - the run ends with status 0 and the stop line, and leaves nothing but the
#     deck in the working directory and nothing in TMPDIR;
#   - every line is a card of a known identifier in columns 1-2, a comment card
#     beginning with "*", or the one empty card just before the final EJ;
#   - cards are at most 80 columns, comment cards at most 134;
#   - field cards (UB DB NC NH X1 X3 BT GR) end on a field boundary: after
#     column 2, 8, 16, ... 80;
#   - lines end with LF alone, the last one too;
#   - trailing blanks appear only where an item holds them: T1 (the reach
#     name), X1, X3 and BT (blank fields) and comment cards.
# It prints per card kind the count, the longest card and the cards with
# trailing blanks over all decks.
#
# Usage: scripts/check-decks.sh FOLDER [PROGRAM]
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=${1:?usage: check-decks.sh FOLDER [PROGRAM]}
folder=$(cd "$folder" && pwd)
exe=${2:-$root/build/tolvane}
[ -x "$exe" ] || bash "$root/scripts/build.sh" tolvane

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
: > "$scratch/kinds"
failed=0
fail() { echo "FAIL $*"; failed=1; }

check_deck() {
  awk -v name="$1" '
    BEGIN { fieldCards = "UB DB NC NH X1 X3 BT GR"; cards = fieldCards " T1 T2 T3 EJ"
            blanksAllowed = "T1 X1 X3 BT *" }
    { lines[NR] = $0
      if (index($0, "\r")) { print "FAIL " name ": line " NR " holds a carriage return"; bad = 1 }
      if ($0 == "") { kind = "empty"; empties++ }
      else if (substr($0, 1, 1) == "*") kind = "*"
      else kind = substr($0, 1, 2)
      n = length($0)
      if (kind == "*") { if (n > 134) { print "FAIL " name ": comment card " NR " has " n " columns"; bad = 1 } }
      else if (kind != "empty") {
        if (index(" " cards " ", " " kind " ") == 0) { print "FAIL " name ": line " NR " is no card: " $0; bad = 1 }
        if (n > 80) { print "FAIL " name ": card " NR " has " n " columns"; bad = 1 }
        if (index(" " fieldCards " ", " " kind " ") && n != 2 && (n < 8 || (n - 8) % 8 != 0)) {
          print "FAIL " name ": card " NR " ends inside a field (" n " columns)"; bad = 1 }
      }
      if ($0 ~ / $/ && index(" " blanksAllowed " ", " " kind " ") == 0) {
        print "FAIL " name ": " kind " card " NR " ends in a blank"; bad = 1 }
      count[kind]++; if (n > longest[kind]) longest[kind] = n; if ($0 ~ / $/) trailing[kind]++
    }
    END {
      if (NR < 2 || lines[NR] != "EJ" || lines[NR - 1] != "") { print "FAIL " name ": does not end with an empty card and EJ"; bad = 1 }
      if (empties != 1 || count["EJ"] != 1) { print "FAIL " name ": " empties + 0 " empty cards and " count["EJ"] + 0 " EJ cards"; bad = 1 }
      for (k in count) printf "%s %d %d %d\n", k, count[k], longest[k], trailing[k] + 0 > "/dev/stderr"
      exit bad
    }' "$2"
}

for geo in "$folder"/*.geo; do
  base=$(basename "$geo" .geo)
  for mode in unsorted sorted; do
    run=$scratch/$base-$mode
    mkdir -p "$run/work" "$run/tmp"
    ln -s "$geo" "$run/work/in.geo"
    args=(INPUT=in.geo OUTPUT=deck.cs)
    [ "$mode" = sorted ] && args+=(SORTREACHES=YES)
    (cd "$run/work" && TMPDIR=$run/tmp "$exe" "${args[@]}" > "$run/console" 2>&1)
    status=$?
    what="$base ($mode)"
    [ "$status" -eq 0 ] || fail "$what: exit status $status"
    [ "$(tail -n 1 "$run/console")" = "Stop - Program terminated." ] || fail "$what: no stop line"
    [ "$(cd "$run/work" && ls -A | tr '\n' ' ')" = "deck.cs in.geo " ] || fail "$what: the working directory holds more than the deck"
    [ -z "$(ls -A "$run/tmp")" ] || fail "$what: files left in TMPDIR"
    [ -s "$run/work/deck.cs" ] && [ "$(tail -c 1 "$run/work/deck.cs" | od -An -c | tr -d ' ')" = '\n' ] ||
      fail "$what: the deck does not end with a line end"
    check_deck "$what" "$run/work/deck.cs" 2>> "$scratch/kinds" || failed=1
  done
done

echo "card  count  longest  with trailing blanks  (all decks)"
awk '{ c[$1] += $2; if ($3 > l[$1]) l[$1] = $3; t[$1] += $4 }
     END { for (k in c) printf "%-5s %7d %5d %7d\n", k, c[k], l[k], t[k] }' "$scratch/kinds" | sort
decks=$(ls "$folder"/*.geo | wc -l)
if [ "$failed" -eq 0 ]; then echo "all $((decks * 2)) decks of $decks files hold what the README says"
else echo "some decks do not hold what the README says"; fi
exit "$failed"

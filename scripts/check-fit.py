#!/usr/bin/env python3
"""Checks FIT=ROUND on real geometry files, from the files alone.

    python3 scripts/check-fit.py PROGRAM FOLDER

Converts every *.geo file of FOLDER with PROGRAM in both modes, once without
FIT and once with FIT=ROUND, and checks that the two decks agree everywhere
but in field 1 (columns 3-8) of GR and NH cards, and that every field 1 that
differs holds the rounding of a value the geometry file wrote: an elevation
that opens a GR card, or a station or n value of a varying n-value block (or
its section's last ground station). The rounding is worked out here, with
Python's decimals, from the rules: a plain decimal text (sign, digits, at
most one point) rounded half away from zero to the most decimals, 5 down to
0, whose text fits 6 characters (at 0 with its point, then without it), the
sign and the integer digits as written; the last end station of the n values
is never lowered. Prints, per file and mode, how many field-1 texts FIT=ROUND
changed; exits 1 when anything disagrees.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile
from decimal import Decimal, ROUND_HALF_UP

PLAIN = re.compile(r"^([+-]?)(\d*)(?:(\.)(\d*))?$")


def rounded(text):
    """The rounded text of a plain decimal, or None when no rounding fits."""
    m = PLAIN.match(text)
    if not m or not (m.group(2) or m.group(4)):
        return None
    sign, integer, point, fraction = m.group(1), m.group(2), m.group(3), m.group(4) or ""
    value = Decimal(integer + "." + fraction if fraction else (integer or "0"))
    attempts = [(d, True) for d in range(min(5, len(fraction)), -1, -1)]
    if point:
        attempts.append((0, False))
    else:
        attempts = [(d, d > 0) for d, _ in attempts]
    for decimals, with_point in attempts:
        q = value.quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
        digits = format(q, "f")
        whole, _, part = digits.partition(".")
        if not integer and whole == "0" and decimals > 0:
            whole = ""  # the text had no integer digits: none is added
        elif integer.startswith("0") and len(integer) > len(whole):
            whole = whole.rjust(len(integer), "0")  # leading zeros as written
        text = sign + whole + ("." if with_point else "") + part
        if len(text) <= 6:
            return text
    return None


def fields(line, count):
    line = line.rstrip("\r\n")
    return [line[8 * i:8 * i + 8].strip() for i in range(count)]


def count_after_equals(line):
    m = re.match(r"[ ]*([+-]?\d+)", line.split("=", 1)[1])
    return int(m.group(1)) if m else 0


def sources(path):
    """The texts that may open a GR card, and those that may open an NH card."""
    gr, nh = set(), set()
    lines = open(path, encoding="latin-1").read().split("\n")
    last_station = ""
    i = 0
    while i < len(lines):
        line = lines[i]
        if "#Sta/Elev=" in line:
            n = count_after_equals(line)
            values = []
            k = 0
            while len(values) < 2 * n and i + 1 + k < len(lines):
                values += fields(lines[i + 1 + k], 10)
                k += 1
            for p in range(0, n, 5):
                gr.add(values[2 * p + 1])
            if n > 0:
                last_station = values[2 * n - 2]
            i += k
        elif "#Mann=" in line:
            parts = line.split("=", 1)[1].split(",")
            mode = parts[1].strip() if len(parts) > 1 else "0"
            if mode not in ("0", ""):
                n = count_after_equals(line)
                values = []
                k = 0
                while len(values) < 3 * n and i + 1 + k < len(lines):
                    values += fields(lines[i + 1 + k], 9)
                    k += 1
                nh.update(values)
                nh.add(last_station)
                i += k
        i += 1
    return gr, nh


def by_cut(texts):
    """The texts of 6 or more characters that round, by their first 6."""
    index = {}
    for s in texts:
        expected = rounded(s) if len(s) >= 6 else None
        if expected is not None:
            index.setdefault(s[:6], []).append((s, expected))
    return index


def explained(cut, rounded_text, candidates, may_rise):
    # The last end station of the n values may show another text than its
    # cut even without FIT: then any source is a candidate.
    pool = candidates.get(cut, [])
    if may_rise:
        pool = [p for group in candidates.values() for p in group]
    for s, expected in pool:
        if expected == rounded_text:
            return True
        # The last end station: a fit that lowers it takes a number above it.
        if may_rise and Decimal(expected) < Decimal(s) <= Decimal(rounded_text):
            return True
    return False


def convert(program, geo, work, mode, fit):
    deck = os.path.join(work, "deck.cs")
    args = [program, "INPUT=" + os.path.basename(geo), "OUTPUT=deck.cs", "SORTREACHES=" + mode]
    if fit:
        args.append("FIT=" + fit)
    result = subprocess.run(args, cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    if result.returncode != 0:
        raise SystemExit("%s: %s exited with %d" % (geo, " ".join(args[1:]), result.returncode))
    with open(deck, encoding="latin-1") as f:
        return f.read().split("\n")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program = os.path.abspath(sys.argv[1])
    failures = 0
    print("%-32s %14s %14s" % ("file", "unsorted GR/NH", "sorted GR/NH"))
    for geo in sorted(glob.glob(os.path.join(sys.argv[2], "*.geo"))):
        gr_sources, nh_sources = (by_cut(texts) for texts in sources(geo))
        row = []
        for mode in ("NO", "YES"):
            with tempfile.TemporaryDirectory() as work:
                os.symlink(os.path.abspath(geo), os.path.join(work, os.path.basename(geo)))
                cut = convert(program, geo, work, mode, None)
                rnd = convert(program, geo, work, mode, "ROUND")
            changed = {"GR": 0, "NH": 0}
            if len(cut) != len(rnd):
                print("%s: %d lines without FIT, %d with FIT=ROUND" % (geo, len(cut), len(rnd)))
                failures += 1
                continue
            for a, b in zip(cut, rnd):
                if a == b:
                    continue
                card = a[:2]
                ok = card in changed and b[:2] == card and a[8:] == b[8:]
                if ok:
                    c, r = a[2:8].strip(), b[2:8].strip()
                    ok = explained(c, r, gr_sources if card == "GR" else nh_sources, card == "NH")
                if not ok:
                    print("%s (SORTREACHES=%s): %r became %r" % (geo, mode, a, b))
                    failures += 1
                    continue
                changed[card] += 1
            row.append("%d/%d" % (changed["GR"], changed["NH"]))
        print("%-32s %14s %14s" % (os.path.basename(geo), *row))
    if failures:
        print("%d disagreements" % failures)
        sys.exit(1)


if __name__ == "__main__":
    main()

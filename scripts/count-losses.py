#!/usr/bin/env python3
"""Counts what the card deck cuts or leaves out of BEK geometry files.

An independent check of the conversion report: it reads each geometry file
with the file's own line rules (lines cut at 132 columns, a carriage return
before the line feed dropped, node headers "Type RM Length" with the node
type in columns 24-25 and the station in columns 28-35, the section keys) and
counts, per kind of report finding, what the target format changes or drops.
It shares no code with the converter, so that the two can be compared.

    scripts/count-losses.py FILE...             a table per file and kind
    scripts/count-losses.py --json FILE...      the same as JSON
    scripts/count-losses.py --markdown FILE...  one row per file, one column per kind

Counts are of the input, section by section. Where the deck repeats a
section (the two faces of a bridge copy the sections on either side), the
deck-side counts are given in the detail ("in the deck").
"""

import argparse
import json
import struct
import sys
from decimal import Decimal, InvalidOperation

LINE_WIDTH = 132
GROUND_CAPACITY = 500
N_VALUE_CAPACITY = 20
LID_CAPACITY = 500

KINDS = [
    "gr-elevation-cut",
    "nh-field-cut",
    "section-number-cut",
    "section-number-shared",
    "deck-value-rewritten",
    "description-cut",
    "blocked-elevation-cut",
    "ineffective-not-carried",
    "permanent-ineffective",
    "blocked-not-carried",
    "ineffective-replaced",
    "levee",
    "coefficients",
    "culvert",
    "node-skipped",
    "pier-width-varies",
    "abutment",
    "bridge-description",
    "capacity",
    "no-section-end",
]


# ---------------------------------------------------------------- lines

class Line:
    """One input line: the 132-column text and the length the file gave it."""

    __slots__ = ("text", "length")

    def __init__(self, raw):
        self.length = len(raw)
        self.text = raw[:LINE_WIDTH].ljust(LINE_WIDTH)

    def has(self, key):
        return key in self.text

    def cols(self, first, last):
        return self.text[first - 1:last]


def read_lines(path):
    with open(path, "rb") as f:
        data = f.read()
    pieces = data.split(b"\n")
    if pieces and pieces[-1] == b"":
        pieces.pop()
    lines = []
    for piece in pieces:
        if piece.endswith(b"\r"):
            piece = piece[:-1]
        lines.append(Line(piece.decode("latin-1")))
    return lines


# ---------------------------------------------------------------- numbers as the file writes them

def small_integer_after(text, position):
    """The integer in the three characters after a separator at 0-based
    `position`: blanks ignored, a comma ends it, blank gives 0."""
    digits = ""
    for ch in text[position + 1:position + 4]:
        if ch == ",":
            break
        if ch != " ":
            digits += ch
    try:
        return int(digits) if digits else 0
    except ValueError:
        return 0


def last_digit(text):
    """0-based position of the last of "0123456789.", or -1."""
    for i in range(len(text) - 1, -1, -1):
        if text[i] in "0123456789.":
            return i
    return -1


def fields(line, count):
    return [line.text[8 * i:8 * i + 8] for i in range(count)]


def number(text):
    """The decimal value of a field, None when it holds none."""
    t = text.replace(" ", "")
    if t == "":
        return Decimal(0)
    try:
        value = Decimal(t)
    except InvalidOperation:
        return None
    return value if value.is_finite() else None


def float32(value):
    """The value as a 32-bit float holds it; None beyond its range."""
    try:
        return struct.unpack("f", struct.pack("f", float(value)))[0]
    except OverflowError:
        return None


def fitted_field1(text):
    """What a 6-column first field shows of a value: the value moved to the
    left, cut to 6 characters when longer."""
    t = text.lstrip(" ")
    n = len(t.rstrip(" "))
    return t[:6] if n >= 6 else t.rstrip(" ")


def section_number(station):
    """The X1 section number: the first "*" blanked, then the first 6
    characters of what remains."""
    t = station.replace("*", " ", 1).lstrip(" ")
    return t[:6].rstrip(" ")


def decimals_called_for(template):
    t = template.rstrip(" ").rjust(8)
    if "." in t:
        return 8 - (t.index(".") + 1)
    stripped = t.strip(" ")
    if len(stripped) <= 5:
        return 2
    return 1 if len(stripped) == 6 else 0


def decimals_allowed(value):
    for limit, d in ((10, 6), (100, 5), (1000, 4), (10000, 3), (100000, 2), (1000000, 1)):
        if value < limit:
            return d
    return 0


def rewritten(value, template):
    """A computed deck value written back into 8 columns, with the decimals
    the column's template text calls for and the magnitude allows."""
    d = min(decimals_called_for(template), decimals_allowed(value))
    text = "%.*f" % (d, value)
    return "*" * 8 if len(text) > 8 else text


# ---------------------------------------------------------------- the counts of one file

class Counts:
    def __init__(self):
        self.count = {kind: 0 for kind in KINDS}
        self.detail = {kind: {} for kind in KINDS}

    def add(self, kind, n=1):
        self.count[kind] += n

    def note(self, kind, key, n=1):
        self.detail[kind][key] = self.detail[kind].get(key, 0) + n

    def largest(self, kind, key, value):
        if value > self.detail[kind].get(key, Decimal(0)):
            self.detail[kind][key] = value


class Section:
    """What one cross-section node holds that the counts need."""

    def __init__(self, station, reach):
        self.station = station
        self.reach = reach
        self.gr_cut_cards = 0
        self.gr_largest = Decimal(0)
        self.ended = False


def node_type(line):
    t = line.cols(24, 25).replace(" ", "")
    try:
        return int(t)
    except ValueError:
        return None


def station_of(line):
    return line.cols(28, 35).replace(" ", "")


def count_ground(lines, i, section, counts):
    """The "#Sta/Elev=" block at line i: cut opening elevations of the GR
    cards, and points beyond the capacity. Returns the next line index."""
    text = lines[i].text
    e = text.find("=")
    p = last_digit(text)
    npts = 0
    if e >= 0 and p > e:
        try:
            npts = int(text[e + 1:p + 1].replace(" ", "") or "0")
        except ValueError:
            npts = 0
    if npts > GROUND_CAPACITY:
        counts.add("capacity")
        counts.note("capacity", "ground points")
    nlines = (npts + 4) // 5 if npts > 0 else 0
    written = min(npts, GROUND_CAPACITY)
    for k in range(nlines):
        if i + 1 + k >= len(lines):
            break
        first_point = 5 * k
        if first_point >= written:
            break
        elevation = fields(lines[i + 1 + k], 10)[1]
        if len(elevation.strip(" ")) > 6:
            section.gr_cut_cards += 1
            before, after = number(elevation), number(fitted_field1(elevation))
            if before is not None and after is not None:
                section.gr_largest = max(section.gr_largest, abs(before - after))
    return i + 1 + nlines


def count_n_values(lines, i, last_station, counts):
    """The "#Mann=" block at line i: NH continuation cards whose first field
    is cut, and n values beyond the capacity. Returns the next line index."""
    text = lines[i].text
    e = text.find("=")
    c1 = text.find(",")
    cl = text.rfind(",")
    p = last_digit(text)
    count = small_integer_after(text, e) if e >= 0 else 0
    mode = small_integer_after(text, c1) if c1 >= 0 else 0
    kh = 0
    if cl > c1 and p > cl:
        try:
            kh = int(Decimal(text[cl + 1:p + 1].strip(" ").split(" ")[0]))
        except (InvalidOperation, ValueError, IndexError):
            kh = 0
    if mode == 0:
        return i + (2 if count >= 1 else 1)
    nlines = (count + 2) // 3 if count > 0 else 0
    starts = []
    for k in range(nlines):
        if i + 1 + k >= len(lines):
            break
        f = fields(lines[i + 1 + k], 9)
        starts += [f[0], f[3], f[6]]
    if count > N_VALUE_CAPACITY:
        counts.add("capacity")
        counts.note("capacity", "n values")
    kept = min(count, N_VALUE_CAPACITY)
    if kh != 1 and kept >= 5:
        # The NH cards carry n1, end1, n2, end2, ...; every tenth item opens a
        # continuation card in the 6-column first field: the end stations of
        # values 5, 10, 15 and 20. Value i ends where value i+1 starts; the
        # last one at the section's last ground station.
        for v in range(5, kept + 1, 5):
            end = starts[v] if v < kept and v < len(starts) else last_station
            if len(end.strip(" ")) > 6:
                counts.add("nh-field-cut")
    return i + 1 + nlines


def count_area_pair(lines, i, kind, counts):
    """An ineffective-area or blocked-obstruction key line: whether the deck
    carries it (exactly 2 areas, 0 after the comma). Returns (present, next)."""
    text = lines[i].text
    e = text.find("=")
    c = text.find(",")
    count = small_integer_after(text, e) if e >= 0 else 0
    v = small_integer_after(text, c) if c >= 0 else 0
    if count == 2 and v == 0:
        return True, i + 2
    if count > 0:
        counts.add(kind)
        counts.note(kind, "%d ,%d" % (count, v))
    return False, i + 1


def count_permanent(lines, i, areas, counts):
    """The flags after "Permanent Ineff=": one T or F per area, 8 columns each."""
    flags = 0
    k = i + 1
    seen = 0
    while seen < max(areas, 1) and k < len(lines):
        row = lines[k].text.rstrip(" ")
        tokens = [row[j:j + 8].strip(" ") for j in range(0, len(row), 8)]
        if not tokens or any(t not in ("T", "F", "") for t in tokens):
            break
        flags += sum(1 for t in tokens if t == "T")
        seen += len(tokens)
        k += 1
    if flags:
        counts.add("permanent-ineffective")
        counts.note("permanent-ineffective", "T flags", flags)


def has_levee(text):
    value = text[text.find("=") + 1:].rstrip(" ")
    parts = [part.strip(" ") for part in value.split(",")]
    # Left flag, station, elevation; right flag, station, elevation.
    return any(part not in ("", "0") for part in parts[:6])


def coefficients_differ(text):
    value = text[text.find("=") + 1:].strip(" ")
    parts = [part.strip(" ") for part in value.split(",")]
    try:
        expansion = Decimal(parts[0]) if parts[0] else Decimal(0)
        contraction = Decimal(parts[1]) if len(parts) > 1 and parts[1] else Decimal(0)
    except InvalidOperation:
        return True
    return (expansion, contraction) != (Decimal("0.3"), Decimal("0.1"))


def read_section(lines, i, section, counts):
    """The lines of a cross-section node from its header at line i, read with
    the section keys in their order, up to "Exp/Cntr=" or the next node or
    reach. Returns the index of the line after the node."""
    last_station = " " * 8
    ineffective_areas = 0
    ineffective = False
    blocked = None
    k = i + 1
    while k < len(lines):
        line = lines[k]
        if line.has("River Reach=") or line.has("Type RM Length"):
            break
        if line.has("BEGIN DESCRIPTION:"):
            k += 1
            while k < len(lines) and not lines[k].has("END DESCRIPTION:"):
                if lines[k].length > LINE_WIDTH:
                    counts.add("description-cut")
                k += 1
            k += 1
            continue
        if line.has("#Sta/Elev="):
            nxt = count_ground(lines, k, section, counts)
            # The last ground station, for the end of the last n value.
            e = line.text.find("=")
            p = last_digit(line.text)
            try:
                npts = int(line.text[e + 1:p + 1].replace(" ", "") or "0") if e >= 0 and p > e else 0
            except ValueError:
                npts = 0
            if 0 < npts <= GROUND_CAPACITY:
                row = lines[k + 1 + (npts - 1) // 5] if k + 1 + (npts - 1) // 5 < len(lines) else None
                if row is not None:
                    last_station = fields(row, 10)[2 * ((npts - 1) % 5)]
            k = nxt
            continue
        if line.has("#Mann="):
            k = count_n_values(lines, k, last_station, counts)
            continue
        if line.has("#XS Ineff="):
            e = line.text.find("=")
            ineffective_areas = small_integer_after(line.text, e) if e >= 0 else 0
            carried, k = count_area_pair(lines, k, "ineffective-not-carried", counts)
            # A later line of another form clears the area read before.
            ineffective = carried and k <= len(lines)
            continue
        if line.has("#Block Obstruct="):
            carried, k = count_area_pair(lines, k, "blocked-not-carried", counts)
            # A later line of another form leaves the obstruction read before.
            if carried:
                blocked = fields(lines[k - 1], 6) if k <= len(lines) else None
            continue
        if line.has("#XS Lid="):
            e = line.text.find("=")
            n = small_integer_after(line.text, e) if e >= 0 else 0
            if n > LID_CAPACITY:
                counts.add("capacity")
                counts.note("capacity", "lid points")
            k += 1 + ((n + 2) // 3 if n > 0 else 0)
            continue
        if line.has("Bank Sta="):
            k += 1
            continue
        if line.has("Exp/Cntr="):
            section.ended = True
            if coefficients_differ(line.text):
                counts.add("coefficients")
            k += 1
            continue
        if line.has("Permanent Ineff="):
            count_permanent(lines, k, ineffective_areas, counts)
        elif line.has("Levee=") and has_levee(line.text):
            counts.add("levee")
        k += 1
    if blocked is not None:
        count_x3_losses(ineffective, blocked, counts)
    return k


def count_x3_losses(ineffective, blocked, counts):
    """The X3 card of a section with a blocked obstruction (value fields 2-6):
    on a side where the obstruction has a station it takes the ineffective
    area's place; an elevation that fills 8 columns without a minus sign
    loses its last character to the sign."""
    sides = [(blocked[1], blocked[2]), (blocked[3], blocked[5])]
    carried = [(station, elevation) for station, elevation in sides if station.strip(" ")]
    if ineffective and carried:
        counts.add("ineffective-replaced")
        counts.note("ineffective-replaced", "sides", len(carried))
    cut = [e for _, e in carried if len(e.strip(" ")) == 8 and "-" not in e]
    if cut:
        counts.add("blocked-elevation-cut")
        counts.note("blocked-elevation-cut", "elevations", len(cut))


def read_deck_lists(lines, k, n):
    """Three lists of n 8-column values, ten to a line, each list starting on
    a line of its own (at least one line). Returns the lists and the next index."""
    lists = []
    for _ in range(3):
        values, k = read_value_list(lines, k, n)
        lists.append(values)
    return lists, k


def count_deck_rewrites(deck, counts):
    """Deck values that the rewriting after piers writes with fewer decimals
    than the file gave them (the value changes)."""
    changed = 0
    for side in deck:
        for column in side:
            if not column:
                continue
            template = column[-1]
            for text in column:
                before = number(text)
                if before is None:
                    continue
                single = float32(before)
                after = rewritten(single, template) if single is not None else "*" * 8
                value = number(after) if "*" not in after else None
                if value is None or value != before:
                    changed += 1
    if changed:
        counts.add("deck-value-rewritten", changed)


def comma_counts(text, *positions):
    """The counts in the comma-separated values of a text at the given
    0-based positions; 0 where a value is missing or not a number."""
    parts = [part.strip(" ") for part in text.split(",")]
    counts = []
    for p in positions:
        try:
            counts.append(max(0, int(Decimal(parts[p]))) if p < len(parts) and parts[p] else 0)
        except (InvalidOperation, ValueError, OverflowError):
            counts.append(0)
    return counts


def read_bridge(lines, i, counts):
    """A bridge block from its header at line i: deck, piers, abutments.
    Returns the index of the next node header or reach line."""
    k = i + 1
    deck = None
    piers = 0
    while k < len(lines):
        line = lines[k]
        if line.has("Type RM Length") or line.has("River Reach="):
            break
        if line.has("Deck Dist Width"):
            value_line = lines[k + 1].text if k + 1 < len(lines) else ""
            nu, nd = comma_counts(value_line, 4, 5)
            for n in (nu, nd):
                if n > LID_CAPACITY:
                    counts.add("capacity")
                    counts.note("capacity", "deck points")
            upstream, k = read_deck_lists(lines, k + 2, nu)
            downstream, k = read_deck_lists(lines, k, nd)
            deck = (upstream, downstream)
            continue
        if line.has("Pier Skew, UpSta & Num, DnSta & Num="):
            piers += 1
            up, down = comma_counts(line.text[line.text.find("=") + 1:], 2, 4)
            k += 1
            varies = False
            for n in (up, down):
                widths, k = read_value_list(lines, k, n)
                _, k = read_value_list(lines, k, n)
                known = [number(w) for w in widths if number(w) is not None]
                if len(set(known)) > 1:
                    varies = True
            if varies:
                counts.add("pier-width-varies")
            if deck is not None:
                for side, n in ((deck[0], len(deck[0][0])), (deck[1], len(deck[1][0]))):
                    if n < 2 or n + 4 * piers > LID_CAPACITY:
                        counts.add("capacity")
                        counts.note("capacity", "piers left out")
            continue
        if line.has("BEGIN DESCRIPTION:"):
            k += 1
            described = 0
            while k < len(lines) and not lines[k].has("END DESCRIPTION:"):
                if lines[k].has("Type RM Length") or lines[k].has("River Reach="):
                    break
                described += 1
                k += 1
            if described:
                counts.add("bridge-description")
                counts.note("bridge-description", "lines", described)
            continue
        if line.has("Abutment Skew"):
            counts.add("abutment")
        k += 1
    if deck is not None and piers > 0:
        count_deck_rewrites(deck, counts)
    return k


def read_value_list(lines, k, n):
    """n 8-column values, ten to a line (at least one line)."""
    nlines = max(1, (n + 9) // 10)
    values = []
    # A count beyond the end of the file reads what is there.
    for j in range(min(nlines, max(0, len(lines) - k))):
        values += fields(lines[k + j], 10)
    return values[:n], k + nlines


def count_file(path):
    lines = read_lines(path)
    counts = Counts()
    reach = 0
    sections = []          # every cross-section node, in input order
    numbered = []          # (reach, station, bridge) of every station the X1 cards carry
    bridges = []           # (index of the section before, index of the section after)
    nodes = []             # (reach, the section or None) of every node
    i = 0
    while i < len(lines):
        line = lines[i]
        if line.has("River Reach="):
            reach += 1
            i += 1
            continue
        if not line.has("Type RM Length"):
            i += 1
            continue
        kind = node_type(line)
        station = station_of(line)
        nodes.append((reach, None))
        if kind == 1:
            section = Section(station, reach)
            sections.append(section)
            nodes[-1] = (reach, section)
            numbered.append((reach, station, False))
            i = read_section(lines, i, section, counts)
        elif kind == 3:
            bridges.append((len(sections) - 1, len(sections)))
            numbered.append((reach, station, True))
            i = read_bridge(lines, i, counts)
        else:
            if kind == 2:
                counts.add("culvert")
            else:
                counts.add("node-skipped")
                counts.note("node-skipped", "type %s" % ("?" if kind is None else kind))
            i += 1

    # GR cuts: per card and per section, and with the bridge faces' copies.
    for section in sections:
        if section.gr_cut_cards:
            counts.add("gr-elevation-cut", section.gr_cut_cards)
            counts.note("gr-elevation-cut", "sections")
            counts.largest("gr-elevation-cut", "largest change", section.gr_largest)
    in_deck = counts.count["gr-elevation-cut"]
    for before, after in bridges:
        for index in (before, after):
            if 0 <= index < len(sections):
                in_deck += sections[index].gr_cut_cards
    counts.detail["gr-elevation-cut"]["in the deck"] = in_deck

    # Section numbers: cut, and distinct stations of one reach that share one.
    by_number = {}
    for reach_number, station, is_bridge in numbered:
        t = station.replace("*", " ", 1).strip(" ")
        if len(t) > 6:
            counts.add("section-number-cut")
            # A bridge's station stands on the X1 cards of both its faces.
            counts.note("section-number-cut", "X1 cards in the deck", 2 if is_bridge else 1)
        by_number.setdefault((reach_number, section_number(station)), set()).add(station)
    for _, stations in by_number.items():
        if len(stations) > 1:
            counts.add("section-number-shared")
            counts.note("section-number-shared", "sections in the groups", len(stations))

    count_runs_without_end(nodes, counts)
    return counts


def count_runs_without_end(nodes, counts):
    """Sections without "Exp/Cntr=": the deck carries each as one section
    that runs on into the following nodes of its reach, up to the first that
    has the line. Counts the sections the deck carries so, and the nodes they
    run into."""
    running_in = None
    for reach, section in nodes:
        if running_in is not None and reach != running_in:
            running_in = None
        if running_in is not None:
            counts.note("no-section-end", "nodes run into")
            if section is not None and section.ended:
                running_in = None
            continue
        if section is not None and not section.ended:
            counts.add("no-section-end")
            running_in = reach
    without = sum(1 for _, section in nodes if section is not None and not section.ended)
    if without:
        counts.note("no-section-end", "sections without the line", without)


# ---------------------------------------------------------------- output

def describe(counts, kind):
    detail = counts.detail[kind]
    return ", ".join("%s %s" % (key, value) for key, value in sorted(detail.items()))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("files", nargs="+")
    output = parser.add_mutually_exclusive_group()
    output.add_argument("--json", action="store_true", help="machine-readable output")
    output.add_argument("--markdown", action="store_true", help="one row per file, one column per kind")
    args = parser.parse_args()

    results = [(path, count_file(path)) for path in args.files]
    if args.json:
        out = {}
        for path, counts in results:
            out[path] = {
                kind: {"count": counts.count[kind],
                       "detail": {key: (str(value) if isinstance(value, Decimal) else value)
                                  for key, value in counts.detail[kind].items()}}
                for kind in KINDS
            }
        json.dump(out, sys.stdout, indent=1, sort_keys=True)
        sys.stdout.write("\n")
        return
    if args.markdown:
        print("| file | " + " | ".join(KINDS) + " |")
        print("|---|" + "---:|" * len(KINDS))
        totals = {kind: 0 for kind in KINDS}
        for path, counts in results:
            name = path.rsplit("/", 1)[-1]
            print("| %s | %s |" % (name, " | ".join(str(counts.count[kind]) for kind in KINDS)))
            for kind in KINDS:
                totals[kind] += counts.count[kind]
        print("| all | %s |" % " | ".join(str(totals[kind]) for kind in KINDS))
        return
    for path, counts in results:
        print(path)
        for kind in KINDS:
            print("  %-24s %8d  %s" % (kind, counts.count[kind], describe(counts, kind)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Checks the hydraulic rows of a conversion report against an independent
computation.

For each cross section of a geometry file it computes the flow area and the
conveyance twice, at the same water levels: once from the geometry file's own
texts (n values split at their own start stations), and once from the deck's
card images, read by their columns as a reader of the deck takes them (X1
point count and bank stations, GR pairs, NC or NH values). It shares no code
with the converter. The levels are BANKFULL (the lower ground elevation at the
two bank stations) and TOP (the lower end point; a BANKFULL above it becomes
TOP); a level whose area is below 5% of the area under the higher end point
is too shallow and left out. The change is deck / geometry - 1.

    scripts/check-hydraulics.py GEO DECK REPORT   checks one unsorted run's report
    scripts/check-hydraulics.py --list GEO DECK   prints every section's changes

The check passes when every section changing by more than 1% has its
"hydraulics-changed" row, no section changing by less than 0.25% has one,
and the row's figures agree with this computation within 0.002 or 10%,
whichever is larger. The deck must come from an unsorted run, so that its
sections stand in the order of the geometry file.
"""

import argparse
import html.parser
import math
import sys

LINE_WIDTH = 132
GROUND_CAPACITY = 500
N_VALUE_CAPACITY = 20
SHALLOW = 0.05
ROW_OVER = 0.01
NO_ROW_UNDER = 0.0025


def number(text):
    """A field as a reader takes it: blanks around it, an all-blank field 0."""
    text = text.strip()
    if not text:
        return 0.0
    try:
        return float(text)
    except ValueError:
        return None


def count_after(line, position):
    """The integer in the three characters after a separator; a comma ends it."""
    if position < 0:
        return 0
    digits = ""
    for c in line[position + 1:position + 4]:
        if c == ",":
            break
        if c != " ":
            digits += c
    try:
        return int(digits) if digits else 0
    except ValueError:
        return 0


def fields(line, width, count):
    return [line[i * width:(i + 1) * width] for i in range(count)]


# ---------------------------------------------------------------- geometry

class GeometrySection:
    def __init__(self, reach, station):
        self.reach = reach
        self.station = station
        self.points = []        # (station, elevation) texts
        self.banks = ("", "")
        self.n_mode = 0
        self.n_kh = 0
        self.n = []             # (start station text, n text)


class Bridge:
    """A bridge node: the deck carries its two faces, under its station."""
    def __init__(self, reach, station):
        self.reach = reach
        self.station = station


def read_lines(path):
    with open(path, "rb") as f:
        for raw in f:
            line = raw.rstrip(b"\n")
            if line.endswith(b"\r"):
                line = line[:-1]
            text = line.decode("latin-1")[:LINE_WIDTH]
            yield text.ljust(LINE_WIDTH)


SECTION_KEYS = ["BEGIN DESCRIPTION:", "#Sta/Elev=", "#Mann=", "#XS Ineff=",
                "#Block Obstruct=", "#XS Lid=", "Bank Sta=", "Exp/Cntr="]


def geometry_sections(path):
    """The cross sections of a geometry file in file order, each with the
    ground, banks and n values in force (a section without one of them keeps
    the one before, as the records of the converter do)."""
    lines = list(read_lines(path))
    sections = []
    reach = 0
    ground, banks, n_state = [], ("", ""), (0, 0, [])
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if line.startswith("River Reach="):
            reach += 1
            continue
        if "Type RM Length" not in line:
            continue
        node_type = line[23:25].strip()
        if node_type == "3":
            sections.append(Bridge(reach, line[27:35].replace(" ", "")))
        if node_type != "1":
            continue
        station = line[27:35].replace(" ", "")
        section = GeometrySection(reach, station)
        while i < len(lines):
            line = lines[i]
            i += 1
            # A section without its end line runs on over the nodes after it,
            # but never into the next reach.
            if line.startswith("River Reach="):
                i -= 1
                break
            key = next((k for k in SECTION_KEYS if k in line), None)
            if key == "BEGIN DESCRIPTION:":
                while i < len(lines) and "END DESCRIPTION:" not in lines[i]:
                    i += 1
                i += 1
            elif key == "#Sta/Elev=":
                eq = line.find("=")
                last_digit = max(line.rfind(c) for c in "0123456789.")
                try:
                    count = int(line[eq + 1:last_digit + 1].replace(" ", "") or 0)
                except ValueError:
                    count = 0
                values = []
                while len(values) < 2 * count and i < len(lines):
                    values += fields(lines[i], 8, 10)
                    i += 1
                pairs = [(values[2 * k], values[2 * k + 1]) for k in range(count)]
                ground = pairs[:GROUND_CAPACITY]
            elif key == "#Mann=":
                count = count_after(line, line.find("="))
                mode = count_after(line, line.find(","))
                last = line.rstrip().rfind(",")
                kh = 0
                if last > line.find(","):
                    try:
                        kh = int(line[last + 1:].strip().split()[0])
                    except (ValueError, IndexError):
                        kh = 0
                triplets = []
                if mode != 0:
                    values = []
                    while len(values) < 3 * count and i < len(lines):
                        values += fields(lines[i], 8, 9)
                        i += 1
                    triplets = [(values[3 * k], values[3 * k + 1]) for k in range(count)]
                    triplets = triplets[:N_VALUE_CAPACITY]
                elif count > 0 and i < len(lines):
                    values = fields(lines[i], 8, 9)
                    i += 1
                    triplets = [(values[3 * k], values[3 * k + 1]) for k in range(min(count, 3))]
                n_state = (mode, kh, triplets)
            elif key == "Bank Sta=":
                eq = line.find("=")
                comma = line.find(",")
                left = line[eq + 1:comma] if comma > eq + 1 else ""
                right = ""
                if comma >= 0:
                    rest = line[comma + 1:].rstrip()
                    last_digit = max(rest.rfind(c) for c in "0123456789.")
                    right = rest[:last_digit + 1]
                banks = (left.strip(), right.strip())
            elif key == "Exp/Cntr=":
                break
        section.points = ground
        section.banks = banks
        section.n_mode, section.n_kh, section.n = n_state
        sections.append(section)
    return sections


# ---------------------------------------------------------------- the deck

class DeckSection:
    def __init__(self, number):
        self.number = number
        self.points = []       # (station, elevation) numbers
        self.bank_left = 0.0
        self.bank_right = 0.0
        self.n = []            # (start, n): n in force from its start on


def card_fields(card):
    """Field 1 (columns 3-8), then fields 2-10 (8 columns each)."""
    out = [card[2:8]] if len(card) > 2 else []
    pos = 8
    while pos < len(card) and len(out) < 10:
        out.append(card[pos:pos + 8])
        pos += 8
    return out


def deck_sections(path):
    """The sections of a deck in deck order: NC or NH, X1, GR cards."""
    sections = []
    nc, nh = None, []
    current = None
    gr = []

    def close():
        if current is None:
            return
        count = current.declared
        current.points = [(gr[2 * k + 1], gr[2 * k]) for k in range(min(count, len(gr) // 2))]
        current.short = len(gr) // 2 < count
        sections.append(current)

    previous = ""
    with open(path, encoding="latin-1") as f:
        for card in f:
            card = card.rstrip("\n")
            ident = card[:2]
            before, previous = previous, ident
            if ident in ("NC", "NH") and current is not None:
                close()
                current = None
            if ident == "NC":
                nc = [number(x) for x in (card_fields(card) + ["", "", ""])[:3]]
                nh = []
            elif ident == "NH":
                if before != "NH":
                    nh = []
                nc = None
                nh += [number(x) for x in card_fields(card)]
            elif ident == "X1":
                close()
                f = card_fields(card) + [""] * 4
                current = DeckSection(f[0].strip())
                current.declared = max(0, int(number(f[1]) or 0))
                current.bank_left = number(f[2]) or 0.0
                current.bank_right = number(f[3]) or 0.0
                if nc is not None:
                    current.n = [(-math.inf, nc[0]), (current.bank_left, nc[2]),
                                 (current.bank_right, nc[1])]
                elif nh:
                    count = int(nh[0] or 0)
                    pairs = [(nh[1 + 2 * k], nh[2 + 2 * k]) for k in range(count)
                             if 2 + 2 * k < len(nh)]
                    starts = [-math.inf] + [end for _, end in pairs[:-1]]
                    current.n = [(starts[k], pairs[k][0]) for k in range(len(pairs))]
                gr = []
            elif ident == "GR" and current is not None:
                gr += [number(x) for x in card_fields(card)]
            elif ident in ("T1", "EJ"):
                close()
                current = None
    close()
    return sections


# ---------------------------------------------------------------- hydraulics

def n_in_force(stretches, x):
    value = stretches[0][1] if stretches else 0.0
    for k, (start, n) in enumerate(stretches):
        if k > 0 and start <= x:
            value = n
    return value


def flow(points, stretches, level):
    """Area and conveyance at a level: the ground split where stretches
    start, each piece's wet area and length added to the stretch in force at
    its middle (a vertical wall: at its station)."""
    bounds = sorted(set(s for k, (s, _) in enumerate(stretches) if k > 0))
    area = {}
    length = {}
    for (x1, z1), (x2, z2) in zip(points, points[1:]):
        if x1 == x2:
            k = n_index(stretches, x1)
            wet = min(max(z1, z2), level) - min(z1, z2)
            if wet > 0:
                length[k] = length.get(k, 0) + wet
            continue
        sign = 1 if x2 > x1 else -1
        lo, hi = min(x1, x2), max(x1, x2)
        cuts = [lo] + [b for b in bounds if lo < b < hi] + [hi]

        def z(x):
            return z1 + (z2 - z1) * (x - x1) / (x2 - x1)

        for a, b in zip(cuts, cuts[1:]):
            za, zb = z(a), z(b)
            k = n_index(stretches, (a + b) / 2)
            da, db = level - za, level - zb
            if da <= 0 and db <= 0:
                continue
            if da >= 0 and db >= 0:
                wa, wl = (b - a) * (da + db) / 2, math.hypot(b - a, zb - za)
            else:
                deep = max(da, db)
                w = (b - a) * deep / abs(da - db)
                wa, wl = w * deep / 2, math.hypot(w, deep)
            area[k] = area.get(k, 0) + sign * wa
            length[k] = length.get(k, 0) + wl
    total = sum(area.values())
    conveyance = 0.0
    for k, a in area.items():
        p = length.get(k, 0)
        n = stretches[k][1] if k < len(stretches) else None
        if n is None or not (n > 0) or a <= 0 or p <= 0:
            continue
        conveyance += a * (a / p) ** (2.0 / 3.0) / n
    return total, conveyance


def n_index(stretches, x):
    index = 0
    for k, (start, _) in enumerate(stretches):
        if k > 0 and start <= x:
            index = k
    return index


def ground_at(points, x):
    for (x1, z1), (x2, z2) in zip(points, points[1:]):
        if min(x1, x2) <= x <= max(x1, x2):
            return min(z1, z2) if x1 == x2 else z1 + (z2 - z1) * (x - x1) / (x2 - x1)
    return None


def geometry_numbers(section):
    points = []
    for sta, elev in section.points:
        x, z = number(sta), number(elev)
        if x is None or z is None:
            return None
        points.append((x, z))
    stretches = []
    for k, (start, n) in enumerate(section.n):
        s = number(start)
        if s is None:
            return None
        value = number(n)
        stretches.append((-math.inf if k == 0 else s, value if value is not None else math.nan))
    return points, stretches


def levels_of(section, points, stretches):
    if len(points) < 2:
        return []
    first, last = points[0][1], points[-1][1]
    top = min(first, last)
    chosen = []
    left, right = section.banks
    if left and right and number(left) is not None and number(right) is not None:
        zl, zr = ground_at(points, number(left)), ground_at(points, number(right))
        if zl is not None and zr is not None and min(zl, zr) < top:
            chosen.append(("BANKFULL", min(zl, zr)))
    chosen.append(("TOP", top))
    full, _ = flow(points, stretches, max(first, last))
    judged = []
    for name, level in chosen:
        a, k = flow(points, stretches, level)
        if a > 0 and a >= SHALLOW * full:
            judged.append((name, level, a, k))
    return judged


def changes(section, deck):
    """(area change, conveyance change) of larger magnitude over the judged
    levels; None when the section has no figures."""
    numbers = geometry_numbers(section)
    if numbers is None or deck is None or deck.short or any(v is None for p in deck.points for v in p):
        return None
    points, stretches = numbers
    judged = levels_of(section, points, stretches)
    if not judged:
        return None
    best_a, best_k = 0.0, 0.0
    for name, level, a, k in judged:
        da, dk = flow(deck.points, deck.n, level)
        ca = da / a - 1
        if abs(ca) > abs(best_a):
            best_a = ca
        if k > 0:
            ck = dk / k - 1
            if abs(ck) > abs(best_k):
                best_k = ck
    return best_a, best_k


def x1_number(station):
    text = station.replace("*", " ", 1).strip()[:6]
    return text.strip()


def pair_sections(geometry, deck):
    """Each geometry section with the deck section that carries it: the next
    one in deck order with its X1 number. A bridge passes over its two faces."""
    paired = []
    at = 0
    for section in geometry:
        number = x1_number(section.station)
        if isinstance(section, Bridge):
            for face in range(2):
                k = at
                while k < len(deck) and deck[k].number != number:
                    k += 1
                if k < len(deck):
                    at = k + 1
            continue
        k = at
        while k < len(deck) and deck[k].number != number:
            k += 1
        if k < len(deck):
            paired.append((section, deck[k]))
            at = k + 1
        else:
            paired.append((section, None))
    return paired


# ---------------------------------------------------------------- the report

class Rows(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows = []

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "tr" and a.get("data-kind") == "hydraulics-changed":
            self.rows.append((int(a["data-reach"]), a["data-rm"],
                              float(a["data-area-change"]), float(a["data-conveyance-change"])))


def report_rows(path):
    parser = Rows()
    with open(path, encoding="utf-8") as f:
        parser.feed(f.read())
    return parser.rows


def agree(mine, theirs):
    return abs(mine - theirs) <= max(0.002, 0.1 * abs(mine))


def check(geo, deck_path, report):
    paired = pair_sections(geometry_sections(geo), deck_sections(deck_path))
    paired = [(s, d) for s, d in paired if not isinstance(s, Bridge)]
    rows = {}
    for reach, rm, a, k in report_rows(report):
        rows.setdefault((reach, rm), []).append((a, k))
    problems = []
    over, checked = 0, 0
    for section, deck in paired:
        found = changes(section, deck)
        key = (section.reach, section.station)
        row = rows.get(key, [None])
        row = row.pop(0) if row else None
        if found is None:
            continue
        checked += 1
        size = max(abs(found[0]), abs(found[1]))
        if size > ROW_OVER:
            over += 1
        if size > ROW_OVER and row is None:
            problems.append(f"reach {section.reach} RM {section.station}: changes by "
                            f"{found[0]:+.4f} (area), {found[1]:+.4f} (conveyance) and has no row")
        if row is not None and size < NO_ROW_UNDER:
            problems.append(f"reach {section.reach} RM {section.station}: a row for a change "
                            f"of only {size:.4f}")
        if row is not None and not (agree(found[0], row[0]) and agree(found[1], row[1])):
            problems.append(f"reach {section.reach} RM {section.station}: row says "
                            f"{row[0]:+.4f}/{row[1]:+.4f}, computed {found[0]:+.4f}/{found[1]:+.4f}")
    return checked, over, sum(1 for r in report_rows(report)), problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print every section's changes")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    if args.list:
        geo, deck_path = args.files[:2]
        for section, deck in pair_sections(geometry_sections(geo), deck_sections(deck_path)):
            if isinstance(section, Bridge):
                continue
            found = changes(section, deck)
            if found is not None:
                print(f"{section.reach}\t{section.station}\t{found[0]:+.5f}\t{found[1]:+.5f}")
        return 0
    if len(args.files) != 3:
        parser.error("give GEO DECK REPORT")
    checked, over, rows, problems = check(*args.files)
    for p in problems:
        print(p)
    print(f"{args.files[0]}: {checked} sections judged, {over} over 1%, {rows} rows, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())

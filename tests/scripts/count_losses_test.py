#!/usr/bin/env python3
"""Checks the loss counter's reading rules on small geometry files."""

import importlib.util
import os
import sys
import tempfile
import unittest

# Loading the script leaves no compiled copy beside it.
sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
module_spec = importlib.util.spec_from_file_location(
    "count_losses", os.path.join(HERE, "..", "..", "scripts", "count-losses.py"))
count_losses = importlib.util.module_from_spec(module_spec)
module_spec.loader.exec_module(count_losses)


def row(*values):
    return "".join(value.rjust(8) for value in values)


def header(kind, station, lengths="100,100,100"):
    return "Type RM Length L Ch R = %d ,%-8s,%s" % (kind, station, lengths)


def section(station, *body, end="Exp/Cntr=0.3,0.1"):
    return [header(1, station), "#Sta/Elev= 2 ", row("0", "100", "10", "100"), *body] + ([end] if end else [])


def counts(lines):
    with tempfile.NamedTemporaryFile("w", suffix=".geo", delete=False) as f:
        f.write("\r\n".join(lines) + "\r\n")
    try:
        return count_losses.count_file(f.name)
    finally:
        os.unlink(f.name)


REACH = ["River Reach=Main            ,Upper           ", "Reverse River Text= 0 "]


class CountLosses(unittest.TestCase):
    def test_gr_cuts_only_opening_elevations_of_announced_points(self):
        ground = ["#Sta/Elev= 7 ",
                  row("0", "1818.02", "10", "1810.125", "20", "1805.5", "30", "1805.12", "40", "1810"),
                  row("50", "1812.345", "60", "1818", "", "1234.5678")]
        result = counts(REACH + [header(1, "5.0"), *ground, "Exp/Cntr=0.3,0.1"])
        # Points 1 and 6 open the two cards; point 2 is not an opening, and
        # the field after the seventh point is no point at all.
        self.assertEqual(result.count["gr-elevation-cut"], 2)
        self.assertEqual(result.detail["gr-elevation-cut"]["largest change"], count_losses.Decimal("0.045"))

    def test_area_pairs_permanent_flags_levees_and_coefficients(self):
        result = counts(REACH + section(
            "5.0",
            "#XS Ineff= 2 ,-1 ", row("0", "10", "101", "20", "30", "101"),
            "Permanent Ineff=", row("T", "T"),
            "#Block Obstruct= 2 , 0 ", row("0", "10", "101", "20", "30", "101"),
            "Levee=0,,,-1,364.86,5755.92,,Levee 1",
            end="Exp/Cntr=0.5,0.3") + section(
            "4.0",
            "#XS Ineff= 2 , 0 ", row("0", "10", "101", "20", "30", "101"),
            "Permanent Ineff=", row("F", "F"),
            "Levee=0,,,0,,,,"))
        self.assertEqual(result.count["ineffective-not-carried"], 1)
        self.assertEqual(result.count["blocked-not-carried"], 0)
        self.assertEqual(result.count["permanent-ineffective"], 1)
        self.assertEqual(result.detail["permanent-ineffective"]["T flags"], 2)
        self.assertEqual(result.count["levee"], 1)
        self.assertEqual(result.count["coefficients"], 1)

    def test_blocked_obstructions_on_x3_and_bridge_descriptions(self):
        result = counts(REACH + section(
            "5.0",
            "#XS Ineff= 2 , 0 ", row("0", "10", "101", "20", "30", "101"),
            "#Block Obstruct= 2 , 0 ", row("0", "12", "1234.567", "", "30", "-101.125"),
            # Another form after it leaves the obstruction as it was.
            "#Block Obstruct= 3 ,-1 ", row("0", "1", "2")) + section(
            "4.0",
            "#Block Obstruct= 2 , 0 ", row("0", "12", "101.5", "20", "30", "1234.567")) + [
            header(3, "3.5"), "BEGIN DESCRIPTION:", "Bridge # 1", "Old arch", "END DESCRIPTION:"]
            + section("3.0"))
        # Only the left side of 5.0 has a blocked station; 4.0 has no area to lose.
        self.assertEqual(result.count["ineffective-replaced"], 1)
        self.assertEqual(result.detail["ineffective-replaced"]["sides"], 1)
        # 1234.567 on the carried left of 5.0 and the right of 4.0; -101.125 has its sign.
        self.assertEqual(result.count["blocked-elevation-cut"], 2)
        self.assertEqual(result.count["bridge-description"], 1)
        self.assertEqual(result.detail["bridge-description"]["lines"], 2)

    def test_section_numbers_cut_and_shared_within_a_reach(self):
        other_reach = ["River Reach=Main            ,Lower           ", "Reverse River Text= 0 "]
        result = counts(REACH + section("1127.69*") + section("1127.6") + section("944.11")
                        + other_reach + section("944.1"))
        self.assertEqual(result.count["section-number-cut"], 1)
        # 944.11 and 944.1 lie in different reaches.
        self.assertEqual(result.count["section-number-shared"], 1)

    def test_piers_deck_rewrites_and_nodes_of_other_types(self):
        bridge = [header(3, "4.5"),
                  "Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee",
                  "10,20,2.6,0, 2, 2, , , 0.95, 0, 0,0,,",
                  row("0", "100"), row("664.46", "664.5"), row("650", "650"),
                  row("0", "100"), row("664.46", "664.5"), row("650", "650"),
                  "Pier Skew= 40 ",
                  "Pier Skew, UpSta & Num, DnSta & Num=  ,50, 2 ,50, 2 , 0 , 0 , 0 ,,",
                  row("2", "3"), row("640", "660"), row("2", "2"), row("640", "660"),
                  "Abutment Skew #Up #Dn= , 2 , 2 "]
        result = counts(REACH + section("5.0") + bridge + section("4.0")
                        + [header(2, "3.5"), header(6, "3.2"), header(5, "3.1")] + section("3.0"))
        self.assertEqual(result.count["pier-width-varies"], 1)
        # 664.46 takes the one decimal of the last top elevation, on both sides.
        self.assertEqual(result.count["deck-value-rewritten"], 2)
        self.assertEqual(result.count["abutment"], 1)
        self.assertEqual(result.count["culvert"], 1)
        self.assertEqual(result.count["node-skipped"], 2)

    def test_a_section_without_its_end_runs_on_to_the_next_end_in_its_reach(self):
        other_reach = ["River Reach=Main            ,Lower           ", "Reverse River Text= 0 "]
        result = counts(REACH + section("5.0", end=None) + section("4.0", end=None) + section("3.0")
                        + section("2.0", end=None) + other_reach + section("1.0", end=None))
        self.assertEqual(result.count["no-section-end"], 3)
        self.assertEqual(result.detail["no-section-end"]["nodes run into"], 2)
        self.assertEqual(result.detail["no-section-end"]["sections without the line"], 4)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)

#!/usr/bin/env python3
"""The CSV and JSON forms of the report carry exactly the rows of the HTML.

Converts the geometry files of a few end-to-end cases three times, with
REPORT names ending in .html, .csv and .json, reads each with Python's own
html.parser, csv and json modules, and compares the rows field by field.

    report_forms_test.py PROGRAM CASES_FOLDER
"""

import csv
import html.parser
import json
import os
import shutil
import subprocess
import sys
import tempfile

CASES = ["report-every-loss", "report-warnings", "report-bridge-piers"]


class HtmlRows(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.rows, self.row, self.cell = [], None, None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if tag == "tr" and "data-kind" in a:
            self.row = {"attrs": a, "cells": []}
        elif tag == "td" and self.row is not None:
            self.cell = ""

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data

    def handle_endtag(self, tag):
        if tag == "td" and self.row is not None and self.cell is not None:
            self.row["cells"].append(self.cell)
            self.cell = None
        elif tag == "tr" and self.row is not None:
            a, cells = self.row["attrs"], self.row["cells"]
            self.rows.append((int(a["data-reach"]), a["data-rm"], a["data-kind"], cells[3],
                              a.get("data-area-change", ""), a.get("data-conveyance-change", ""),
                              cells[4]))
            self.row = None


def convert(program, work, geo, report):
    subprocess.run([program, f"INPUT={geo}", f"OUTPUT={report}.cs", f"REPORT={report}"],
                   cwd=work, check=True, stdout=subprocess.DEVNULL)
    return os.path.join(work, report)


def main():
    program, cases = os.path.abspath(sys.argv[1]), sys.argv[2]
    failed = False
    for case in CASES:
        with tempfile.TemporaryDirectory() as work:
            shutil.copytree(os.path.join(cases, case, "input"), work, dirs_exist_ok=True)
            parser = HtmlRows()
            with open(convert(program, work, "river.geo", "r.html"), encoding="utf-8") as f:
                parser.feed(f.read())
            with open(convert(program, work, "river.geo", "r.csv"), encoding="utf-8", newline="") as f:
                reader = csv.DictReader(f)
                assert reader.fieldnames == ["reach", "reach name", "station", "kind", "class",
                                             "area change", "conveyance change", "detail"]
                from_csv = [(int(r["reach"]), r["station"], r["kind"], r["class"], r["area change"],
                             r["conveyance change"], r["detail"]) for r in reader]
            with open(convert(program, work, "river.geo", "r.json"), encoding="utf-8") as f:
                document = json.load(f)
            from_json = [(r["reach"], r["station"], r["kind"], r["class"],
                          "" if r["areaChange"] is None else f'{r["areaChange"]:.4f}',
                          "" if r["conveyanceChange"] is None else f'{r["conveyanceChange"]:.4f}',
                          r["detail"]) for r in document["findings"]]
            run = document["run"]
            problems = []
            if parser.rows != from_csv:
                problems.append("the CSV rows differ from the HTML rows")
            if parser.rows != from_json:
                problems.append("the JSON findings differ from the HTML rows")
            if not parser.rows:
                problems.append("no rows at all")
            if (run["input"], run["deck"], run["mode"], run["fit"]) != ("river.geo", "r.json.cs",
                                                                       "unsorted", "CUT"):
                problems.append(f"the run reads {run}")
            classes = document["counts"]["classes"]
            if sum(classes.values()) != len(from_json):
                problems.append(f"the counts {classes} do not add up to the findings")
            for p in problems:
                print(f"{case}: {p}")
            failed = failed or bool(problems)
            if not problems:
                print(f"{case}: {len(parser.rows)} rows alike in HTML, CSV and JSON")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

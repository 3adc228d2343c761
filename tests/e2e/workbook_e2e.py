#!/usr/bin/env python3
"""The workbook `quelbor-calc --batch TABLE --format xlsx --output FILE` writes, read from outside.

    workbook_e2e.py QUELBOR_CALC

Writes a small table as a workbook, opens it as a zip archive and compares its worksheet cell by
cell with the table expected: numbers as numeric cells with their values, texts as text cells,
the header as written. Then the refusals: standard output and a FIFO, with nothing written.
"""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
import zipfile
from pathlib import Path

CALC = str(Path(sys.argv[1]).resolve())
NS = {"x": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}

INPUTS = "rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig"
RESULTS = ["txt_psianf", "txt_XSE", "txt_psiSE", "txt_psi25", "txt_kappa2525", "txt_kappaGrenz",
           "error"]
# A cell of the table as the batch writes it, and the cell the worksheet must hold for it:
# ("n", value) a number, ("s", text) a text.
CELLS = [
    ("Ton A", ("s", "Ton A")),
    ("1850", ("n", 1850.0)),
    ("0,25", ("n", 0.25)),
    ("0.185", ("n", 0.185)),
    ("-3,2e-08", ("n", -3.2e-08)),
    ("007", ("s", "007")),
    ("1 850", ("s", "1 850")),
    ("0,", ("s", "0,")),
    ("1.850,5", ("s", "1.850,5")),
    ("_x0041_ <&>", ("s", "_x0041_ <&>")),
    ("a\x01b \udcff", ("s", "a\ufffdb \ufffd")),  # a control character, a byte no UTF-8
    ("Gr\u00f6\u00dfe \U0001f9f1", ("s", "Gr\u00f6\u00dfe \U0001f9f1")),
]
NUMBERS_OF_A = [0.382, 0.136, 0.251, 0.382, 74.2, 32.0]


def table():
    """A table whose carried columns hold every case of CELLS, then the expected worksheet."""
    names = [f"c{n}" for n in range(len(CELLS))]
    header = ";".join(names) + ";" + INPUTS
    row = ";".join(text for text, _ in CELLS) + ";1850;0,25;0,185;6,2;45;20,5;7"
    failing = ";" * (len(CELLS) - 1) + ";1850;0,25;0,185;100;45;20,5;7"
    source = ("\ufeff" + header + "\n" + row + "\n" + failing + "\n").encode("utf-8",
                                                                         "surrogateescape")
    inputs = [("n", v) for v in (1850.0, 0.25, 0.185, 6.2, 45.0, 20.5, 7.0)]
    failing_inputs = [("n", v) for v in (1850.0, 0.25, 0.185, 100.0, 45.0, 20.5, 7.0)]
    expected = [
        [("s", name) for name in names + INPUTS.split(";") + RESULTS],
        [cell for _, cell in CELLS] + inputs + [("n", v) for v in NUMBERS_OF_A],
        [None] * len(CELLS) + failing_inputs + [None] * 6
        + [("s", "Laufzeitfehler 11: Division durch Null")],
    ]
    return source, expected


def worksheet(path):
    """Every row of the first worksheet as a list of cells, None where a row has no cell."""
    with zipfile.ZipFile(path) as workbook:
        sheet = ElementTree.fromstring(workbook.read("xl/worksheets/sheet1.xml"))
    rows = []
    for row in sheet.iterfind("x:sheetData/x:row", NS):
        cells = {}
        for cell in row.iterfind("x:c", NS):
            column = 0
            for letter in "".join(ch for ch in cell.get("r") if ch.isalpha()):
                column = column * 26 + ord(letter) - ord("A") + 1
            kind = cell.get("t")
            if kind == "inlineStr":
                text = "".join(t.text or "" for t in cell.iterfind("x:is/x:t", NS))
                # "_x0041_" is "A" to a spreadsheet, so a text of that form comes as "_x005F_x0041_"
                text = re.sub("_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), text)
                cells[column - 1] = ("s", text)
            elif kind is None:
                cells[column - 1] = ("n", float(cell.find("x:v", NS).text))
            else:
                cells[column - 1] = (kind, ElementTree.tostring(cell, encoding="unicode"))
        rows.append([cells.get(c) for c in range(max(cells) + 1)] if cells else [])
    return rows


def main():
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        folder = Path(scratch)
        source, expected = table()
        (folder / "T.csv").write_bytes(source)
        done = subprocess.run([CALC, "--batch", "T.csv", "--format", "xlsx", "-o", "R.xlsx"],
                              cwd=folder, capture_output=True, text=True)
        if done.returncode != 1:
            failures.append(f"exit status {done.returncode}, expected 1: {done.stderr.strip()}")
        actual = worksheet(folder / "R.xlsx") if (folder / "R.xlsx").exists() else None
        if actual != expected:
            failures.append(f"worksheet\n  {actual}\nexpected\n  {expected}")
        os.mkfifo(folder / "F")
        for name, command, redirected in (
            ("standard output", f"{CALC} --batch T.csv --format xlsx > out", {"out": 0}),
            ("a FIFO", f"{CALC} --batch T.csv --format xlsx --output F", {}),
        ):
            refused = subprocess.run(command, shell=True, cwd=folder, capture_output=True,
                                     text=True, timeout=20)
            if refused.returncode != 2 or "--format xlsx writes a workbook" not in refused.stderr:
                failures.append(f"{name}: status {refused.returncode}, {refused.stderr.strip()!r}")
            files = {p.name: p.stat().st_size for p in folder.iterdir() if p.name != "R.xlsx"}
            if files != {"T.csv": len(source), "F": 0, **redirected}:
                failures.append(f"{name}: files and sizes {files}")
            (folder / "out").unlink(missing_ok=True)
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(CELLS) + 2} cases, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

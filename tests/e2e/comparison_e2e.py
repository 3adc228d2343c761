"""The comparison of bodies as a user meets it, seen only from outside the process.

Started on the X server of DISPLAY under German regional settings, the window gets three
bodies, each typed into its boxes, calculated with a click on "Rechne !" and kept with
Ctrl+Shift+V; the same keys keep nothing before "Rechne !", after "Nochmal !" or after a
calculation that failed. The window "Vergleich" must then list the three bodies with the
results quelbor-calc --batch gives for them (its table copied out with Ctrl+Shift+C) and show
each body's colour, and only those, in both charts (pixels of a screenshot); Ctrl+P opens the
print dialog. Closing the program with the bodies unsaved must ask first; saved through the
file dialog (Ctrl+S), as CSV and again as a workbook whose results are numbers, it closes with
status 0. Started again, the comparison opened from the CSV (Ctrl+O) must list the same table,
and a table with a row that fails must show that row's error in its row.

    comparison_e2e.py QUELBOR_BINARY QUELBOR_CALC_BINARY [--screenshot FILE]
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from window_e2e import (  # noqa: E402  the helpers of the window's own end-to-end script
    CAPTION, NOCHMAL, RECHNE, SETTINGS, TIMEOUT, Screen, Window, close_program, poll, run,
    selection, set_selection, wait_for, within, INPUT_CLIENT_MAX, RESULT_CLIENT_MIN,
)

NAME_BOX = (1755, 990, 3765, 250)
INPUT_BOXES = {
    "rhoSE": (4560, 1305, 975, 250),
    "Xanf": (4560, 1860, 975, 250),
    "ksiSE": (4560, 2130, 975, 250),
}
# The bodies: a name and the inputs that differ from the window's defaults.
BODIES = [
    ("Ton A", {}),
    ("Ton A + Sand", {"ksiSE": "3,5"}),
    ("Ton B fett", {"Xanf": "0,32"}),
]
COLOURS = ["rgb(0,114,178)", "rgb(213,94,0)", "rgb(0,158,115)"]  # the first three of the palette
UNUSED_COLOUR = "rgb(204,121,167)"  # the fourth, which no body has
FAILING_TABLE = "name;kappaMess\nmit Messung;45\nohne Messung;0\n"
FAILING_ERROR = "Laufzeitfehler 5: Ungültiger Prozeduraufruf oder ungültiges Argument"
MARKER = "left by another program"


def type_into(window, box, text):
    window.click(box)
    window.keys("ctrl+a", "BackSpace")
    if text:
        run("xdotool", "type", text)


def expected_rows(calc, folder):
    """The six results of each body as quelbor-calc --batch gives them for a ';' table."""
    table = os.path.join(folder, "expected-in.csv")
    fields = ["rhoSE", "Xanf", "ksiSE"]
    defaults = {"rhoSE": "1850", "Xanf": "0,25", "ksiSE": "6,2"}
    with open(table, "w", encoding="utf-8") as out:
        out.write("name;" + ";".join(fields) + "\n")
        for name, inputs in BODIES:
            out.write(name + ";" + ";".join(inputs.get(f, defaults[f]) for f in fields) + "\n")
    output = subprocess.run([calc, "--batch", table], check=True, capture_output=True,
                            encoding="utf-8").stdout.splitlines()
    os.remove(table)
    return [line.split(";")[8:14] for line in output[1:]]


def table_rows(window):
    """The comparison's table as Ctrl+Shift+C copies it: its rows of cells, captions left out.
    A window just mapped may not have the keyboard yet: the keys are pressed again until the
    copy comes."""
    set_selection("clipboard", MARKER)
    deadline = time.monotonic() + TIMEOUT
    while selection() == MARKER and time.monotonic() < deadline:
        window.shortcut("ctrl+shift+c")
        poll_until = time.monotonic() + 1.0
        while selection() == MARKER and time.monotonic() < poll_until:
            time.sleep(0.05)
    copied = selection()
    if copied == MARKER:
        sys.exit(f"Ctrl+Shift+C in the comparison: expected its table copied, saw {MARKER!r}")
    return [line.split("\t") for line in copied.splitlines()[1:]]


def colour_pixels(screenshot, region, colour):
    """How many pixels of the region (left, top, width, height) have about the colour."""
    left, top, width, height = region
    mean = run(
        "/usr/bin/convert", screenshot, "-crop", f"{width}x{height}+{left}+{top}", "+repage",
        "-fuzz", "6%", "-fill", "white", "+opaque", colour, "-fill", "black", "-opaque", colour,
        "-colorspace", "gray", "-format", "%[fx:mean]", "info:",
    )
    return round((1.0 - float(mean)) * width * height)


def chart_faults(comparison, screenshot):
    """Both charts fill the lower half of the window, the diffusivity's on the left three
    fifths; each must hold the curves of the three bodies in their colours, and no other.
    Returns what is amiss, or nothing."""
    run("import", "-window", "root", screenshot)
    x, y = comparison.origin()
    width, height = comparison.client_size()
    top = y + height * 55 // 100
    charts = {
        "the diffusivity chart": (x, top, width * 58 // 100, y + height - top),
        "the shrinkage chart": (x + width * 62 // 100, top, width * 38 // 100, y + height - top),
    }
    for chart, region in charts.items():
        counts = [colour_pixels(screenshot, region, colour) for colour in COLOURS]
        if min(counts) < 300:
            return f"{chart}: expected three curves of {COLOURS}, saw {counts} pixels of them"
        other = colour_pixels(screenshot, region, UNUSED_COLOUR)
        if other > 20:
            return f"{chart}: expected no pixels of {UNUSED_COLOUR}, saw {other}"
    return None


def workbook_results(path):
    """The six result cells of each body's row in a saved workbook, as numbers; None for a cell
    that is no number."""
    with zipfile.ZipFile(path) as book:
        sheet = book.read("xl/worksheets/sheet1.xml").decode("utf-8")
    numbers = dict(re.findall(r'<c r="([A-Z]+[0-9]+)"(?: s="[0-9]+")?><v>([^<]*)</v></c>', sheet))
    return [[float(numbers[cell]) if cell in numbers else None
             for cell in (f"{column}{row}" for column in "IJKLMN")]
            for row in range(2, 2 + len(BODIES))]


def start(binary, folder):
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=SETTINGS.name)
    program = subprocess.Popen([binary], cwd=folder, env=environment)
    ident = run("xdotool", "search", "--sync", "--limit", "1", "--name", "^" + CAPTION + "$")
    window = Window(ident.split()[0])
    run("xdotool", "windowfocus", "--sync", window.ident)
    return program, window


def to_front(window):
    """Without a window manager a window is raised by the program's own request only."""
    run("xdotool", "windowraise", window.ident)


def calculate(window, name, inputs):
    to_front(window)
    type_into(window, NAME_BOX, name)
    for field, box in INPUT_BOXES.items():
        type_into(window, box, inputs.get(field, {"rhoSE": "1850", "Xanf": "0,25",
                                                  "ksiSE": "6,2"}[field]))
    window.click(RECHNE)


def save_in_dialog(screen, comparison, keys, title, path):
    dialog = screen.dialog(keys, title, comparison)
    run("xdotool", "type", path)
    # On a busy machine the dialog's completer may still show its list when Return comes and
    # take it for itself; a further Return then accepts the name.
    for _ in range(3):
        comparison.keys("Return")
        deadline = time.monotonic() + 3
        while dialog.window.id in screen.update().shown and time.monotonic() < deadline:
            time.sleep(0.05)
        if dialog.window.id not in screen.update().shown:
            return
    screen.wait_closed(f"the dialog {title!r} after Return", dialog)


def first_session(arguments, folder, saved, expected):
    program, window = start(arguments.binary, folder)
    try:
        screen = Screen()
        # Nothing kept before "Rechne !": the comparison opened on its own keys stays empty.
        window.shortcut("ctrl+shift+v")
        opened = screen.opened_by("Ctrl+Shift+O", lambda: window.shortcut("ctrl+shift+o"))
        comparison = Window(str(opened.window.id))
        if opened.window.get_wm_name() != "Vergleich":
            sys.exit(f"Ctrl+Shift+O: expected the window 'Vergleich', saw {opened.window.get_wm_name()!r}")
        rows = table_rows(comparison)
        if rows:
            sys.exit(f"Ctrl+Shift+V before \"Rechne !\": expected no body kept, saw {rows}")

        for name, inputs in BODIES:
            calculate(window, name, inputs)
            wait_for("the window grows to the result state",
                     lambda: within(RESULT_CLIENT_MIN, window.client_size()), True)
            window.shortcut("ctrl+shift+v")
            wait_for(f"Ctrl+Shift+V keeps {name}", lambda: len(table_rows(comparison)),
                     BODIES.index((name, inputs)) + 1)
            to_front(window)
            window.click(NOCHMAL)
            wait_for("the window shrinks to the input state",
                     lambda: within(window.client_size(), INPUT_CLIENT_MAX), True)
        window.shortcut("ctrl+shift+v")  # after "Nochmal !"

        report = screen.opened_by("a failing calculation",
                                  lambda: calculate(window, "ohne Dichte", {"rhoSE": ""}))
        window.keys("Return")
        screen.wait_closed("the error report after Return", report)
        window.shortcut("ctrl+shift+v")  # after a failed calculation
        to_front(window)
        window.click(NOCHMAL)

        rows = table_rows(comparison)
        seen = [[row[0], *row[8:14], row[14]] for row in rows]
        wanted = [[name, *results, ""] for (name, _), results in zip(BODIES, expected)]
        if seen != wanted:
            sys.exit(f"the comparison's table: expected {wanted}, saw {seen}")

        run("xdotool", "windowmove", "--sync", comparison.ident, "0", "0")
        to_front(comparison)
        screenshot = arguments.screenshot or tempfile.mktemp(suffix=".png")
        faults = poll(lambda: chart_faults(comparison, screenshot), None)  # once painted
        if faults:
            sys.exit(faults)

        # The view as a drawing: the names stay text.
        view = os.path.join(folder, "Vergleich.svg")
        save_in_dialog(screen, comparison, "ctrl+shift+s", "Ansicht speichern", view)
        wait_for(f"Ctrl+Shift+S, then {view}", lambda: os.path.exists(view), True)
        with open(view, encoding="utf-8") as drawing:
            texts = drawing.read()
        if "<svg" not in texts or any(f">{name}<" not in texts for name, _ in BODIES):
            sys.exit(f"{view}: expected an SVG with the names {[n for n, _ in BODIES]} as text")

        printing = screen.dialog("ctrl+p", "Drucken", comparison)
        comparison.keys("Escape")
        screen.wait_closed("the print dialog after Escape", printing)

        # Unsaved, the program asks before it ends; Escape keeps it running.
        question = screen.opened_by("closing with unsaved bodies", window.close)
        if question.window.get_wm_name() != "Vergleich":
            sys.exit(f"closing unsaved: expected the question 'Vergleich', saw {question.window.get_wm_name()!r}")
        comparison.keys("Escape")
        screen.wait_closed("the question after Escape", question)
        if program.poll() is not None:
            sys.exit("closing unsaved and cancelling: expected the program running, it ended")

        save_in_dialog(screen, comparison, "ctrl+s", "Vergleich speichern", saved)
        wait_for(f"Ctrl+S, then {saved}", lambda: os.path.exists(saved), True)
        # The same as a workbook: the results stored as numbers.
        workbook = os.path.join(folder, "Vergleich.xlsx")
        save_in_dialog(screen, comparison, "ctrl+s", "Vergleich speichern", workbook)
        wait_for(f"Ctrl+S, then {workbook}", lambda: os.path.exists(workbook), True)
        numbers = workbook_results(workbook)
        wanted = [[float(result.replace(",", ".")) for result in results] for results in expected]
        if numbers != wanted:
            sys.exit(f"{workbook}: expected the results as numbers {wanted}, saw {numbers}")
        close_program(program, window, "closing after saving")
        return rows
    finally:
        if program.poll() is None:
            program.kill()


def opened_rows(arguments, folder, table):
    """Starts the program again, opens the table into its comparison and returns its rows;
    a comparison that is the file's only closes without a question, with status 0."""
    program, window = start(arguments.binary, folder)
    try:
        screen = Screen()
        opened = screen.opened_by("Ctrl+Shift+O", lambda: window.shortcut("ctrl+shift+o"))
        comparison = Window(str(opened.window.id))
        save_in_dialog(screen, comparison, "ctrl+o", "Vergleich öffnen", table)
        poll(lambda: len(table_rows(comparison)) > 0, True)
        rows = table_rows(comparison)
        close_program(program, window, f"closing after opening {table}")
        return rows
    finally:
        if program.poll() is None:
            program.kill()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("calc")
    parser.add_argument("--screenshot")
    arguments = parser.parse_args()
    with tempfile.TemporaryDirectory(prefix="comparison_e2e.") as folder:
        expected = expected_rows(arguments.calc, folder)
        saved = os.path.join(folder, "Vergleich.csv")
        rows = first_session(arguments, folder, saved, expected)
        reopened = opened_rows(arguments, folder, saved)
        if reopened != rows:
            sys.exit(f"{saved} opened again: expected {rows}, saw {reopened}")
        failing = os.path.join(folder, "failing.csv")
        with open(failing, "w", encoding="utf-8") as table:
            table.write(FAILING_TABLE)
        errors = [row[14] for row in opened_rows(arguments, folder, failing)]
        if errors != ["", FAILING_ERROR]:
            sys.exit(f"{failing} opened: expected the errors {['', FAILING_ERROR]}, saw {errors}")
    print("comparison end to end: three bodies kept with the batch's results, three colours in"
          " both charts, asked before closing unsaved, saved and opened again alike, a failing"
          " row's error in its row")


if __name__ == "__main__":
    main()

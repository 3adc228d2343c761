"""The built window program as a user runs it, seen only from outside the process.

Started on the X server of DISPLAY under the regional settings of the environment, in a
folder of its own, the window first offers nothing for a result: Ctrl+Shift+C leaves the
clipboard as it was and a right click opens no menu. It gets a mouse click on "Rechne !", its
six result texts are copied out through the clipboard (click into the box, Ctrl+A, Ctrl+C) and
a screenshot must show ink in both charts. Then Ctrl+Shift+C and the context menu's
"Ergebnisse kopieren" must put the inputs and results on the clipboard as a table, Escape must
close the menu, Ctrl+S must save a PDF (the lab report, once its details are confirmed) and
an SVG file through the file dialog and nothing when the dialog is cancelled, Ctrl+P must
open the print dialog and Escape close it.
"Nochmal !" must shrink the window again, where nothing is offered any more, and closing the
window must end the program with status 0, with no file left in its folder but the two saved.

    window_e2e.py QUELBOR_BINARY EXPECTED_RESULT... [--screenshot FILE]
"""

import argparse
import os
import string
import subprocess
import sys
import tempfile
import time

from Xlib import X, display
from Xlib.protocol import event

CAPTION = " Quelbor v. 1.4 vom 29.05.2006  -  Berechnung von Trocknungskenndaten"

# Places on the window, in twips (15 to a pixel): Left, Top, Width, Height.
RECHNE = (4500, 510, 1095, 345)
NOCHMAL = (4305, 495, 1410, 390)
RESULT_BOXES = {
    "txt_psianf": (4560, 3960, 975, 250),
    "txt_XSE": (4560, 4230, 975, 250),
    "txt_psiSE": (4560, 4500, 975, 250),
    "txt_psi25": (4560, 4770, 975, 250),
    "txt_kappa2525": (4560, 5040, 975, 250),
    "txt_kappaGrenz": (4560, 5310, 975, 250),
}
FIRST_INPUT = ((4560, 1305, 975, 250), "1850")  # txt_rhoSE and its text
MENU_SPOT = (270, 585, 1800, 345)  # the label "Eingabedaten:", outside every text box
CHARTS = {
    "pic_kappa": (7110, 1155, 6825, 6765),
    "pic_Schwindung": (840, 6150, 4875, 3075),
}
RESULT_CLIENT_MIN = (900, 640)  # the result state's client area is larger than this, in pixels
INPUT_CLIENT_MAX = (420, 280)  # and the input state's smaller than this

# The clipboard table: the captions of the name, the seven inputs and the six results from top
# to bottom, then the texts beside them.
TABLE_CAPTIONS = [
    "Bezeichnung",
    "Dichte der getrockneten Masse in kg/m³",
    "Anfangswasserbeladung in kg/kg atro",
    "Lineare Trockenschwindung in %",
    "Feuchteleitkoeffizient in 10^(-9) m²/s",
    "bei Messtemperatur in °C",
    "und Wasserbeladung in kg/kg atro",
    "Kappa-Steigung unter Grenzfeuchte ( 6...10 )",
    "Vol. Anfangswassergehalt in m³/m³",
    "Grenzwasserbeladung in kg/kg atro",
    "Vol. Grenzwassergehalt in m³/m³",
    "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³",
    "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s",
    "Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s",
]
DEFAULT_NAME = "Testmasse ABC von Ziegelei XYZ"
DEFAULT_INPUTS = ["1850", "0,25", "6,2", "45", "20,5", "0,185", "7"]

MARKER = "left by another program"
SAVED = ["result.pdf", "result.svg"]
REPORT_FIELDS = "Angaben zum Bericht"
SETTINGS = tempfile.TemporaryDirectory(prefix="quelbor-settings-")

TIMEOUT = 10.0


def within(size, limit):
    return all(a <= b for a, b in zip(size, limit))


def pixels(twips):
    return round(twips / 15)


def centre(box):
    left, top, width, height = box
    return pixels(left + width / 2), pixels(top + height / 2)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, encoding="utf-8").stdout


def poll(probe, expected):
    """Polls probe() until it returns expected or TIMEOUT has passed; returns what it saw last."""
    deadline = time.monotonic() + TIMEOUT
    seen = probe()
    while seen != expected and time.monotonic() < deadline:
        time.sleep(0.05)
        seen = probe()
    return seen


def wait_for(what, probe, expected):
    """Polls probe() until it returns expected; fails saying what was expected and seen."""
    seen = poll(probe, expected)
    if seen != expected:
        sys.exit(f"{what}: expected {expected!r}, saw {seen!r} after {TIMEOUT} s")


def close_program(program, window, what):
    """Closes the main window; the program must then end with status 0."""
    window.close()
    status = program.wait(timeout=TIMEOUT)
    if status != 0:
        sys.exit(f"{what}: expected status 0, saw {status}")


def selection(name="clipboard"):
    """The selection's text, or None while no program owns it (xclip then exits non-zero):
    right after set_selection the background xclip may not have taken it yet."""
    read = subprocess.run(["xclip", "-o", "-selection", name], capture_output=True, encoding="utf-8")
    return read.stdout if read.returncode == 0 else None


def set_selection(name, text):
    """Puts the text on the selection as another program does; xclip serves it in the background."""
    subprocess.run(
        ["xclip", "-i", "-selection", name], input=text, encoding="utf-8", check=True,
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
    )
    wait_for(f"xclip owns the {name} selection", lambda: selection(name), text)


def expected_table(results):
    """The window shows the default inputs with a decimal comma, which the calculation reads
    as it reads a point; a spreadsheet under the regional settings reads them only with the
    decimal separator the results show."""
    separator = results[0].strip(string.digits)
    inputs = [text.replace(",", separator) for text in DEFAULT_INPUTS]
    return "\t".join(TABLE_CAPTIONS) + "\n" + "\t".join([DEFAULT_NAME, *inputs, *results]) + "\n"


class Screen:
    """The windows the X server maps on its screen from now on, as it reports them."""

    def __init__(self):
        self.x = display.Display()
        self.x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.x.sync()
        self.opened = []  # every window mapped, as the MapNotify events tell
        self.shown = set()  # the ids of those still mapped

    def update(self):
        while self.x.pending_events():
            report = self.x.next_event()
            if report.type == X.MapNotify:
                self.opened.append(report)
                self.shown.add(report.window.id)
            elif report.type == X.UnmapNotify:
                self.shown.discard(report.window.id)
        return self

    def opened_by(self, what, action):
        """Runs the action and returns the MapNotify of the first window it opens."""
        count = len(self.update().opened)
        action()
        if not poll(lambda: len(self.update().opened) > count, True):
            sys.exit(f"{what}: expected a window to open, saw none after {TIMEOUT} s")
        return self.opened[count]

    def wait_closed(self, what, opened):
        if poll(lambda: opened.window.id in self.update().shown, False):
            sys.exit(f"{what}: expected the window closed, saw it open after {TIMEOUT} s")

    def dialog(self, keys, title, window):
        """Presses the keys on the window and returns the dialog they must open."""
        opened = self.opened_by(keys, lambda: window.shortcut(keys))
        name = opened.window.get_wm_name()
        if name != title:
            sys.exit(f"{keys}: expected the dialog {title!r}, saw a window {name!r}")
        return opened


class Window:
    def __init__(self, ident):
        self.ident = ident
        self.x = display.Display()
        self.window = self.x.create_resource_object("window", int(ident))

    def click(self, box, button=1):
        x, y = centre(box)
        run("xdotool", "mousemove", "--window", self.ident, str(x), str(y), "click", str(button))

    def keys(self, *keys):
        run("xdotool", "key", "--clearmodifiers", *keys)

    def shortcut(self, keys):
        """Keys for the window itself, which gets the focus first as a window manager gives it
        back after a dialog."""
        run("xdotool", "windowfocus", "--sync", self.ident)
        self.keys(keys)

    def client_size(self):
        geometry = self.window.get_geometry()
        return geometry.width, geometry.height

    def origin(self):
        translated = self.window.translate_coords(self.x.screen().root, 0, 0)
        return translated.x, translated.y

    def text_of(self, box):
        """The box's text as a user gets it out: select it all and copy it."""
        set_selection("clipboard", MARKER)
        self.click(box)
        self.keys("ctrl+a", "ctrl+c")
        wait_for("Ctrl+C in a box replaces the clipboard", lambda: selection() != MARKER, True)
        return selection()

    def close(self):
        """What the close button of a window manager sends."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        message = event.ClientMessage(
            window=self.window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])
        )
        self.window.send_event(message)
        self.x.flush()


def check_nothing_offered(window, screen, when):
    """Ctrl+Shift+C leaves the clipboard alone and a right click opens no window. The window
    has handled both once the text of a box clicked into after them is the primary selection."""
    set_selection("clipboard", MARKER)
    set_selection("primary", MARKER)
    count = len(screen.update().opened)
    window.shortcut("ctrl+shift+c")
    window.click(MENU_SPOT, button=3)
    box, text = FIRST_INPUT
    window.click(box)
    window.keys("ctrl+a")
    handled = poll(lambda: selection("primary"), text)
    opened = screen.update().opened[count:]
    if opened:
        sys.exit(f"a right click {when}: expected no menu, saw {len(opened)} window(s) open")
    if handled != text:
        sys.exit(f"selecting a box's text {when}: expected {text!r} selected, saw {handled!r}")
    copied = selection()
    if copied != MARKER:
        sys.exit(f"Ctrl+Shift+C {when}: expected the clipboard left as {MARKER!r}, saw {copied!r}")


def open_menu(window, screen):
    menu = screen.opened_by("a right click", lambda: window.click(MENU_SPOT, button=3))
    if not menu.override:
        sys.exit(f"a right click: expected a menu, saw the window {menu.window.get_wm_name()!r}")
    return menu


def choose_copy_in_menu(window, screen):
    menu = open_menu(window, screen)
    window.keys("Down", "Down", "Down", "Return")  # the third entry, "Ergebnisse kopieren"
    screen.wait_closed("the context menu after its entry was chosen", menu)


def check_result_offered(window, screen, table, folder, first_result):
    """The table copied by keys and by menu; files saved and a dialog cancelled; printing."""
    menu = open_menu(window, screen)
    window.keys("Escape")
    screen.wait_closed("the context menu after Escape", menu)
    copies = {
        "Ctrl+Shift+C": lambda: window.shortcut("ctrl+shift+c"),
        "the context menu's \"Ergebnisse kopieren\"": lambda: choose_copy_in_menu(window, screen),
    }
    for what, copy in copies.items():
        set_selection("clipboard", MARKER)
        copy()
        copied = poll(selection, table)
        if copied != table:
            sys.exit(f"the clipboard after {what}: expected the table\n{table}saw\n{copied}")

    # The names typed into the save dialog, and what the file saved under each must hold.
    saves = {
        SAVED[0]: (lambda data: data.startswith(b"%PDF"), "a file starting with %PDF"),
        SAVED[1]: (
            lambda data: b"<svg" in data and f">{first_result}<".encode() in data,
            f"a file holding <svg and the text {first_result}",
        ),
    }
    for name, (holds, described) in saves.items():
        path = os.path.join(folder, name)
        dialog = screen.dialog("ctrl+s", "Ergebnis speichern", window)
        run("xdotool", "type", path)  # over the proposed name, which is selected
        if name.endswith(".pdf"):
            # A PDF is the lab report: its details are asked for next, and taken as proposed.
            fields = screen.opened_by(f"Return in the save dialog for {name}",
                                      lambda: window.keys("Return"))
            title = fields.window.get_wm_name()
            if title != REPORT_FIELDS:
                sys.exit(f"saving {name}: expected the dialog {REPORT_FIELDS!r}, saw {title!r}")
            screen.wait_closed(f"the save dialog after {name} and Return", dialog)
            dialog = fields
        window.keys("Return")
        screen.wait_closed(f"the save dialog after {name} and Return", dialog)
        wait_for(f"Ctrl+S, then {path}", lambda: os.path.exists(path), True)
        with open(path, "rb") as saved:
            data = saved.read()
        if not holds(data):
            sys.exit(f"Ctrl+S, then {path}: expected {described}, saw {data[:200]!r} ...")

    # Cancelled, the dialog writes nothing: at the end the folder holds the saved files only.
    dialog = screen.dialog("ctrl+s", "Ergebnis speichern", window)
    window.keys("Escape")
    screen.wait_closed("the save dialog after Escape", dialog)

    dialog = screen.dialog("ctrl+p", "Drucken", window)
    window.keys("Escape")
    screen.wait_closed("the print dialog after Escape", dialog)


def ink_fraction(screenshot, origin, box):
    """The share of pixels inside the box (its frame left out) that are not white."""
    left, top, width, height = (pixels(v) for v in box)
    crop = f"{width - 4}x{height - 4}+{origin[0] + left + 2}+{origin[1] + top + 2}"
    white_share = run(
        "/usr/bin/convert", screenshot, "-crop", crop, "+repage", "-fuzz", "10%",
        "-fill", "black", "+opaque", "white", "-fill", "white", "-opaque", "white",
        "-colorspace", "gray", "-format", "%[fx:mean]", "info:",
    )
    return 1.0 - float(white_share)


def run_program(arguments, folder):
    """Runs the program in the folder through both states; returns the results it showed."""
    # The platform under test is the X server, whatever the caller's environment names.
    # The lab and operator a report keeps go into settings of the test's own.
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb",
                       XDG_CONFIG_HOME=SETTINGS.name)
    program = subprocess.Popen([arguments.binary], cwd=folder, env=environment)
    try:
        ident = run("xdotool", "search", "--sync", "--limit", "1", "--name", "^" + CAPTION + "$")
        window = Window(ident.split()[0])
        run("xdotool", "windowfocus", "--sync", window.ident)
        wait_for("the window at start is small", lambda: within(window.client_size(), INPUT_CLIENT_MAX), True)
        screen = Screen()
        check_nothing_offered(window, screen, "at start")

        window.click(RECHNE)
        wait_for(
            "the window grows to the result state",
            lambda: within(RESULT_CLIENT_MIN, window.client_size()),
            True,
        )
        shown = [window.text_of(box) for box in RESULT_BOXES.values()]
        if shown != arguments.expected:
            sys.exit(f"results: expected {arguments.expected}, saw {shown}")

        screenshot = arguments.screenshot or tempfile.mktemp(suffix=".png")
        run("import", "-window", "root", screenshot)
        for name, box in CHARTS.items():
            ink = ink_fraction(screenshot, window.origin(), box)
            if ink < 0.02:
                sys.exit(f"{name}: expected a drawn chart, saw {ink:.1%} of its pixels inked")

        check_result_offered(window, screen, expected_table(arguments.expected), folder, shown[0])
        status = program.poll()
        if status is not None:
            sys.exit(f"after the print dialog: expected the program running, saw status {status}")

        window.click(NOCHMAL)
        wait_for("the window shrinks to the input state", lambda: within(window.client_size(), INPUT_CLIENT_MAX), True)
        check_nothing_offered(window, screen, 'after "Nochmal !"')

        close_program(program, window, "closing the window")
    finally:
        if program.poll() is None:
            program.kill()
    return shown


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("expected", nargs=6)
    parser.add_argument("--screenshot")
    arguments = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="window_e2e.") as folder:
        shown = run_program(arguments, folder)
        left = sorted(os.listdir(folder))
    if left != SAVED:
        sys.exit(f"the program's folder: expected only {SAVED}, saw {left}")
    print(
        "window end to end: results " + " ".join(shown) + ", both charts drawn, table copied by"
        " keys and menu, PDF and SVG saved, print dialog opened, closed with 0"
    )


if __name__ == "__main__":
    main()

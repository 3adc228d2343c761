"""The built window program as a user runs it, seen only from outside the process.

Started on the X server of DISPLAY under the regional settings of the environment, the window
gets a mouse click on "Rechne !", its six result texts are copied out through the clipboard
(click into the box, Ctrl+A, Ctrl+C), a screenshot must show ink in both charts, "Nochmal !"
must shrink the window again, and closing the window must end the program with status 0.

    window_e2e.py QUELBOR_BINARY EXPECTED_RESULT... [--screenshot FILE]
"""

import argparse
import os
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
CHARTS = {
    "pic_kappa": (7110, 1155, 6825, 6765),
    "pic_Schwindung": (840, 6150, 4875, 3075),
}
RESULT_CLIENT_MIN = (900, 640)  # the result state's client area is larger than this, in pixels
INPUT_CLIENT_MAX = (420, 280)  # and the input state's smaller than this

TIMEOUT = 10.0


def within(size, limit):
    return all(a <= b for a, b in zip(size, limit))


def pixels(twips):
    return round(twips / 15)


def centre(box):
    left, top, width, height = box
    return pixels(left + width / 2), pixels(top + height / 2)


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def wait_for(what, probe, expected):
    """Polls probe() until it returns expected; fails saying what was expected and seen."""
    deadline = time.monotonic() + TIMEOUT
    seen = probe()
    while seen != expected and time.monotonic() < deadline:
        time.sleep(0.05)
        seen = probe()
    if seen != expected:
        sys.exit(f"{what}: expected {expected!r}, saw {seen!r} after {TIMEOUT} s")


class Window:
    def __init__(self, ident):
        self.ident = ident
        self.x = display.Display()
        self.window = self.x.create_resource_object("window", int(ident))

    def click(self, box):
        x, y = centre(box)
        run("xdotool", "mousemove", "--window", self.ident, str(x), str(y), "click", "1")

    def keys(self, *keys):
        run("xdotool", "key", "--clearmodifiers", *keys)

    def client_size(self):
        geometry = self.window.get_geometry()
        return geometry.width, geometry.height

    def origin(self):
        translated = self.window.translate_coords(self.x.screen().root, 0, 0)
        return translated.x, translated.y

    def text_of(self, box):
        """The box's text as a user gets it out: select it all and copy it."""
        self.click(box)
        self.keys("ctrl+a", "ctrl+c")
        time.sleep(0.1)
        return run("xclip", "-o", "-selection", "clipboard")

    def close(self):
        """What the close button of a window manager sends."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        message = event.ClientMessage(
            window=self.window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0])
        )
        self.window.send_event(message)
        self.x.flush()


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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("binary")
    parser.add_argument("expected", nargs=6)
    parser.add_argument("--screenshot")
    arguments = parser.parse_args()

    program = subprocess.Popen([arguments.binary])
    try:
        ident = run("xdotool", "search", "--sync", "--limit", "1", "--name", "^" + CAPTION + "$")
        window = Window(ident.split()[0])
        run("xdotool", "windowfocus", "--sync", window.ident)
        wait_for("the window at start is small", lambda: within(window.client_size(), INPUT_CLIENT_MAX), True)

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

        window.click(NOCHMAL)
        wait_for("the window shrinks to the input state", lambda: within(window.client_size(), INPUT_CLIENT_MAX), True)

        window.close()
        status = program.wait(timeout=TIMEOUT)
        if status != 0:
            sys.exit(f"the program ended with status {status}, expected 0")
    finally:
        if program.poll() is None:
            program.kill()
    print("window end to end: results " + " ".join(shown) + ", both charts drawn, closed with 0")


if __name__ == "__main__":
    main()

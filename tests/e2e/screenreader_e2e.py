#!/usr/bin/python3
"""The window as a screen reader meets it: the real program on the AT-SPI bus.

Starts quelbor twice on the X server of DISPLAY (xvfb-run) and the session bus of
DBUS_SESSION_BUS_ADDRESS (dbus-run-session), reads the accessibility tree with pyatspi, presses
"Rechne !" in the first window through its accessible action and reads the six results by
their names; the second window stays untouched. Then both windows are closed as a window
manager closes them, and each process must end with status 0.

With --wayland the two windows open on a headless Weston compositor of their own instead
(Qt's wayland platform) and are ended by a signal afterwards: there is no window manager
outside the compositor to close them.

    dbus-run-session -- xvfb-run -a tests/e2e/screenreader_e2e.py build/dev/desktop/quelbor
    dbus-run-session -- tests/e2e/screenreader_e2e.py --wayland build/dev/desktop/quelbor
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from Xlib import X, display, protocol

TIMEOUT = 20

# The text boxes and buttons by the names a screen reader reads, with the start of their
# descriptions; the results with what "Rechne !" writes under German settings.
INPUTS = {
    "Dichte der getrockneten Masse in kg/m³": "Eingabe für die Berechnung",
    "Diff.-Widerstandszahl der trockenen Masse": "Eingabe, geht nicht in die Berechnung ein",
    "bei Messtemperatur in °C": "Eingabe für die Berechnung: Temperatur",
}
RESULTS = {
    "Vol. Anfangswassergehalt in m³/m³": "0,382",
    "Grenzwasserbeladung in kg/kg atro": "0,136",
    "Vol. Grenzwassergehalt in m³/m³": "0,251",
    "Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³": "0,382",
    "Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s": "74,2",
    "Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s": "32,0",
}
FOCUSABLE_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON)


def wait_for(what, probe):
    """Returns probe()'s first true value; fails naming what was awaited and last seen."""
    seen = None
    end = time.monotonic() + TIMEOUT
    while time.monotonic() < end:
        ok, seen = probe()
        if ok:
            return seen
        time.sleep(0.1)
    if isinstance(seen, dict):
        seen = sorted(seen)
    sys.exit(f"FAIL: waited {TIMEOUT} s for {what}; last seen: {seen!r}")


def applications(pids):
    found = {}
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() in pids:
            found[app.get_process_id()] = app
    return len(found) == len(pids), found


def controls(app):
    """Every text box and button of the application's window by accessible name."""
    named = {}
    for node in pyatspi.findAllDescendants(app, lambda n: n.getRole() in FOCUSABLE_ROLES):
        if not node.name.strip():
            sys.exit(f"FAIL: a {node.getRoleName()} without a name")
        named[node.name] = node
    return named


def all_named(app):
    named = controls(app)
    return "Rechne !" in named and all(name in named for name in RESULTS), named


def results_are(named, expected):
    shown = [text_of(named[name]) for name in RESULTS]
    return shown == expected, shown


def text_of(node):
    return node.queryText().getText(0, -1)


def check_descriptions(named):
    for name, description in INPUTS.items():
        if not named[name].description.startswith(description):
            sys.exit(f"FAIL: {name!r} described as {named[name].description!r}")
    for name in RESULTS:
        if named[name].description != "Berechnetes Ergebnis":
            sys.exit(f"FAIL: result {name!r} described as {named[name].description!r}")


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    actions.doAction(names.index("Press"))


def close_windows(pid):
    """Asks each top-level window of the process to close, as a window manager does."""
    x = display.Display()
    root = x.screen().root
    protocols = x.intern_atom("WM_PROTOCOLS")
    delete = x.intern_atom("WM_DELETE_WINDOW")
    pid_atom = x.intern_atom("_NET_WM_PID")
    for window in root.query_tree().children:
        owner = window.get_full_property(pid_atom, X.AnyPropertyType)
        if owner and owner.value[0] == pid and window.get_attributes().map_state == X.IsViewable:
            event = protocol.event.ClientMessage(
                window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(event)
    x.sync()


def start_weston(environment):
    """A headless Weston with a socket in a runtime folder of its own; sets up the environment
    for Qt's wayland platform on it."""
    runtime = tempfile.mkdtemp(prefix="quelbor-weston-")
    socket = "quelbor-test"
    environment.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland")
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={socket}",
         "--idle-time=0"], env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("Weston's socket",
             lambda: (os.path.exists(os.path.join(runtime, socket)), os.listdir(runtime)))
    return weston, runtime


def main():
    wayland = sys.argv[1] == "--wayland"
    program = sys.argv[-1]
    environment = {key: value for key, value in os.environ.items() if not key.startswith("LC_")}
    # The X server unless Weston is asked for, whatever the caller's environment names.
    environment.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="de_DE.UTF-8", QT_QPA_PLATFORM="xcb")
    compositor, runtime = start_weston(environment) if wayland else (None, None)
    windows = [subprocess.Popen([program], env=environment) for _ in range(2)]
    try:
        pids = [window.pid for window in windows]
        apps = wait_for("both windows on the accessibility bus", lambda: applications(pids))
        first = wait_for("the first window's controls", lambda: all_named(apps[pids[0]]))
        check_descriptions(first)
        press(first["Rechne !"])
        expected = list(RESULTS.values())
        shown = wait_for(f"the results {expected}", lambda: results_are(first, expected))
        second = controls(apps[pids[1]])
        untouched = [text_of(second[name]) for name in RESULTS]
        if any(untouched):
            sys.exit(f"FAIL: the second window shows results {untouched} it never calculated")
        if wayland:
            print(f"wayland check ok: results {shown} read by name")
            return
        for window in windows:
            close_windows(window.pid)
            status = window.wait(TIMEOUT)
            if status != 0:
                sys.exit(f"FAIL: closing the window ended quelbor with status {status}")
        print(f"screen reader check ok: results {shown} read by name, both windows closed")
    finally:
        for process in windows + ([compositor] if compositor else []):
            if process.poll() is None:
                process.kill()
                process.wait()
        if runtime:
            shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()

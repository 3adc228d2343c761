#!/usr/bin/env python3
"""The files quelbor-calc and quelbor write, under the faults a lab meets.

    files_e2e.py QUELBOR_CALC QUELBOR

Each case sets up a folder (a measured table, an older result), runs one command as a shell
runs it, and then compares every file of the folder byte for byte with what must be there: the
input unchanged, an old result either kept or replaced by a complete new one, no temporary file
left (but after SIGKILL). A full disk is a small tmpfs mounted for the test; where mounting is
refused (not root), the test fails and says so.
"""

import os
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time
from pathlib import Path

CALC, WINDOW = (str(Path(p).resolve()) for p in sys.argv[1:3])

HEADER = "Probe;rhoSE;Xanf;Xmess;ksiSE;kappaMess;thetaMess;KappaSteig\n"
SAMPLES = HEADER + "Ton A;1850;0,25;0,185;6,2;45;20,5;7\nTon B;1905;0,22;0,17;5,1;52;21;7\n"
RESULT_HEADER = HEADER.rstrip("\n") + ";txt_psianf;txt_XSE;txt_psiSE;txt_psi25;txt_kappa2525;txt_kappaGrenz;error\n"
OLD_RESULT = RESULT_HEADER + "Alt;1850;0,25;0,185;6,2;45;20,5;7;0,382;0,136;0,251;0,382;74,2;32,0;\n"
NEW_RESULT = (RESULT_HEADER
              + "Ton A;1850;0,25;0,185;6,2;45;20,5;7;0,382;0,136;0,251;0,382;74,2;32,0;\n"
              + "Ton B;1905;0,22;0,17;5,1;52;21;7;0,358;0,131;0,249;0,388;94,8;39,0;\n")
# German spreadsheets: Windows-1252 with a sep= hint, and "Unicode-Text" (UTF-16, tabs).
CP1252 = ("sep=;\r\n" + HEADER.replace("\n", "\r\n") + "Ton M\xfcller;1850;0,25;0,185;6,2;45;20,5;7\r\n").encode("cp1252")
UTF16 = "\ufeff" + HEADER.replace(";", "\t") + "Ton M\xfcller\t1850\t0,25\t0,185\t6,2\t45\t20,5\t7\n"

failures = []


def files_of(folder):
    """Every entry of the folder: bytes of a regular file, or its kind."""
    found = {}
    for entry in sorted(folder.iterdir()):
        mode = entry.lstat().st_mode
        if stat.S_ISLNK(mode):
            found[entry.name] = "link to " + os.readlink(entry)
        elif stat.S_ISFIFO(mode):
            found[entry.name] = "fifo"
        elif stat.S_ISCHR(mode):
            found[entry.name] = "device"
        elif stat.S_ISREG(mode):
            found[entry.name] = entry.read_bytes()
    return found


def check(name, condition, detail):
    if not condition:
        failures.append(f"{name}: {detail}")


def run(name, folder, command, status, files, message=None, fault=None, leftover=None):
    """Runs the command in the folder; then the exit status, standard error and every file.
    A file whose name starts with `leftover` may be left."""
    process = subprocess.Popen(command, shell=True, cwd=folder,
                               stderr=subprocess.PIPE, start_new_session=True)
    if fault:
        fault(process)
    try:
        _, error = process.communicate(timeout=60)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        _, error = process.communicate()
        failures.append(f"{name}: still running after 60 s")
    error = error.decode("utf-8", "replace")
    check(name, process.returncode in (status if isinstance(status, tuple) else (status,)),
          f"exit status {process.returncode}, expected {status}; stderr: {error.strip()}")
    if message:
        check(name, message in error, f"stderr lacks {message!r}: {error.strip()!r}")
    actual = files_of(folder)
    if "full" in actual:
        files = dict(files, full="device")
    for entry, expected in files.items():
        if callable(expected):
            check(name, expected(actual.get(entry)), f"{entry} is {str(actual.get(entry))[:120]}")
        else:
            check(name, actual.get(entry) == expected, f"{entry} is {str(actual.get(entry))[:120]}")
    unexpected = {n for n in set(actual) - set(files) if not (leftover and n.startswith(leftover))}
    check(name, not unexpected, f"files left behind: {sorted(unexpected)}")


def b(text):
    return text.encode("utf-8")


def setup(folder, **files):
    """The folder with the files given and `full`, a device node of its own that is always
    full (as /dev/full): a writer that wrongly replaced a device replaces only this one."""
    for path in folder.iterdir():
        path.unlink() if not path.is_dir() else shutil.rmtree(path)
    for name, content in files.items():
        (folder / name).write_bytes(content if isinstance(content, bytes) else b(content))
    os.mknod(folder / "full", 0o666 | stat.S_IFCHR, os.makedev(1, 7))


def interrupt(sig):
    def fault(process):
        time.sleep(0.4)
        os.killpg(process.pid, sig)
    return fault


# Name, files before, command, exit status, expected files (bytes, or a test), message, and
# for a run ended from outside: the fault and the temporary file it may leave.
CASES = [
    ("table as its own output", dict(T=SAMPLES), f"{CALC} --batch T --output T", 2,
     dict(T=b(SAMPLES)), "is the table being read"),
    ("table as its own output through ./", dict(T=SAMPLES), f"{CALC} --batch T --output ./T", 2,
     dict(T=b(SAMPLES)), "is the table being read"),
    ("table as its own output through /proc", dict(T=SAMPLES),
     f"{CALC} --batch T --output /proc/self/fd/3", 2, dict(T=b(SAMPLES)), "is the table being read"),
    ("table appended to itself", dict(T=SAMPLES), f"{CALC} --batch T >> T", 2,
     dict(T=b(SAMPLES)), "is the table being read"),
    ("standard input appended to itself", dict(T=SAMPLES), f"{CALC} --batch - < T >> T", 2,
     dict(T=b(SAMPLES)), "is the table being read"),
    ("arguments swapped", dict(R=OLD_RESULT, T=SAMPLES), f"{CALC} --batch R --output T", 2,
     dict(R=b(OLD_RESULT), T=b(SAMPLES)), "holds no batch results"),
    ("swapped, but forced", dict(R=OLD_RESULT, T=SAMPLES), f"{CALC} --batch R --output T --force",
     0, dict(R=b(OLD_RESULT), T=lambda c: c is not None and c.startswith(b"Probe;")
             and b"\nAlt;1850;0,25;0,185;6,2;45;20,5;7;0,382;" in c)),
    ("wrong input onto a result", dict(W="nichts\n", R=OLD_RESULT), f"{CALC} --batch W --output R",
     2, dict(W=b"nichts\n", R=b(OLD_RESULT)), "line 1"),
    ("empty input onto a result", dict(E="", R=OLD_RESULT), f"{CALC} --batch E --output R", 2,
     dict(E=b"", R=b(OLD_RESULT)), "no header"),
    ("folder as input onto a result", dict(R=OLD_RESULT), f"mkdir D && {CALC} --batch D --output R",
     2, dict(R=b(OLD_RESULT)), "cannot be read"),
    ("UTF-16 without byte-order mark", dict(U=UTF16[1:].encode("utf-16-le"), R=OLD_RESULT),
     f"{CALC} --batch U --output R", 2,
     dict(U=UTF16[1:].encode("utf-16-le"), R=b(OLD_RESULT)), "UTF-16"),
    ("a result replaced", dict(T=SAMPLES, R=OLD_RESULT), f"{CALC} --batch T --output R", 0,
     dict(T=b(SAMPLES), R=b(NEW_RESULT))),
    ("a result through a link", dict(T=SAMPLES, R=OLD_RESULT),
     f"ln -s R L && {CALC} --batch T --output L", 0,
     dict(T=b(SAMPLES), R=b(NEW_RESULT), L="link to R")),
    ("a result into a FIFO", dict(T=SAMPLES),
     f"mkfifo F && (timeout 20 cat F > out 2>/dev/null &) && {CALC} --batch T --output F; s=$?; sleep 0.2; exit $s", 0,
     dict(T=b(SAMPLES), F="fifo", out=b(NEW_RESULT))),
    ("a Windows-1252 table with sep=", dict(T=CP1252), f"{CALC} --batch T --format jsonl --output R",
     0, dict(T=CP1252, R=lambda c: c is not None and "Ton Müller".encode() in c)),
    ("a UTF-16 table", dict(T=UTF16.encode("utf-16-le")), f"{CALC} --batch T --output R", 0,
     dict(T=UTF16.encode("utf-16-le"),
          R=lambda c: c is not None and c.decode("utf-16").count("\t0.382\t") == 2
          and "Ton Müller" in c.decode("utf-16"))),
    ("single body onto a full device", {}, f"{CALC} > full", 2, {}, "No space left"),
    ("help onto a full device", {}, f"{CALC} --help > full", 2, {}, "No space left"),
    ("version onto a closed output", {}, f"{CALC} --version >&-", 2, {}, "standard output"),
    ("batch onto a full device", dict(T=SAMPLES), f"{CALC} --batch T --output full", 2,
     dict(T=b(SAMPLES)), "full: No space left"),
    ("export through a link onto a full device", {},
     f"ln -s full F.svg && QT_QPA_PLATFORM=offscreen {WINDOW} --export F.svg", 2,
     {"F.svg": "link to full"}, "F.svg"),
    ("export into a FIFO", {},
     f"mkfifo P.png && (timeout 20 cat P.png > out 2>/dev/null &) && QT_QPA_PLATFORM=offscreen {WINDOW} --export P.png;"
     " s=$?; sleep 0.2; exit $s", 0,
     {"P.png": "fifo", "out": lambda c: c is not None and c.startswith(b"\x89PNG")}),
]
# Ended from outside: the old result stays; only SIGKILL, which no program can answer, may
# leave the hidden temporary file, named after the target.
for sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP, signal.SIGKILL):
    CASES.append((f"batch ended by {sig.name}", dict(T="big", R=OLD_RESULT),
                  f"exec {CALC} --batch T --output R", -sig,
                  dict(T=lambda c: c is not None, R=b(OLD_RESULT)), None, interrupt(sig),
                  ".R.quelbor-incomplete-" if sig == signal.SIGKILL else None))


def big_table():
    rows = "".join(f"Ton {n};1850;0,25;0,185;6,2;45;20,5;7\n" for n in range(600_000))
    return b(HEADER + rows)


def run_cases(folder):
    big = big_table()
    for name, before, command, status, after, *rest in CASES:
        setup(folder, **{k: (big if v == "big" else v) for k, v in before.items()})
        run(name, folder, command, status, after, *rest)


def two_at_once(folder):
    """Two batches onto one output: one complete output remains."""
    other = SAMPLES.replace("Ton B", "Ton C")
    setup(folder, A=SAMPLES, B=other)
    runs = [subprocess.Popen([CALC, "--batch", table, "--output", "R"], cwd=folder)
            for table in ("A", "B") for _ in range(3)]
    statuses = [process.wait(timeout=60) for process in runs]
    result = (folder / "R").read_bytes()
    check("two at once", statuses == [0] * 6, f"statuses {statuses}")
    check("two at once", result in (b(NEW_RESULT), b(NEW_RESULT.replace("Ton B", "Ton C"))),
          f"R is a mix: {result[:200]!r}")
    check("two at once", sorted(p.name for p in folder.iterdir()) == ["A", "B", "R", "full"],
          f"files: {sorted(p.name for p in folder.iterdir())}")


def permissions(folder):
    """A replaced result keeps its mode; a new one gets 0666 less the umask, not mkstemp's 0600."""
    setup(folder, T=SAMPLES, R=OLD_RESULT)
    os.chmod(folder / "R", 0o604)
    for target in ("R", "N"):
        subprocess.run(f"umask 027 && {CALC} --batch T --output {target}", shell=True, cwd=folder,
                       check=False)
    modes = {name: stat.S_IMODE((folder / name).stat().st_mode) for name in ("R", "N")}
    check("permissions", modes == {"R": 0o604, "N": 0o640},
          f"modes { {name: oct(mode) for name, mode in modes.items()} }")
    subprocess.run(f"umask 002 && {CALC} --batch T --output M", shell=True, cwd=folder, check=False)
    mode = stat.S_IMODE((folder / "M").stat().st_mode)
    check("permissions", mode == 0o664, f"new file under umask 002 has mode {mode:o}")


def full_disk(folder):
    """A tmpfs with room for the old result but not for the new one."""
    disk = folder / "disk"
    disk.mkdir()
    mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", str(disk)],
                             capture_output=True, text=True)
    if mounted.returncode != 0:
        failures.append(f"full disk: cannot mount a tmpfs (run as root): {mounted.stderr.strip()}")
        return
    try:
        (folder / "T").write_bytes(b(SAMPLES) * 1 + b("".join(
            f"Ton {n};1850;0,25;0,185;6,2;45;20,5;7\n" for n in range(2000))))
        (folder / "O").write_text(OLD_RESULT)
        subprocess.run([CALC, "--batch", "O", "--format", "xlsx", "--output", "O.xlsx"], cwd=folder,
                       check=True)
        for name, command, target, old in (
            ("batch onto a full disk", f"{CALC} --batch ../T --output R", "R", b(OLD_RESULT)),
            ("export onto a full disk", f"QT_QPA_PLATFORM=offscreen {WINDOW} --export R.svg", "R.svg",
             b"<svg/>"),
            ("workbook onto a full disk", f"{CALC} --batch ../T --format xlsx --output R.xlsx",
             "R.xlsx", (folder / "O.xlsx").read_bytes()),
        ):
            for path in disk.iterdir():
                path.unlink()
            target = disk / target
            target.write_bytes(old)
            filler = disk / "filler"
            descriptor = os.open(filler, os.O_WRONLY | os.O_CREAT)
            try:
                while os.write(descriptor, b"\0" * 4096):
                    pass
            except OSError:
                pass
            os.close(descriptor)
            # Leave a little room, so that the writer gets going before the disk is full.
            size = filler.stat().st_size
            os.truncate(filler, max(0, size - 8192))
            run(name, disk, command, 2, {target.name: old, "filler": lambda c: c is not None},
                "No space left on device")
    finally:
        subprocess.run(["umount", str(disk)], check=False)
        for name in ("T", "O", "O.xlsx"):
            (folder / name).unlink(missing_ok=True)


def main():
    if os.geteuid() != 0:
        print("FAIL: the test makes a device node and mounts a tmpfs: run it as root")
        return 1
    with tempfile.TemporaryDirectory() as scratch:
        folder = Path(scratch) / "lab"
        folder.mkdir()
        run_cases(folder)
        two_at_once(folder)
        permissions(folder)
        setup(folder)
        full_disk(Path(scratch))
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(CASES) + 4} cases, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

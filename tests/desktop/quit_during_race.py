"""Quitting rsa-demo --gercek-boyut while its factoring race runs.

For each way a learner or the desktop ends the program -- File → Exit, closing
the main window, SIGTERM -- a fresh instance starts the race with "Başlat",
and once a helper process (rsa-demo-factor) is factoring, the program is
ended that way. It must end within a few seconds with status 0 and leave no
helper process and nothing in its temporary folder (TMPDIR), where the race
keeps the helper's working folder.

usage: quit_during_race.py PROGRAM WORKDIR
"""

import os
import signal
import subprocess
import sys
import time

import pyatspi

from activation import activate
from two_learners import Failure, check, must_find, press, wait_for

# How long quitting may take: the race's helper is ended at once, the rest is Qt.
PROMPT_SECONDS = 5


def helpers(folder):
    """The processes whose command line names folder: the race's helpers."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                words = cmdline.read().split(b"\0")
        except OSError:
            continue
        if any(word.startswith(folder.encode()) for word in words[1:]):
            found.append(int(pid))
    return found


def window_id(process, name):
    return subprocess.run(
        ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(process.pid),
         "--name", f"^{name}$"], capture_output=True, text=True, check=True).stdout.split()[0]


def keys_to_main_window(process, *keys):
    activate(window_id(process, "Form1"))
    for key in keys:
        subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)


WAYS = {
    "File → Exit": lambda process: keys_to_main_window(process, "alt+f", "e"),
    # openbox closes the active window on Alt+F4, as the desktop asks a program to.
    "closing the main window": lambda process: keys_to_main_window(process, "alt+F4"),
    "SIGTERM": lambda process: process.send_signal(signal.SIGTERM),
}


def quit_during_race(program, workdir, way):
    folder = os.path.join(workdir, way.split()[0])
    os.mkdir(folder)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               TMPDIR=folder)
    process = subprocess.Popen([program, "--gercek-boyut"], env=env, cwd=workdir,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = wait_for("the program on the accessibility bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0)
             if app is not None and app.get_process_id() == process.pid), None))
        real = wait_for("the real-size window", lambda: next(
            (window for window in map(app.getChildAtIndex, range(app.childCount))
             if window is not None and window.name == "Gerçek boyut"), None))
        press(must_find(real, "push button", "Başlat"))
        wait_for("a helper process at work", lambda: helpers(folder), seconds=20)
        started = time.monotonic()
        WAYS[way](process)
        try:
            status = process.wait(PROMPT_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure(f"{way}: the program still ran {PROMPT_SECONDS} s later")
        seconds = time.monotonic() - started
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    check(status == 0, f"{way}: the program ends with status 0 (got {status}) "
          f"in {seconds:.2f} s")
    left = helpers(folder)
    check(not left, f"{way}: no helper process remains (found {left})")
    remains = os.listdir(folder)
    check(not remains, f"{way}: the temporary folder is empty (found {remains})")


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    try:
        for way in WAYS:
            quit_during_race(program, workdir, way)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

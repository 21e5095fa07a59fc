"""Activating a window as a click on it would, for the desktop tests.

On a loaded machine the window manager may not yet take the request while
the program's windows are being placed (a sanitizer build under load takes
seconds), so it is made again, for up to 30 s, until the window is the
active one."""

import subprocess
import time


def activate(window):
    """Makes the X window `window` (its id, as xdotool prints it) active."""
    for _ in range(100):
        # xdotool notes on stderr that no window was active before.
        done = subprocess.run(["xdotool", "windowactivate", "--sync", window],
                              stderr=subprocess.DEVNULL)
        active = subprocess.run(["xdotool", "getactivewindow"], capture_output=True,
                                text=True).stdout.strip()
        if done.returncode == 0 and active == window:
            return
        time.sleep(0.3)
    raise RuntimeError(f"the window manager did not activate window {window}")

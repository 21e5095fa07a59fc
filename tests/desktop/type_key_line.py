"""A classmate's key typed key by key into the exchange window's e box.

The line "e = 17   n = 3233" reads as a key already at "e = 17   n = 3"; typed
at the keyboard (xdotool, into the real program on X11), the boxes must hold
what was typed until Enter, which then fills e = 17 and n = 3233. The same for
"n = 3233, e = 17" typed into the n box of the verification.

usage: type_key_line.py PROGRAM WORKDIR
"""

import subprocess
import sys
import time

import pyatspi

from two_learners import (Failure, Learner, check, must_find, passed, text_of, wait_for)

SEND_PART = "Gönder: arkadaşının açık anahtarıyla şifrele"
VERIFY_PART = "İmzayı doğrula: imzalayanın açık anahtarıyla"


def type_keys(learner, box, text):
    learner.bring_forward()
    box.queryComponent().grabFocus()
    wait_for("the box to take the keys",
             lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    wait_for(f"{text!r} typed", lambda: text_of(box) == text, seconds=20)
    time.sleep(0.3)


def lesson(learner):
    for part, typed_into, line in ((SEND_PART, "e:", "e = 17   n = 3233"),
                                   (VERIFY_PART, "n:", "n = 3233, e = 17")):
        boxes = learner.part(part)
        e, n = must_find(boxes, "text", "e:"), must_find(boxes, "text", "n:")
        box = e if typed_into == "e:" else n
        type_keys(learner, box, line)
        other = n if box is e else e
        check(text_of(box) == line and text_of(other) == "",
              f"{line!r} typed key by key stays as typed in the {typed_into} box")
        subprocess.run(["xdotool", "key", "Return"], check=True)
        wait_for("Enter to read the line", lambda: (text_of(e), text_of(n)) == ("17", "3233"),
                 seconds=20)
        passed(f"Enter reads {line!r} as e = 17, n = 3233")


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    learner = None
    try:
        learner = Learner("A", program, workdir)
        lesson(learner)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if learner is not None:
            learner.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())

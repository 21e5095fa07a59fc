"""Two learners, two instances of rsa-demo --mesajlasma on one desktop.

Learner A draws a key of their own and publishes (e, n); learner B encrypts a
card number for it and saves the blocks as a .ENC file; A opens the file and
reads the card. A signs a card and saves it as a .SIG file; B opens it and
checks the signature with A's public key, then changes one digit and sees the
check fail. Everything goes through the windows as a screen reader sees them
(AT-SPI): the text boxes, the buttons and Qt's own file dialogs, in Turkish.

usage: two_learners.py PROGRAM WORKDIR [PICTURES GRAB]
PICTURES is a folder for a picture of each learner's exchange window, taken
with the GRAB program (rsa-demo-screen-grab).
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

from activation import activate

WINDOW = "Mesajlaşma"
KEY_PART = "Anahtarım"
SEND_PART = "Gönder: arkadaşının açık anahtarıyla şifrele"
RECEIVE_PART = "Al: özel anahtarımla şifreyi çöz"
SIGN_PART = "İmzala: özel anahtarımla"
VERIFY_PART = "İmzayı doğrula: imzalayanın açık anahtarıyla"
CARD = "Kart numarası:"


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=60):
    """Polls probe until it returns something true; fails naming what."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure(f"waited {seconds} s for {what}")


def descendants(node):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None):
    for child in descendants(node):
        if child.getRoleName() == role and (name is None or child.name == name):
            return child
    return None


def must_find(node, role, name=None):
    return wait_for(f"{role} {name!r} in {node.name!r}", lambda: find(node, role, name))


def text_of(node):
    return node.queryText().getText(0, -1)


def type_into(node, text):
    node.queryEditableText().setTextContents(text)
    wait_for(f"{text!r} in {node.name!r}", lambda: text_of(node) == text)


def press(node):
    action = node.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    if "Press" not in names:
        raise Failure(f"{node.name!r} cannot be pressed now")
    action.doAction(names.index("Press"))


class Learner:
    """One running instance of the program, seen through its windows."""

    def __init__(self, label, program, workdir):
        self.label = label
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([program, "--mesajlasma"], env=env, cwd=workdir,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for(f"learner {label}'s program on the accessibility bus", self._find_app)
        self.main = wait_for("the main window", lambda: self._window("Form1"))
        self.exchange = wait_for("the exchange window", lambda: self._window(WINDOW))

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _window(self, name):
        for index in range(self.app.childCount):
            window = self.app.getChildAtIndex(index)
            if window is not None and window.name == name:
                return window
        return None

    def part(self, title):
        return must_find(self.exchange, "panel", title)

    def through_file_dialog(self, button, path):
        """Presses a button that opens Qt's file dialog and picks path there;
        the dialog opens over the exchange window, where the button is."""
        self.bring_forward()  # as the click on the button would
        press(button)
        dialog = wait_for("the file dialog", lambda: find(self.app, "dialog"))
        wait_for("the file dialog over the exchange window",
                 lambda: inside(centre(dialog), self.exchange))
        type_into(must_find(dialog, "text", "Dosya adı:"), path)
        accept = wait_for("an enabled Kaydet or Aç button", lambda: next(
            (node for node in descendants(dialog) if node.getRoleName() == "push button"
             and node.name in ("Kaydet", "Aç") and node.queryAction().nActions), None))
        press(accept)
        wait_for("the file dialog to close", lambda: find(self.app, "dialog") is None)

    def bring_forward(self):
        """Activates the exchange window as a click on it would; its X id."""
        window = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
             "--name", f"^{WINDOW}$"], capture_output=True, text=True, check=True).stdout.split()[0]
        activate(window)
        return window

    def choose(self, combo, item):
        """Picks an item of a combo box with the arrow keys, as a learner would."""
        self.bring_forward()
        combo.queryAction().doAction(0)  # opens the list, which takes the keys
        time.sleep(0.5)
        subprocess.run(["xdotool", "key", "Home"], check=True)
        for _ in range(10):
            time.sleep(0.1)
            chosen = find(must_find(combo, "list"), "list item", item)
            if chosen is not None and chosen.getState().contains(pyatspi.STATE_SELECTED):
                subprocess.run(["xdotool", "key", "Return"], check=True)
                wait_for(f"{item!r} chosen", lambda: combo.name == item)
                return
            subprocess.run(["xdotool", "key", "Down"], check=True)
        raise Failure(f"{item!r} is not among the choices of {combo.name!r}")

    def picture(self, grab, output):
        """The exchange window with its frame, raised, as the screen shows it."""
        window = self.bring_forward()
        time.sleep(0.5)
        info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True,
                              check=True).stdout
        field = lambda name: int(re.search(rf"{name}: *(-?\d+)", info).group(1))
        extents = subprocess.run(["xprop", "-id", window, "_NET_FRAME_EXTENTS"],
                                 capture_output=True, text=True).stdout
        left, right, top, bottom = (int(number) for number in re.findall(r"\d+", extents)[-4:])
        subprocess.run([grab, output, str(field("Absolute upper-left X") - left),
                        str(field("Absolute upper-left Y") - top),
                        str(field("Width") + left + right),
                        str(field("Height") + top + bottom)], check=True)

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def inside(point, node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x <= point[0] < box.x + box.width and box.y <= point[1] < box.y + box.height


def labels(part):
    return [node.name for node in descendants(part) if node.getRoleName() == "label"]


def read_file(path):
    wait_for(f"{path} to be written", lambda: os.path.exists(path))
    with open(path, "rb") as saved:
        return saved.read()


def check(condition, what):
    if not condition:
        raise Failure(what)
    passed(what)


def passed(what):
    print(f"ok: {what}", flush=True)


def lesson(a, b, workdir, pictures, grab):
    check(a.exchange.getRoleName() == "frame",
          "a screen reader announces the exchange window as a window")
    # A draws a key of their own (primes up to 1,000) and hands it to the
    # main window; the public key shown large is what A writes on the board.
    key_part = a.part(KEY_PART)
    a.choose(must_find(key_part, "combo box"), "1.000")
    press(must_find(key_part, "push button", "Bana özel anahtar üret"))
    numbers = wait_for("A's key", lambda: next(
        (re.fullmatch(r"p = (\d+)   q = (\d+)   e = (\d+)   d = (\d+)   n = (\d+)", text)
         for text in labels(key_part) if text.startswith("p = ")), None))
    p, q, e, d, n = (int(number) for number in numbers.groups())
    check(p != q and p * q == n and e * d % ((p - 1) * (q - 1)) == 1,
          f"A drew a valid pair: p={p} q={q} e={e} d={d} n={n}")
    check(f"e = {e}   n = {n}" in labels(key_part), "A's public key is shown")
    press(must_find(key_part, "push button", "Ana pencereye aktar"))
    private = must_find(a.main, "text", "private key")
    wait_for("d in A's main window", lambda: text_of(private).strip() == str(d))
    passed("A's main window computed the same d")

    # B draws a larger key with the exponent typed beside the button.
    b_key = b.part(KEY_PART)
    b.choose(must_find(b_key, "combo box"), "46.340 (n < 2³¹)")
    type_into(must_find(b_key, "text", "e (isteğe bağlı):"), "65537")
    press(must_find(b_key, "push button", "Bana özel anahtar üret"))
    b_public = wait_for("B's key", lambda: next(
        (text for text in labels(b_key) if text.startswith("e = ")), None))
    check(b_public.startswith("e = 65537   n = ") and int(b_public.split()[-1]) > 1000 * 1000,
          f"B drew a key with the e typed: {b_public}")

    # B encrypts a card for A's public key and saves the blocks.
    card = "4506 0012 3400 0078"
    # A copies the public key with "Kopyala"; B pastes it into the e box,
    # and the one line fills both boxes.
    send = b.part(SEND_PART)
    press(must_find(key_part, "push button", "Kopyala"))
    send_e, send_n = must_find(send, "text", "e:"), must_find(send, "text", "n:")

    def pasted():
        # A's press reaches A's clipboard a moment later: paste until it has.
        if not text_of(send_e):
            send_e.queryEditableText().pasteText(0)
        return (text_of(send_e), text_of(send_n)) == (str(e), str(n))
    wait_for("A's key pasted into B's boxes", pasted)
    passed("A's copied public key pasted into B's e box fills e and n")
    type_into(must_find(send, "text", CARD), card)
    press(must_find(send, "push button", "Şifrele"))
    cipher_box = must_find(send, "text", "Şifreli bloklar:")
    blocks = wait_for("B's cipher blocks", lambda: text_of(cipher_box).split())
    digits = card.replace(" ", "")
    check(blocks == [str(pow(int(digits[i:i + 2]), e, n)) for i in range(0, 16, 2)],
          "B's blocks are each two digits of the card to the power e mod n")
    cipher_path = os.path.join(workdir, "kart.ENC")
    b.through_file_dialog(must_find(send, "push button", "Kaydet…"), cipher_path)
    check(read_file(cipher_path) == ("".join(" " + block for block in blocks) + "\r\n").encode(),
          "kart.ENC holds B's blocks on one line")

    # A opens the file and reads the card.
    receive = a.part(RECEIVE_PART)
    a.through_file_dialog(must_find(receive, "push button", "Dosya aç…"), cipher_path)
    received = must_find(receive, "text", CARD)
    wait_for("the card in A's window", lambda: text_of(received) == card)
    passed(f"A decrypted {card} from B's file")

    # A signs a card and saves it with its signature.
    signed_card = "2026 1207 0000 0042"
    sign = a.part(SIGN_PART)
    type_into(must_find(sign, "text", CARD), signed_card)
    press(must_find(sign, "push button", "İmzala"))
    signature_box = must_find(sign, "text", "İmza blokları:")
    signature = wait_for("A's signature", lambda: text_of(signature_box).split())
    signature_path = os.path.join(workdir, "imza.SIG")
    a.through_file_dialog(must_find(sign, "push button", "Kaydet…"), signature_path)
    check(read_file(signature_path).decode("ascii").split("\r\n")[:2]
          == [signed_card, "".join(" " + block for block in signature)],
          "imza.SIG holds A's card and signature")
    if pictures:
        a.picture(grab, os.path.join(pictures, "exchange-learner-a.png"))

    # B checks A's signature with A's public key, then with a digit changed.
    verify = b.part(VERIFY_PART)
    type_into(must_find(verify, "text", "e:"), str(e))
    type_into(must_find(verify, "text", "n:"), str(n))
    b.through_file_dialog(must_find(verify, "push button", "Dosya aç…"), signature_path)
    verify_card = must_find(verify, "text", CARD)
    wait_for("the signed card in B's window", lambda: text_of(verify_card) == signed_card)
    press(must_find(verify, "push button", "Doğrula"))
    wait_for("B's verdict",
             lambda: any(text.startswith("İmza geçerli") for text in labels(verify)))
    passed("B found A's signature valid")
    if pictures:
        b.picture(grab, os.path.join(pictures, "exchange-learner-b.png"))
    type_into(verify_card, signed_card[:-1] + "3")
    press(must_find(verify, "push button", "Doğrula"))
    verdict = wait_for("B's second verdict", lambda: next(
        (text for text in labels(verify) if text.startswith("İmza geçersiz")), None))
    check("uymuyor: 8." in verdict, f"a changed digit fails: {verdict}")


def main():
    program, workdir = sys.argv[1], sys.argv[2]
    pictures, grab = (sys.argv[3], sys.argv[4]) if len(sys.argv) > 4 else (None, None)
    learners = []
    try:
        learners.append(Learner("A", program, workdir))
        learners.append(Learner("B", program, workdir))
        lesson(*learners, workdir, pictures, grab)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        for learner in learners:
            learner.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
# SPDX-License-Identifier: LGPL-2.1-or-later
"""What a screen reader hears of the password fields of another process.

Listens on the accessibility bus (pyatspi, as Orca does) while it types a password, and one
Backspace, into each password field of the dialogs that credentialwindows shows, with real
keys (xdotool). In the first field it presses the eye, as a screen reader's user does
(its accessible action), types on while the password is shown, and turns Caps Lock on and
off. Fails on a text event of those fields that carries anything but a mask character for
each character typed or erased, shown or not; on a field without its role or its name; on a
key that was not heard; and where the Caps Lock warning was not told exactly once.
"""
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import Atspi, GLib

TYPED = "k7#Qv2!mZp"
# What Qt's styles mask a password with: a black circle, or an asterisk where the font lacks it.
MASKS = ("\u25cf", "*")
TITLE = "Typing test"
WARNING = "Caps Lock is on"
# Each password field in the order the keys reach it, by its accessible name.
FIELDS = ["Password", "Confirm password", "Password"]

heard = []  # (role, name, kind, text, length)
told = []  # the password fields' descriptions, as they changed
failures = []


def listen(event):
    source = event.source
    heard.append((source.getRole(), source.name, event.type.minor, str(event.any_data),
                  event.detail2))


def describe(event):
    if event.source.getRole() == pyatspi.ROLE_PASSWORD_TEXT and event.source.description:
        told.append(event.source.description)


def find_by_name(accessible, name):
    if accessible is None:
        return None
    if accessible.name == name:
        return accessible
    for child in accessible:
        found = find_by_name(child, name)
        if found is not None:
            return found
    return None


def on_main_loop(call):
    """Runs call on the main loop, where pyatspi's calls belong, and waits for it."""
    done = threading.Event()

    def run():
        try:
            call()
        except Exception as error:  # noqa: BLE001 - any failure fails the test
            failures.append("%s: %s" % (call.__name__, error))
        done.set()
        return False

    GLib.idle_add(run)
    done.wait(20)


def eye(name):
    app = next(a for a in pyatspi.Registry.getDesktop(0)
               if a is not None and a.name == "credentialwindows")
    return find_by_name(app, name)


def press_eye():
    """As a screen reader's user presses it: through the button's accessible action."""
    button = eye("Show password")
    if button is None:
        failures.append("no button named 'Show password'")
    else:
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            failures.append("the eye has no Press action, only %r" % names)
        else:
            action.doAction(names.index("Press"))


def eye_pressed():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "credentialwindows":
            app.set_cache_mask(Atspi.Cache.NONE)  # names as they are now, not as first read
    if eye("Hide password") is None:
        failures.append("the eye did not turn into 'Hide password'")


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=30)


def type_into_dialogs():
    try:
        for dialog, fields in ((1, 2), (2, 1)):
            xdotool("search", "--sync", "--onlyvisible", "--name", TITLE, "windowactivate",
                    "--sync")
            time.sleep(0.5)
            for field in range(fields):
                if field:
                    xdotool("key", "Tab")
                if dialog == 1 and field == 0:
                    half = len(TYPED) // 2
                    xdotool("type", "--delay", "40", TYPED[:half])
                    on_main_loop(press_eye)
                    time.sleep(0.3)
                    on_main_loop(eye_pressed)
                    xdotool("type", "--delay", "40", TYPED[half:])
                    xdotool("key", "Caps_Lock")
                    time.sleep(0.5)
                    xdotool("key", "Caps_Lock")
                else:
                    xdotool("type", "--delay", "40", TYPED)
                xdotool("key", "BackSpace")
            time.sleep(0.5)
            xdotool("key", "Escape")
        time.sleep(1.5)  # the last events on their way
    except Exception as error:  # noqa: BLE001 - any failure to type fails the test
        failures.append("could not type: %s" % error)
    GLib.idle_add(pyatspi.Registry.stop)


def registered():
    desktop = pyatspi.Registry.getDesktop(0)
    return any(app is not None and app.name == "credentialwindows" for app in desktop)


def main():
    deadline = time.monotonic() + 20
    while not registered():
        if time.monotonic() > deadline:
            print("FAIL: the program never appeared on the accessibility bus")
            return 1
        time.sleep(0.2)
    pyatspi.Registry.registerEventListener(listen, "object:text-changed")
    pyatspi.Registry.registerEventListener(describe, "object:property-change:accessible-description")
    threading.Thread(target=type_into_dialogs, daemon=True).start()
    pyatspi.Registry.start()

    passwords = [entry for entry in heard if entry[0] == pyatspi.ROLE_PASSWORD_TEXT]
    others = [entry for entry in heard if entry[0] != pyatspi.ROLE_PASSWORD_TEXT]
    for role, name, kind, text, length in others:
        if any(c in TYPED for c in text):
            failures.append("a field that is no password field (%s, %s) heard %r: "
                            "its role is lost" % (name, role, text))
    inserted = [entry for entry in passwords if entry[2] == "insert"]
    removed = [entry for entry in passwords if entry[2] == "delete"]
    for role, name, kind, text, length in passwords:
        if name not in FIELDS:
            failures.append("a password field named %r" % name)
        if any(c in TYPED for c in text):
            failures.append("%s heard %r from %r" % (kind, text, name))
        if len(text) != length or any(c not in MASKS for c in text):
            failures.append("%s of %d characters heard as %r" % (kind, length, text))
    keys = len(TYPED) * len(FIELDS)
    if len(inserted) != keys or len(removed) != len(FIELDS):
        failures.append("heard %d characters typed and %d erased, not %d and %d"
                        % (len(inserted), len(removed), keys, len(FIELDS)))
    if told != [WARNING]:
        failures.append("the Caps Lock warning told as %r, not once" % told)
    print("heard %d text events of password fields, %d of others; told %r"
          % (len(passwords), len(others), told))
    for failure in failures:
        print("FAIL:", failure)
    print("1 passed, 0 failed" if not failures else "0 passed, 1 failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

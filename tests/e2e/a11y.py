#!/usr/bin/python3
"""Prints what a screen reader sees of one running program, one object a line.

    a11y.py PID

Reads the program's windows through the accessibility bus (AT-SPI). Each line holds,
separated by tabs: the top-level window the object belongs to as ROLE:NAME (the main
window is "frame:Tikanda 1.3", a message box "alert:Tikanda 1.3"), its role, its name,
its text (text fields only), its description (Qt puts the tooltip there), its states
(comma-separated: enabled, focused, showing, checked, pressed, active) and its place on
the screen as X Y WIDTH HEIGHT. Exits with 3 when the program is not (yet) on the bus.

Needs the Python bindings of AT-SPI (Debian: gir1.2-atspi-2.0, python3-gi) and a program
started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

STATES = ("enabled", "focused", "showing", "checked", "pressed", "active")


def clean(text):
    return (text or "").replace("\t", " ").replace("\n", "\\n")


def text_of(obj):
    try:
        if "Text" not in obj.get_interfaces():
            return ""
        return Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))
    except Exception:  # an object that goes away while it is read
        return ""


def extents_of(obj):
    try:
        if "Component" not in obj.get_interfaces():
            return ""
        r = Atspi.Component.get_extents(obj, Atspi.CoordType.SCREEN)
        return f"{r.x} {r.y} {r.width} {r.height}"
    except Exception:
        return ""


def walk(obj, window, out):
    try:
        role = obj.get_role_name()
        name = obj.get_name()
        states = obj.get_state_set()
        flags = [s for s in STATES if states.contains(getattr(Atspi.StateType, s.upper()))]
        description = obj.get_description()
        count = obj.get_child_count()
    except Exception:
        return
    if window is None:
        window = f"{role}:{name}"
    out.append("\t".join(clean(f) for f in (window, role, name, text_of(obj), description,
                                           ",".join(flags), extents_of(obj))))
    for i in range(count):
        try:
            child = obj.get_child_at_index(i)
        except Exception:
            continue
        if child is not None:
            walk(child, window, out)


def main():
    pid = int(sys.argv[1])
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        out = []
        for j in range(app.get_child_count()):
            top = app.get_child_at_index(j)
            if top is not None:
                walk(top, None, out)
        print("\n".join(out))
        return 0
    return 3


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""a11y.py PID: what a screen reader sees of the program, one object a line, tab-separated:
top-level window as ROLE:NAME, role, name, text, description, states, "X Y W H" on the screen.
Exits with 3 while the program is not on the bus."""
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

STATES = ("enabled", "focused", "showing", "checked", "pressed", "active")


def safe(read):
    try:  # objects may go away while they are read
        return read()
    except Exception:
        return ""


def walk(obj, window):
    role, name = safe(obj.get_role_name), safe(obj.get_name)
    window = window or f"{role}:{name}"
    states, interfaces = safe(obj.get_state_set), safe(obj.get_interfaces) or []
    flags = [s for s in STATES if states and states.contains(getattr(Atspi.StateType, s.upper()))]
    text = "Text" in interfaces and safe(
        lambda: Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj)))
    r = "Component" in interfaces and safe(
        lambda: Atspi.Component.get_extents(obj, Atspi.CoordType.SCREEN))
    fields = (window, role, name, text, safe(obj.get_description), ",".join(flags),
              f"{r.x} {r.y} {r.width} {r.height}" if r else "")
    print("\t".join((f or "").replace("\t", " ").replace("\n", "\\n") for f in fields))
    for i in range(safe(obj.get_child_count) or 0):
        child = safe(lambda: obj.get_child_at_index(i))
        if child and safe(child.get_role_name):
            walk(child, window)


desktop = Atspi.get_desktop(0)
for app in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count())):
    if app and safe(app.get_process_id) == int(sys.argv[1]):
        for i in range(app.get_child_count()):
            walk(app.get_child_at_index(i), None)
        sys.exit(0)
sys.exit(3)

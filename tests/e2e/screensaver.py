#!/usr/bin/python3
"""screensaver.py LOG: a stand-in for the desktop's screen saver on the session bus.

Owns org.freedesktop.ScreenSaver, serves SimulateUserActivity, Inhibit and UnInhibit at
/org/freedesktop/ScreenSaver and /ScreenSaver, and appends one line per call to LOG:
"SECONDS CALL [COOKIE]", SECONDS on the monotonic clock. Writes "ready" to LOG once it owns
the name."""
import sys
import time

from gi.repository import Gio, GLib

NAME = "org.freedesktop.ScreenSaver"
XML = """<node><interface name="org.freedesktop.ScreenSaver">
  <method name="SimulateUserActivity"/>
  <method name="Inhibit"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="u" direction="out"/></method>
  <method name="UnInhibit"><arg type="u" direction="in"/></method>
</interface></node>"""
log = open(sys.argv[1], "a", buffering=1)
cookies = iter(range(1001, 2000))


def note(*words):
    log.write(" ".join([f"{time.monotonic():.3f}", *map(str, words)]) + "\n")


def call(bus, sender, path, iface, method, args, invocation):
    if method == "Inhibit":
        cookie = next(cookies)
        note(method, cookie)
        invocation.return_value(GLib.Variant("(u)", (cookie,)))
    else:
        note(method, *args.unpack())
        invocation.return_value(None)


def serve(bus, name):
    iface = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    for path in ("/org/freedesktop/ScreenSaver", "/ScreenSaver"):
        bus.register_object(path, iface, call, None, None)


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, serve,
                 lambda *a: log.write("ready\n"), lambda *a: sys.exit(1))
GLib.MainLoop().run()

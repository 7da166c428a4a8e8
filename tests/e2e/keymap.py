#!/usr/bin/python3
"""keymap.py TEXT: binds the characters of TEXT that the X keyboard map lacks to unused keys
until the X server ends (xdotool binds one only while it presses it, and a program that reads
the map a moment late loses the character)."""
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
display = ctypes.c_void_p(x11.XOpenDisplay(None))
if not display.value:
    sys.exit("keymap.py: cannot open the display")
low, high, per = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
count = high.value - low.value + 1
syms = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
rows = [[syms[i * per.value + j] for j in range(per.value)] for i in range(count)]
free = [low.value + i for i, row in enumerate(rows) if not any(row)]
# Latin-1 keysyms are the code points; the others are Unicode keysyms.
wanted = {ord(c) if ord(c) < 0x100 else 0x01000000 | ord(c) for c in sys.argv[1]}
missing = sorted(wanted - {s for row in rows for s in row})
if len(missing) > len(free):
    sys.exit("keymap.py: not enough unused key codes")
for keycode, sym in zip(free, missing):  # the same symbol on both levels: no case pairing
    x11.XChangeKeyboardMapping(display, keycode, 2, (ctypes.c_ulong * 2)(sym, sym), 1)
x11.XSync(display, 0)

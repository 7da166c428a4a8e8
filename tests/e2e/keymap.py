#!/usr/bin/python3
"""Puts the characters of a text that the X keyboard map lacks on unused key codes.

    keymap.py TEXT

xdotool types a character missing from the map by binding it to a spare key for the
moment of the key press and unbinding it at once; a program that fetches the keyboard map
a moment late then sees the key unbound and loses the character. With every character of
the text in the map beforehand, xdotool presses ordinary keys. The map stays changed until
the X server ends (the test's own server). Needs only libX11.
"""
import ctypes
import sys

NO_SYMBOL = 0


def keysym_of(ch):
    code = ord(ch)
    if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF:
        return code  # Latin-1 keysyms are the code points themselves
    return 0x01000000 | code  # the Unicode keysym


def main():
    text = sys.argv[1]
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
    x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                        ctypes.POINTER(ctypes.c_int)]
    x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                           ctypes.POINTER(ctypes.c_ulong), ctypes.c_int]
    x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_int),
                                     ctypes.POINTER(ctypes.c_int)]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        print("keymap.py: cannot open the display", file=sys.stderr)
        return 1
    low, high = ctypes.c_int(), ctypes.c_int()
    x11.XDisplayKeycodes(display, ctypes.byref(low), ctypes.byref(high))
    count = high.value - low.value + 1
    per = ctypes.c_int()
    syms = x11.XGetKeyboardMapping(display, low.value, count, ctypes.byref(per))
    present = set()
    free = []
    for i in range(count):
        row = [syms[i * per.value + j] for j in range(per.value)]
        present.update(s for s in row if s != NO_SYMBOL)
        if all(s == NO_SYMBOL for s in row):
            free.append(low.value + i)
    x11.XFree(syms)

    missing = []
    for ch in text:
        ks = keysym_of(ch)
        if ks not in present and ks not in missing:
            missing.append(ks)
    if len(missing) > len(free):
        print("keymap.py: not enough unused key codes", file=sys.stderr)
        return 1
    for keycode, ks in zip(free, missing):
        # The same symbol on both levels, so that no case pairing applies.
        pair = (ctypes.c_ulong * 2)(ks, ks)
        x11.XChangeKeyboardMapping(display, keycode, 2, pair, 1)
    x11.XSync(display, 0)
    x11.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/env python3
"""Sets or removes the X screen's colour profile: the _ICC_PROFILE property of the root window
(type CARDINAL, format 8), which Wine's GetICMProfileW hands every monitor. The property stays
while the X server runs; the end-to-end runs start Xvfb with -noreset.
  root_icc_profile.py FILE   the file's bytes become the profile
  root_icc_profile.py        the property is removed
"""
import ctypes
import ctypes.util
import sys

XA_CARDINAL = 6
PROP_MODE_REPLACE = 0

x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                                ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
x11.XDeleteProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no X display")
root = x11.XDefaultRootWindow(display)
atom = x11.XInternAtom(display, b"_ICC_PROFILE", 0)
if len(sys.argv) > 1:
    with open(sys.argv[1], "rb") as file:
        profile = file.read()
    x11.XChangeProperty(display, root, atom, XA_CARDINAL, 8, PROP_MODE_REPLACE, profile, len(profile))
else:
    x11.XDeleteProperty(display, root, atom)
x11.XCloseDisplay(display)  # sends the request

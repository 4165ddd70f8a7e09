#!/usr/bin/python3
# Presses keys on headless mutter's seat through its remote desktop API, on
# the session bus mutter is on: mutter_keys.py TRAFFIC KEY... where a KEY is
# evdev key codes joined by "+", pressed in order and released in reverse (a
# chord), and TRAFFIC the window's Wayland traffic (WAYLAND_DEBUG). A new
# session's keyboard reaches the seat a while after the session starts, and
# keys sent before are lost: Shift is tapped (it types nothing) until the
# window's traffic shows that it has the keyboard (an enter or a key event),
# then the keys follow, in order.
import re
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None):
    bus.call_sync('org.gnome.Mutter.RemoteDesktop', path, 'org.gnome.Mutter.RemoteDesktop' + interface, method,
                  arguments, None, 0, 5000, None)


def keyboard_events():
    with open(sys.argv[1], 'rb') as traffic:
        return len(re.findall(rb' wl_keyboard@\d+\.(?:enter|key)\(', traffic.read()))


def chord(codes):
    for code, pressed in [(c, True) for c in codes] + [(c, False) for c in reversed(codes)]:
        call(session, '.Session', 'NotifyKeyboardKeycode', GLib.Variant('(ub)', (code, pressed)))


session = bus.call_sync('org.gnome.Mutter.RemoteDesktop', '/org/gnome/Mutter/RemoteDesktop',
                        'org.gnome.Mutter.RemoteDesktop', 'CreateSession', None, None, 0, 5000, None).unpack()[0]
call(session, '.Session', 'Start')
seen, deadline = keyboard_events(), time.monotonic() + 30
while keyboard_events() == seen:
    if time.monotonic() > deadline:
        sys.exit("mutter_keys.py: the session's keyboard never reached the window")
    chord([42])
    tap_answered = time.monotonic() + 1
    while keyboard_events() == seen and time.monotonic() < tap_answered:
        time.sleep(0.05)
for keys in sys.argv[2:]:
    chord([int(code) for code in keys.split('+')])

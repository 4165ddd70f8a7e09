#!/usr/bin/python3
# Presses keys on headless mutter's seat through its remote desktop API, on
# the session bus mutter is on: mutter_keys.py KEY... where a KEY is evdev
# key codes joined by "+", pressed in order and released in reverse (a
# chord). A first key is sent alone, as the seat's keyboard focus comes with
# the first key and a key pressed then would reach the window as held.
import sys
import time

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, arguments=None):
    bus.call_sync('org.gnome.Mutter.RemoteDesktop', path, 'org.gnome.Mutter.RemoteDesktop' + interface, method,
                  arguments, None, 0, 5000, None)


session = bus.call_sync('org.gnome.Mutter.RemoteDesktop', '/org/gnome/Mutter/RemoteDesktop',
                        'org.gnome.Mutter.RemoteDesktop', 'CreateSession', None, None, 0, 5000, None).unpack()[0]
call(session, '.Session', 'Start')
time.sleep(0.5)
for chord in ['42'] + sys.argv[1:]:
    codes = [int(code) for code in chord.split('+')]
    for code, pressed in [(c, True) for c in codes] + [(c, False) for c in reversed(codes)]:
        call(session, '.Session', 'NotifyKeyboardKeycode', GLib.Variant('(ub)', (code, pressed)))
        time.sleep(0.1)
    time.sleep(0.5)

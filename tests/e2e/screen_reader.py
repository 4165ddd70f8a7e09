#!/usr/bin/python3
"""What a screen reader finds of the starter's window through the AT-SPI bus,
and a press of its "Start" button, as a blind player would give it.

Usage: screen_reader.py WINDOW_TITLE            the window, and a press of Start
       screen_reader.py --focused WINDOW_TITLE  Start holds the focus (after Tab)
       screen_reader.py --wait-for-app NAME     waits for an application on the bus
Prints one line per check and exits non-zero if any fails. Needs Debian's
python3-pyatspi (hence the system's Python) and a running AT-SPI bus.
"""
import sys
import time

import pyatspi

failures = 0


def check(what, ok):
    global failures
    print(("ok: " if ok else "FAILED: ") + what)
    failures += 0 if ok else 1


def find_window(title, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window is not None and window.name == title:
                    return window
        time.sleep(0.2)
    return None


def start_button(window):
    buttons = [c for c in window if c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name == "Start"]
    return buttons[0] if buttons else None


def focused(title):
    window = find_window(title, 30)
    start = start_button(window) if window else None
    deadline = time.time() + 10
    while start is not None and not start.getState().contains(pyatspi.STATE_FOCUSED) and time.time() < deadline:
        time.sleep(0.2)
    check("Start reports the focus", start is not None and start.getState().contains(pyatspi.STATE_FOCUSED))
    return 1 if failures else 0


def wait_for_app(name):
    deadline = time.time() + 25
    while time.time() < deadline:
        if any(app is not None and app.name == name for app in pyatspi.Registry.getDesktop(0)):
            return 0
        time.sleep(0.2)
    return 1


def main():
    if sys.argv[1] == "--focused":
        return focused(sys.argv[2])
    if sys.argv[1] == "--wait-for-app":
        return wait_for_app(sys.argv[2])
    title = sys.argv[1]
    window = find_window(title, 30)
    check("a window named \"%s\" on the accessibility bus" % title, window is not None)
    if window is None:
        return 1
    check("it is a frame (%s)" % window.getRoleName(), window.getRole() == pyatspi.ROLE_FRAME)
    children = [(child.getRoleName(), child.name) for child in window]
    print("children: %s" % children)
    check("its children follow the layout, lines left out",
          [role for role, _ in children] == ["image", "push button", "label", "text"])

    buttons = [c for c in window if c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name == "Start"]
    check("a push button \"Start\"", len(buttons) == 1)
    news = [c for c in window if c.getRole() == pyatspi.ROLE_TEXT]
    labelled = []
    if news:
        for relation in news[0].getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labelled += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    check("the news box, named \"%s\", labelled by \"News\" (%s)" % (news[0].name if news else "", labelled),
          bool(news) and news[0].name == "News" and labelled == ["News"])
    if not buttons:
        return 1

    check("it can take the focus, and has not yet",
          buttons[0].getState().contains(pyatspi.STATE_FOCUSABLE)
          and not buttons[0].getState().contains(pyatspi.STATE_FOCUSED))
    action = buttons[0].queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("its one action is \"Press\" (%s)" % names, names == ["Press"])
    keys = [action.getKeyBinding(i) for i in range(action.nActions)]
    check("pressed from the keyboard by Alt+S (%s)" % keys, keys == ["Alt+S"])
    if "Press" in names:
        check("pressing it is accepted", action.doAction(names.index("Press")))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

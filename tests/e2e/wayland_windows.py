#!/usr/bin/python3
"""The toplevel windows a Wayland client made, read from its WAYLAND_DEBUG
traffic: one line per window, in the order they were made,
"MIN MAX GEOMETRY LARGEST_CONFIGURE LAST_CONFIGURE" as last announced.

Objects are followed by their lifetime, not their number: a client reuses the
number of a destroyed object, so an object is the one the latest "new id"
with that number made, until its destroy, and each message belongs to the
object alive when it was written.

Usage: wayland_windows.py TRAFFIC_LOG
"""
import re
import sys

MESSAGE = re.compile(r"(?:->\s*)?(\w+)@(\d+)\.(\w+)\((.*)\)\s*$")
NEW_ID = re.compile(r"new id (\w+)@(\d+)")


def main():
    alive, toplevels = {}, []
    for line in open(sys.argv[1], errors="replace"):
        message = MESSAGE.search(line)
        if not message:
            continue
        interface, number, name, args = message.groups()
        target = alive.get(number)
        if target is not None and target["interface"] != interface:
            target = None
        # What the new objects belong to: a toplevel to its xdg_surface, an
        # xdg_surface to its wl_surface (the message's other object).
        others = [alive.get(n) for n in re.findall(r"wl_surface@(\d+)", args)]
        made = [{"interface": i, "of": target if i == "xdg_toplevel" else (others or [None])[0]}
                for i, _ in NEW_ID.findall(args)]
        for (_, new_number), record in zip(NEW_ID.findall(args), made):
            alive[new_number] = record
            if record["interface"] == "xdg_toplevel":
                toplevels.append(record)
        if target is None:
            continue
        numbers = [int(n) for n in re.findall(r"-?\d+", args)]
        if interface == "xdg_toplevel" and name in ("set_min_size", "set_max_size"):
            target[name[4:7]] = "%dx%d" % tuple(numbers[:2])
        elif interface == "xdg_surface" and name == "set_window_geometry":
            target["geometry"] = "%dx%d" % tuple(numbers[2:4])
        elif interface == "xdg_toplevel" and name == "configure":
            size = tuple(numbers[:2])
            target["largest"] = max(target.get("largest", (0, 0)), size)
            target["latest"] = "%dx%d" % size
        if name == "destroy":
            del alive[number]
    for toplevel in toplevels:
        surface = toplevel["of"] or {}
        print(toplevel.get("min", "-"), toplevel.get("max", "-"), surface.get("geometry", "-"),
              "%dx%d" % toplevel.get("largest", (0, 0)), toplevel.get("latest"))


if __name__ == "__main__":
    main()

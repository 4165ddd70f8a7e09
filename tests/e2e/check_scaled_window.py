#!/usr/bin/env python3
"""Checks a screenshot of the starter's client area at a display scale
against the window's design: its size, the banner resampled to the scale
(mean difference), the background strip and the separator at their scaled
columns, and "Start" drawn in white on the banner.

Usage: check_scaled_window.py SCREENSHOT BANNER_JPEG SCALE LAYOUT_RECTS
(LAYOUT_RECTS: the tool that prints the layout's rectangles at a scale).
Prints one line per check and exits non-zero if any fails. Needs ImageMagick.
"""
import subprocess
import sys


def layout(tool, scale):
    """The layout's rectangles at a scale, as its tool prints them: NAME ->
    [left, right) x [top, bottom), and the client area's size."""
    rects = {}
    for line in subprocess.run([tool, str(scale)], check=True, capture_output=True, text=True).stdout.splitlines():
        name, *numbers = line.split()
        numbers = [int(n) for n in numbers]
        rects[name] = tuple(numbers) if name == "client" else (
            numbers[0], numbers[1], numbers[0] + numbers[2], numbers[1] + numbers[3])
    return rects


def rgb(path, size=None):
    """Width, height and the raw RGB bytes of a picture, resampled to `size` if given."""
    args = ["convert", path]
    if size:
        args += ["-filter", "Triangle", "-resize", "%dx%d!" % size]
    raw = subprocess.run(args + ["-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    if not size:
        size = tuple(int(v) for v in subprocess.run(["identify", "-format", "%w %h", path], check=True,
                                                     capture_output=True).stdout.split())
    return size[0], size[1], raw


def main():
    shot, banner_file, scale = sys.argv[1], sys.argv[2], float(sys.argv[3])
    rects = layout(sys.argv[4], scale)
    failures = 0

    def check(what, ok):
        nonlocal failures
        print(("ok: " if ok else "FAILED: ") + what)
        failures += 0 if ok else 1

    width, height, window = rgb(shot)
    check("client area %dx%d at scale %g" % (width, height, scale), (width, height) == rects["client"])
    if (width, height) != rects["client"]:
        return 1

    def at(x, y):
        i = 3 * (y * width + x)
        return tuple(window[i:i + 3])

    b_left, _, b_right, b_bottom = rects["Image1"]
    s_left, s_top, s_right, s_bottom = rects["Label2"]
    line_x, _, line_end, line_bottom = rects["Line1"]

    bw, bh, banner = rgb(banner_file, (b_right - b_left, b_bottom))
    total = count = 0
    for y in range(0, b_bottom, 2):
        for x in range(0, b_right, 2):
            if s_left <= x < s_right and s_top <= y < s_bottom:
                continue
            i = 3 * (y * bw + x - b_left)
            total += sum(abs(a - b) for a, b in zip(at(x, y), banner[i:i + 3]))
            count += 1
    mean = total / count / 3
    check("the banner, %dx%d from x %d, matches the picture resampled (mean difference %.1f)"
          % (b_right - b_left, b_bottom, b_left, mean), mean < 10)

    background = (1, 0, 66)
    strip = all(at(x, y) == background for x in range(b_right, line_x) for y in range(0, line_bottom, 3))
    check("the background strip at x %d to %d" % (b_right, line_x - 1), strip and b_right < line_x)
    line = all(at(x, y) != background for x in range(line_x, line_end) for y in range(0, line_bottom))
    after = at(line_end, 1) == background
    check("the separator at x %d to %d, background after it" % (line_x, line_end - 1), line and after)
    below = all(at(x, b_bottom) == background for x in range(0, b_right, 7))
    check("the background under the banner at y %d" % b_bottom, below)

    white = sum(at(x, y) == (255, 255, 255) for x in range(s_left, s_right) for y in range(s_top, s_bottom))
    check("\"Start\" drawn in white on the banner (%d pixels)" % white, white > 100 * scale * scale)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

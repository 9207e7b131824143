"""Identifying what lies under the chart cursor: F5 names a bright star,
F6 a planet; F10 saves the screen as a PCX file."""
import os
import sys

from harness import RunningProgram, check, near
from chartlib import CX, CY, CW, CH, STARLINE, PLANETLINE, YELLOW, RED, start_chart, text_right


def put_cursor(s, x, y):
    """Cursor to chart pixel (x, y): a click there, and the mouse away."""
    s.click(CX + x, CY + y, settle=False)
    s.park_mouse()
    return s.settle()


def planet_crosses(img):
    """Chart pixels at the centre of a red cross of arms 3 (the planets)."""
    found = []
    for y in range(CY + 4, CY + CH - 4):
        for x in range(CX + 4, CX + CW - 4):
            arms = [(x - 3, y), (x - 2, y), (x + 2, y), (x + 3, y), (x, y - 3), (x, y - 2), (x, y + 2), (x, y + 3)]
            if all(near(img.pixel(a, b), RED, 8) for a, b in arms):
                found.append((x - CX, y - CY))
    return found


def empty_spot(img):
    """A chart pixel with nothing drawn within 8 pixels of it."""
    for y in range(20, CH - 20, 6):
        for x in range(20, CW - 20, 6):
            if all(img.pixel(CX + x + dx, CY + y + dy) == (0, 0, 0) for dx in range(-8, 9) for dy in range(-8, 9)):
                return x, y
    check(False, "no empty sky on the chart")


with RunningProgram(sys.argv[1]) as s:
    start_chart(s)

    # Empty sky first, at zoom 12 where every loaded star in view is drawn:
    # the short "not found" line.
    img = s.key(*(["F4"] * 11))
    put_cursor(s, *empty_spot(img))
    img = s.key("F5")
    short = text_right(img, STARLINE, YELLOW)
    check(0 < short < 200, "no \"not found\" line: %d" % short)
    s.key("1")

    # Sirius (6.7525 h, -16.72 deg) on the whole-sky chart.
    x = 592 - int(6.7525 * 592 / 24.0)
    y = 176 - int(-16.716 * 352 / 180.0)
    put_cursor(s, x, y)
    img = s.key("F5")
    right = text_right(img, STARLINE, YELLOW)
    check(right > 300, "Sirius not named: line ends at %d" % right)

    # F6 on a planet of the date (the planet crosses appear with "a").
    img = s.key("a")
    crosses = planet_crosses(img)
    check(crosses, "no planet cross on the chart")
    put_cursor(s, *crosses[0])
    img = s.key("F6")
    right = text_right(img, PLANETLINE, RED)
    check(right > 300, "planet not named: line ends at %d" % right)
    put_cursor(s, 300, 20)
    img = s.key("F6")
    right = text_right(img, PLANETLINE, RED)
    check(0 < right < 200, "no \"Planet not found.\" line: %d" % right)

    # F10: a screen dump in the program directory.
    before = {f for f in os.listdir(s.dir) if f.lower().endswith(".pcx")}
    s.key("F10")
    after = {f for f in os.listdir(s.dir) if f.lower().endswith(".pcx")}
    new = after - before
    check(len(new) == 1, "F10 wrote %r" % sorted(new))
    dump = os.path.join(s.dir, new.pop())
    with open(dump, "rb") as f:
        head = f.read(12)
    check(head[0] == 10 and int.from_bytes(head[8:10], "little") == 639 and int.from_bytes(head[10:12], "little") == 479,
          "dump is no 640 x 480 PCX: %r" % head)

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

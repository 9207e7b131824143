"""The catalogue title and a failed catalogue switch: at 1280 x 1024 the
title reads as at 640 x 480 (the JD line's box does not cover its start),
and with both HIP files missing "*" reports the failure and leaves the
Tycho stars named as Tycho stars."""
import sys

from harness import RunningProgram, check, near
from chartlib import bright_patches, patch_centre, start_chart

TITLEWHITE = (252, 252, 252)


def white_shape(img, x0, y0, x1, y1):
    """White pixels of the box, relative to the top left one."""
    pts = [(x, y) for y in range(y0, y1) for x in range(x0, x1) if near(img.pixel(x, y), TITLEWHITE, 8)]
    check(pts, "no white text in (%d, %d)-(%d, %d)" % (x0, y0, x1, y1))
    mx = min(p[0] for p in pts)
    my = min(p[1] for p in pts)
    return sorted((x - mx, y - my) for x, y in pts)


def chart_frame(img):
    """Chart frame (x0, y0, x1, y1) found from the yellow edges through the
    middle of the screen."""
    yellow = (252, 252, 0)
    my = img.height // 2
    xs = [x for x in range(img.width) if near(img.pixel(x, my), yellow, 8)]
    check(xs, "no chart frame")
    x0, x1 = min(xs), max(xs)
    ys = [y for y in range(img.height) if near(img.pixel(x0, y), yellow, 8)]
    return x0, min(ys), x1, max(ys)


def bright_star(img, frame):
    """Screen pixel of the largest filled bright patch on the chart."""
    x0, y0, x1, y1 = frame

    def disc(patch):  # a filled disc, not a ring such as the Moon's
        xs = [q[0] for q in patch]
        ys = [q[1] for q in patch]
        return len(patch) * 10 >= (max(xs) - min(xs) + 1) * (max(ys) - min(ys) + 1) * 6

    patches = [p for p in bright_patches(img, x0 + 12, y0 + 12, x1 - 12, y1 - 12, 400) if disc(p)]
    check(patches, "no bright star on the chart")
    return patch_centre(max(patches, key=len))


def title_shape(s, img):
    """White pixels of the catalogue title: its box follows the JD line's
    box of 341 pixels from 2 cells in; the first ten rows of its text."""
    h, v = s.cell()
    x0 = 2 * h + 342
    return white_shape(img, x0, 3 * v + 4, x0 + 122, 3 * v + 14)


exe = sys.argv[1]
with RunningProgram(exe) as s:
    img = start_chart(s)
    small = title_shape(s, img)
    s.exit_program()

with RunningProgram(exe, args=("1280",), remove=("hipstar.bin", "hipstar7.bin")) as s:
    s.start()
    img = s.pass_startup()
    h, v = s.cell()
    check(title_shape(s, img) == small, "the catalogue title at 1280 x 1024 differs from 640 x 480")

    # F5 on a bright star, then "*" with no HIP file: a report, and the star
    # keeps its Tycho name.
    x, y = bright_star(img, chart_frame(img))
    s.move(x, y)
    s.key("plus", settle=False)
    s.key("minus", settle=False)
    s.park_mouse()
    s.settle()
    line = (0, 26 * v, s.w, 27 * v)
    before = s.key("F5").region(*line)
    img = s.key("asterisk")
    check(s.dialog_open(img), "no report of the missing HIP catalogue")
    img = s.key("Return")
    check(title_shape(s, img) == small, "the title changed after the failed switch")
    after = s.key("F5").region(*line)
    check(after == before, "the Tycho star is named differently after the failed switch")
    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

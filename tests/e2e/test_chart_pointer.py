"""The pointer reads the sky: moving it over the chart writes its R.A.,
Dec, altitude, azimuth and the name of what lies under it on the status
row without a key, and the cursor stays; a click brings the cursor and
identifies, a double click centres the chart there, the wheel zooms about
the pointer."""
import sys
import time

from harness import RunningProgram, check, near
from chartlib import CX, CY, CW, CH, STARLINE, YELLOW, chart, cursor_centre, start_chart, text_right

ROW = (0, 468, 640, 480)     # the status row
BOX = (236, 236, 236)        # the read-out's box, palette colour 30


def readout(img):
    """Dark text pixels of the status row beyond x = 420 (where a line
    without a name has ended), and whether the light box reaches past the
    cursor line's 330 pixels."""
    x0, y0, x1, y1 = ROW
    named = sum(1 for y in range(y0 + 2, y1) for x in range(420, x1) if sum(img.pixel(x, y)) < 150)
    wide = any(near(img.pixel(x, y0 + 1), BOX, 8) for x in range(340, 600))
    return named, wide


def sirius():
    """Sirius (6.7525 h, -16.716 deg) on the whole-sky chart, chart pixels."""
    return 592 - int(6.7525 * 592 / 24.0), 176 - int(-16.716 * 352 / 180.0)


def empty_spot(img):
    """A chart pixel with nothing drawn within 8 pixels of it."""
    for y in range(20, CH - 20, 6):
        for x in range(20, CW - 20, 6):
            if all(img.pixel(CX + x + dx, CY + y + dy) == (0, 0, 0) for dx in range(-8, 9) for dy in range(-8, 9)):
                return x, y
    check(False, "no empty sky on the chart")


def hover(s, x, y):
    s.move(CX + x, CY + y)
    return s.settle()


with RunningProgram(sys.argv[1]) as s:
    start = start_chart(s)
    c0 = cursor_centre(start)
    sx, sy = sirius()

    # Moving over the chart, no key: the read-out, the cursor where it was.
    img = hover(s, sx, sy)
    on_star, wide = readout(img)
    check(wide, "no read-out across the status row while the pointer is on the chart")
    check(cursor_centre(img) == c0, "the cursor moved with the pointer")
    # On empty sky: a shorter line (nothing named), other figures.
    ex, ey = empty_spot(start)
    img = hover(s, ex, ey)
    elsewhere, wide = readout(img)
    check(wide and elsewhere == 0 and on_star > 30, "Sirius not named under the pointer: %d vs %d" % (on_star, elsewhere))
    # Off the chart: the cursor's short line again.
    s.park_mouse()
    img = s.settle()
    check(not readout(img)[1], "the read-out stayed after the pointer left the chart")

    # A click on Sirius: the cursor comes and the star is named.
    s.click(CX + sx, CY + sy, settle=False)
    s.park_mouse()
    img = s.settle()
    got = cursor_centre(img)
    check(abs(got[0] - (CX + sx)) <= 1 and abs(got[1] - (CY + sy)) <= 1, "cursor not at the click: %r" % (got,))
    check(text_right(img, STARLINE, YELLOW) > 300, "the click did not identify Sirius")

    # The wheel over a place: zoom in about it (the cursor comes to the
    # centre of the zoomed chart), and out again to the same whole sky.
    px, py = 150, 120
    s.move(CX + px, CY + py)
    s.xdo("click", 4)
    time.sleep(0.3)
    s.park_mouse()
    img = s.settle()
    centre = (CX + CW // 2, CY + CH // 2)
    got = cursor_centre(img)
    check(abs(got[0] - centre[0]) <= 2 and abs(got[1] - centre[1]) <= 2, "wheel up did not zoom about the pointer: %r" % (got,))
    check(chart(img) != chart(start), "wheel up did not zoom")
    s.move(CX + CW // 2, CY + CH // 2)
    s.xdo("click", 5)
    time.sleep(0.3)
    s.park_mouse()
    img = s.settle()
    got = cursor_centre(img)
    check(abs(got[0] - (CX + px)) <= 2 and abs(got[1] - (CY + py)) <= 2, "wheel down left the cursor at %r" % (got,))
    # The whole sky again: the same as at start away from the two cursors.
    diff = [(x, y) for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1)
            if img.pixel(x, y) != start.pixel(x, y)
            and not (abs(x - got[0]) <= 12 and abs(y - got[1]) <= 12)
            and not (abs(x - c0[0]) <= 12 and abs(y - c0[1]) <= 12)]
    check(not diff, "wheel down did not give the whole sky back: %d pixels differ" % len(diff))

    # A double click at zoom 4 centres the chart there (as F2).
    s.key("F4", "F4", "F4")
    s.move(CX + 100, CY + 80)
    for _ in range(2):
        s.xdo("mousedown", 1)
        time.sleep(0.06)
        s.xdo("mouseup", 1)
        time.sleep(0.08)
    s.park_mouse()
    img = s.settle()
    got = cursor_centre(img)
    check(abs(got[0] - centre[0]) <= 2 and abs(got[1] - centre[1]) <= 2, "double click did not centre: %r" % (got,))

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

"""The chart with the pointer resting on it, and F5 naming the star nearest
the cursor: F4 with a resting mouse keeps the cursor at the centre it zooms
on, and F5 on Rigel at the whole-sky scale names Rigel, as it does when
Rigel is alone in the cursor's box."""
import sys

from harness import RunningProgram, check
from chartlib import CX, CY, CW, CH, STARLINE, bright_patches, cursor_centre, patch_centre, start_chart


def near_point(p, q, tol=1.5):
    return abs(p[0] - q[0]) <= tol and abs(p[1] - q[1]) <= tol


def put_cursor(s, x, y):
    """Cursor to chart pixel (x, y): a click there, and the mouse away."""
    s.click(CX + x, CY + y, settle=False)
    s.park_mouse()
    return s.settle()


def brightest_disc(img, cx, cy, reach):
    """Centre (chart pixels) of the largest patch of bright pixels within
    reach of chart pixel (cx, cy): the brightest star there."""
    patches = bright_patches(img, CX + max(1, cx - reach), CY + max(1, cy - reach),
                             CX + min(CW - 1, cx + reach), CY + min(CH - 1, cy + reach), 300)
    check(patches, "no star near (%d, %d)" % (cx, cy))
    x, y = patch_centre(max(patches, key=len))
    return x - CX, y - CY


with RunningProgram(sys.argv[1]) as s:
    start = start_chart(s)
    centre = cursor_centre(start)

    # A click on the chart away from the cursor brings the cursor; the
    # pointer then rests there.
    img = s.click(CX + 150, CY + 100)
    check(near_point(cursor_centre(img), (CX + 150, CY + 100)), "cursor did not come to the click")
    # Each F4 zooms in on the cursor and leaves it at the chart centre; the
    # resting pointer does not pull it back.
    for zoom in range(2, 6):
        img = s.key("F4")
        got = cursor_centre(img)
        check(near_point(got, centre), "zoom %d: cursor at %r, not at the centre %r" % (zoom, got, centre))
    s.park_mouse()

    # Rigel (5.2423 h, -8.2017 deg) on the whole-sky chart.
    s.key("1")
    x = 592 - int(5.2423 * 592 / 24.0)
    y = 176 - int(-8.2017 * 352 / 180.0)
    put_cursor(s, x, y)
    # Alone in the cursor's box: zoom in on its disc until it is.
    img = s.key("F4")
    for _ in range(6):
        bx, by = brightest_disc(img, CW // 2, CH // 2, 40)
        put_cursor(s, bx, by)
        img = s.key("F4")
    alone = s.key("F5").region(*STARLINE)
    check(sum(1 for i in range(0, len(alone), 3) if alone[i] > 200) > 100, "no star named at zoom 8")
    # Back to the whole sky with the cursor on Rigel's place.
    s.key("1")
    whole = s.key("F5").region(*STARLINE)
    check(whole == alone, "F5 at zoom 0 named another star than Rigel")

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

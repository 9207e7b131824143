"""The chart cursor: arrows with the step keys, the clamp at the chart
edge, a click bringing it (and only a click), and the cursor lock."""
import sys

from harness import RunningProgram, check
from chartlib import CX, CY, CW, CH, STATUS, chart, cursor_centre, start_chart


def near_point(p, q, tol=1.0):
    return abs(p[0] - q[0]) <= tol and abs(p[1] - q[1]) <= tol


with RunningProgram(sys.argv[1]) as s:
    start = start_chart(s)
    c0 = cursor_centre(start)

    # Step 2, then doubled three times to 16.
    img = s.key("Right")
    check(near_point(cursor_centre(img), (c0[0] + 2, c0[1])), "Right did not move 2 pixels")
    check(img.region(*STATUS) != start.region(*STATUS), "status line did not follow the cursor")
    s.key("plus", "plus", "plus")
    img = s.key("Right")
    check(near_point(cursor_centre(img), (c0[0] + 18, c0[1])), "step 16 not taken")
    img = s.key("Down")
    check(near_point(cursor_centre(img), (c0[0] + 18, c0[1] + 16)), "Down did not move 16 pixels")
    img = s.key("Up", "Left")
    check(near_point(cursor_centre(img), (c0[0] + 2, c0[1])), "Up and Left did not move back")
    img = s.key("minus", "Left")
    check(near_point(cursor_centre(img), (c0[0] - 6, c0[1])), "step 8 not taken after \"-\"")
    # Moving the cursor puts back the chart beneath it: only the cursor moved.
    img = s.key("Right", "Right")
    check(near_point(cursor_centre(img), (c0[0] + 10, c0[1])), "cursor not back")
    img = s.key("minus", "minus", "Left", "Left", "Left", "Left", "Left")
    check(near_point(cursor_centre(img), c0), "cursor not at the centre again")
    check(chart(img) == chart(start), "moving the cursor left marks on the chart")

    # The clamp: Up with step 64 stops 10 pixels below the top edge.
    s.key(*(["plus"] * 6))
    img = s.key("Up", "Up", "Up", "Up")
    check(abs(cursor_centre(img)[1] - (CY + 10)) <= 1, "cursor not held 10 pixels from the top")
    # Left never wraps.
    img = s.key(*(["Left"] * 6))
    check(abs(cursor_centre(img)[0] - (CX + 10)) <= 1, "cursor not held 10 pixels from the left")

    # The mouse: a pointer that only moves over the chart (and a key
    # pressed then) leaves the cursor; a click brings it.
    before = cursor_centre(img)
    s.move(CX + 200, CY + 150)
    img = s.key("plus")
    check(near_point(cursor_centre(img), before), "cursor followed a pointer that did not click")
    s.click(CX + 200, CY + 150, settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 200, CY + 150)), "cursor did not come to the click: %r" %
          (cursor_centre(img),))
    # Locked ("l"): clicks are ignored.
    s.key("l", settle=False)
    s.click(CX + 400, CY + 100, settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 200, CY + 150)), "locked cursor followed a click")
    s.key("l", settle=False)
    s.click(CX + 400, CY + 100, settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 400, CY + 100)), "unlocked cursor did not follow a click")

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

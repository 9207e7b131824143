"""The chart cursor: arrows with the step keys, the clamp at the chart
edge, following the mouse on a key, and the cursor lock."""
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

    # The mouse: with the pointer over the chart, the next key puts the
    # cursor under it.
    s.move(CX + 200, CY + 150)
    s.key("plus", settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 200, CY + 150)), "cursor did not follow the mouse: %r" %
          (cursor_centre(img),))
    # Locked ("l"): the mouse is ignored.
    s.key("l", settle=False)
    s.move(CX + 400, CY + 100)
    s.key("plus", settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 200, CY + 150)), "locked cursor followed the mouse")
    s.key("l", settle=False)
    s.move(CX + 400, CY + 100)
    s.key("plus", settle=False)
    s.park_mouse()
    img = s.settle()
    check(near_point(cursor_centre(img), (CX + 400, CY + 100)), "unlocked cursor did not follow the mouse")

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

"""The sky chart at start-up and the keys that change what it shows:
zoom (F4, F3, "1"), grid "#", constellations "c", orientation "n",
minor planets "a" and the catalogue switch "*"."""
import sys

from harness import RunningProgram, check, near
from chartlib import (CX, CY, CW, CH, STATUS, TITLE, GRID, RED, chart, lit, cursor_centre,
                      differing_columns, start_chart)

with RunningProgram(sys.argv[1]) as s:
    start = start_chart(s)
    # The whole sky: thousands of stars, the cursor at the chart centre and
    # the status line on its grey box.
    stars = lit(start, CX + 1, CY + 1, CX + CW - 1, CY + CH - 1)
    check(stars > 3000, "too few stars on the whole-sky chart: %d" % stars)
    cx, cy = cursor_centre(start)
    check(abs(cx - (CX + CW // 2)) <= 1 and abs(cy - (CY + CH // 2)) <= 1, "cursor not centred: %r" % ((cx, cy),))
    check(near(start.pixel(STATUS[2] - 2, STATUS[3] - 2), (172, 172, 172)), "no status box")
    check(len(start.colours(*STATUS)) >= 2, "status line has no text")

    # F4: zoom 2 around the cursor, fewer but larger stars; the status line
    # changes only in the zoom digit (same cursor pixel, same sky position).
    z2 = s.key("F4")
    check(chart(z2) != chart(start), "F4 did not change the chart")
    cols = differing_columns(start, z2, STATUS)
    check(cols and cols[-1] - cols[0] < 10, "F4 changed more of the status line than the zoom digit: %r" % cols)
    z3 = s.key("F4")
    again = s.key("F3")
    check(again.region(*STATUS) == z2.region(*STATUS), "F3 from zoom 3 does not read as zoom 2 again")
    check(chart(again) == chart(z2), "F3 from zoom 3 does not give back the zoom-2 chart")
    check(differing_columns(z2, z3, STATUS) == cols, "zoom 3 differs from zoom 2 elsewhere than the digit")
    # F3 at zoom 2 and "1" give the whole sky back.
    one = s.key("1")
    check(chart(one) == chart(start), "\"1\" did not give back the whole-sky chart")
    check(one.region(*STATUS) == start.region(*STATUS), "\"1\" status line differs from zoom 0")
    s.key("F4")
    back = s.key("F3")
    check(chart(back) == chart(start), "F3 at zoom 2 did not go to the whole sky")

    # "#": the grid. At zoom 0 the 1 h line lies 24 pixels right of the edge.
    grid = s.key("numbersign")
    column = [grid.pixel(CX + 24, y) for y in range(CY + 2, CY + CH - 12)]
    on = sum(1 for p in column if near(p, GRID, 10))
    check(on > 0.8 * len(column), "no grid line at 1 h: %d of %d" % (on, len(column)))
    check(chart(s.key("numbersign")) == chart(start), "second \"#\" left the grid on")

    # "c": constellation names and boundaries in the greens of colours 179/185.
    con = s.key("c")
    greens = sum(1 for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1, 2)
                 if any(near(con.pixel(x, y), g) for g in ((108, 204, 120), (60, 108, 72))))
    check(greens > 300, "no constellation overlay: %d pixels" % greens)
    check(chart(s.key("c")) == chart(start), "second \"c\" left the constellations on")

    # "n": the chart turned by 180 degrees about its centre.
    turned = s.key("n")
    check(chart(turned) != chart(start), "\"n\" did not change the chart")
    hits = total = 0
    for y in range(CY + 20, CY + CH - 20, 3):
        for x in range(CX + 20, CX + CW - 20, 3):
            if start.pixel(x, y) == (0, 0, 0):
                continue
            total += 1
            mx, my = 2 * CX + CW - x, 2 * CY + CH - y
            if any(turned.pixel(mx + dx, my + dy) != (0, 0, 0) for dx in (-2, -1, 0, 1, 2) for dy in (-1, 0, 1)):
                hits += 1
    check(total > 100 and hits > 0.9 * total, "turned chart is no half-turn: %d of %d" % (hits, total))
    check(chart(s.key("n")) == chart(start), "second \"n\" did not turn the chart back")

    # "a": the minor planets of the date appear (red pixels and crosses).
    red = lambda img: sum(1 for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1)
                          if near(img.pixel(x, y), RED, 8))
    withmp = s.key("a")
    check(red(withmp) > red(start) + 50, "\"a\" drew no minor planets: %d -> %d" % (red(start), red(withmp)))
    check(chart(s.key("a")) == chart(start), "second \"a\" left the minor planets on")

    # "*": Hipparcos, then Tycho again.
    hip = s.key("asterisk")
    check(hip.region(*TITLE) != start.region(*TITLE), "catalogue title did not change")
    check(chart(hip) != chart(start), "HIP chart is the same as TYC")
    tyc = s.key("asterisk")
    check(tyc.region(*TITLE) == start.region(*TITLE), "second \"*\" is not Tycho again")
    check(chart(tyc) == chart(start), "Tycho chart differs after the round trip")

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

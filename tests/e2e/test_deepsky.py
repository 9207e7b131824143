"""Deep-sky objects on the chart: with the Messier objects on ("m") and the
chart centred on M 31 from the SKYMAP menu, zoom 8 shows the galaxy as an
ellipse in its colour whose long axis lies at its position angle, 35
degrees from north through east (north up, east to the left); "i" on the
centre names it on the identification line."""
import math
import sys

from harness import RunningProgram, check, near
from chartlib import CX, CY, CW, CH, STARLINE, start_chart

ROSE = (240, 128, 184)  # galaxies, palette entry 161
PA = 35.0               # OpenNGC position angle of M 31 (NGC 224)
MAJOR = 177.83 / 60     # its major axis, degrees


def down(s, n):
    for _ in range(n):
        s.key("Down", settle=False)


def enter_value(s, text):
    s.key("Return")
    for _ in range(12):
        s.key("Delete", settle=False)
    s.type(text)
    s.key("Return")


with RunningProgram(sys.argv[1]) as s:
    start_chart(s)
    s.key("m")
    s.key("alt+s")
    down(s, 5)                   # R.A. CENTRE
    enter_value(s, "0.71232")    # 00h 42m 44.3s
    down(s, 1)                   # DEC CENTRE
    enter_value(s, "41.26906")
    s.key("F4")                  # go there, menu closed
    for _ in range(7):          # zoom 0, 2, 3 .. 8
        img = s.key("F4")
    cx, cy = CX + CW // 2, CY + CH // 2
    pixperdeg = CH * math.sqrt(2) ** 8 / 180
    a = MAJOR / 2 * pixperdeg
    # The outline: the rose pixels connected to the one farthest out within
    # the half major axis (M 32 and the labels stand apart).
    rose = {(x - cx, y - cy) for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1)
            if near(img.pixel(x, y), ROSE, 10)}
    inner = [p for p in rose if math.hypot(*p) <= a + 1]
    check(inner, "no rose pixels of M 31 within %.0f pixels" % a)
    todo = [max(inner, key=lambda p: math.hypot(*p))]
    outline = set(todo)
    while todo:
        x, y = todo.pop()
        for n in ((x + i, y + j) for i in (-1, 0, 1) for j in (-1, 0, 1)):
            if n in rose and n not in outline:
                outline.add(n)
                todo.append(n)
    check(len(outline) > 100, "M 31's outline has %d pixels" % len(outline))
    # M 110 touches the outline within 0.55 of the half axis: the moments
    # of the outer part, east (left) u and north (up) v, give the long axis.
    outline = {p for p in outline if math.hypot(*p) >= 0.6 * a}
    suu = sum(x * x for x, y in outline)
    svv = sum(y * y for x, y in outline)
    suv = sum(x * y for x, y in outline)
    pa = math.degrees(0.5 * math.atan2(2 * suv, svv - suu)) % 180
    check(abs(pa - PA) < 2, "M 31's long axis at %.1f degrees, not %.0f" % (pa, PA))
    far = max(math.hypot(*p) for p in outline)
    check(abs(far - a) < 2, "M 31's ellipse reaches %.1f pixels, its half major axis is %.1f" % (far, a))

    # "i" on the centre names the galaxy in its colour.
    line = s.key("i")
    rose = sum(1 for y in range(STARLINE[1], STARLINE[3]) for x in range(0, 640)
               if near(line.pixel(x, y), ROSE, 10))
    check(rose > 50, "\"i\" on M 31 wrote no galaxy line: %d rose pixels" % rose)
    s.exit_program()

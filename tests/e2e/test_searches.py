"""The searches of the APPULSE menu at 640 x 480: a field check run from the
menu lists the objects of the whole database within FIELD RADIUS of the
cursor, F9 and F2 write the page and the CSV file, a picked row centres the
chart on its object, drawn there with a ring; "k" on the chart checks the
field at the cursor; close approaches of the page over three days are
listed by date, written as CSV, and a picked row sets the chart's instant."""
import csv
import math
import os
import sys

from harness import RunningProgram, check, near
from chartlib import start_chart, CX, CY, CW, CH, YELLOW

H, V = 8, 16
LIST = (26 * H, 5 * V, 79 * H, 26 * V)   # list rows, below the headings
BLACK = (0, 0, 0)
DATELINE = (CX, 49, 358, 62)             # the chart's JD and date line


def ink(img, box=LIST):
    return sum(1 for y in range(box[1], box[3]) for x in range(box[0], box[2]) if near(img.pixel(x, y), BLACK, 8))


def setfield(s, n, text, width=8):
    """Edits field n of the APPULSE menu (focus on field 0), back to 0."""
    for _ in range(n):
        s.key("Down", settle=False)
    s.key("Return")
    for _ in range(width):
        s.key("Delete", settle=False)
    s.type(text)
    s.key("Return")
    for _ in range(n):
        s.key("Up", settle=False)


def run(s, n):
    """Enter on field n of the APPULSE menu; the focus goes back to 0."""
    for _ in range(n):
        s.key("Down", settle=False)
    img = s.key("Return")
    for _ in range(n):
        s.key("Up", settle=False)
    return img


def rows(path):
    with open(path, newline="", encoding="latin-1") as f:
        return list(csv.DictReader(f))


FIELDRADIUS, FIELDCHECK, APPRDAYS, APPRPAGE = 6, 7, 9, 12

with RunningProgram(sys.argv[1], screen=(640, 480)) as s:
    start_chart(s)
    menu = s.key("alt+a")
    empty = ink(menu)
    setfield(s, FIELDRADIUS, "7200")
    page = run(s, FIELDCHECK)
    check(ink(page) > empty + 300, "the field check listed nothing")

    notes = os.path.join(s.dir, "notes.txt")
    s.key("F9")
    text = open(notes, "rb").read().decode("latin-1")
    check("Field 12 00 00" in text and "7097 checked" in text, "F9 did not note the field page: %r" % text[-400:])
    found = int(text.split("Field 12 00 00")[1].split(" found")[0].split()[-1])

    s.key("F2")
    check(s.dialog_open(s.key("y")), "the CSV file was not reported")
    s.key("Return")
    hits = rows(os.path.join(s.dir, "fieldchk.csv"))
    check(len(hits) == found and found > 0, "%d CSV rows for %d found" % (len(hits), found))
    dist = [math.hypot(float(h["east_arcsec"]), float(h["north_arcsec"])) for h in hits]
    check(max(dist) <= 7200 and dist == sorted(dist), "rows outside the field or out of order: %r" % dist)
    check(all(float(h["motion_arcsec_per_min"]) > 0 for h in hits), "a row without motion")

    # Row a: the chart goes to its object, ringed in yellow at the centre.
    chart = s.key("a")
    cx, cy = CX + CW // 2, CY + CH // 2
    ring = sum(1 for y in range(cy - 12, cy + 12) for x in range(cx - 12, cx + 12) if near(chart.pixel(x, y), YELLOW))
    check(ring > 10, "no ring at the chart centre (%d yellow pixels)" % ring)

    # "k" on the chart: the field at the cursor, now that object's place.
    again = s.key("k")
    check(ink(again) > empty + 300, "k showed no field list")
    s.key("F9")
    text = open(notes, "rb").read().decode("latin-1")
    check(text.count("7097 checked") == 2, "k did not check the whole database")

    # Close approaches of the page over three days.
    before = s.capture()
    setfield(s, APPRDAYS, "3")
    listed = run(s, APPRPAGE)
    check(ink(listed) > empty + 300, "no close approaches listed")
    s.key("F2")
    s.key("y")
    s.key("Return")
    found = rows(os.path.join(s.dir, "approach.csv"))
    check(len(found) > 5, "only %d approaches" % len(found))
    jds = [float(r["jd_ut"]) for r in found]
    check(jds == sorted(jds) and jds[-1] - jds[0] <= 3.0, "rows not by date within three days")
    check(all(float(r["alt_deg"]) >= 0 and float(r["sep_arcsec"]) <= 60 for r in found),
          "a row below the horizon or wider than 60\"")
    for r in found:
        if float(r["sep_arcsec"]) < 5:
            check("occultation candidate" in r["note"], "a candidate without its reminder")

    # Row a: the chart at that instant.
    chart = s.key("a")
    check(chart.region(*DATELINE) != before.region(*DATELINE), "the chart's instant did not change")
    check(s.running(), "the program ended")
    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

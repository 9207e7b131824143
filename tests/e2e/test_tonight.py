"""The night planner at 640 x 480: TONIGHT in the EPHEMERIS menu lists the
objects that pass the filters beside the night's facts; F2 writes the whole
result as CSV; MAG LIMIT, MIN ALTITUDE and ORDER BY change what the file
holds; F3 draws the altitude graph with its twilight bands and the Moon;
a row of the last page goes to its object on the chart, loading the
database page that holds it, and makes it the current object (the saved
project says which)."""
import csv
import os
import struct
import sys

from harness import RunningProgram, check, near
from chartlib import start_chart

H, V = 8, 16
LIST = (26 * H, 4 * V, 79 * H, 26 * V)
FACTS = (1 * H, 17 * V, 25 * H, 26 * V)
DARKBLUE = (0, 0, 120)      # list and facts text, colour 1
YELLOW = (252, 252, 0)      # the Moon's altitude, colour 14
NIGHTBAND = (44, 44, 44)    # grey ramp 2: the sky after astronomical twilight
DAYBAND = (236, 236, 236)   # grey ramp 14: daylight
SHOTS = os.environ.get("TONIGHT_SHOTS")
LABELS = "abcdefghijklmnopqrstuvwxyz1234567890"
ROWS = 28                   # list rows a page at 640 x 480 in the list's font


def count(img, colour, box, tol=8):
    return sum(1 for y in range(box[1], box[3]) for x in range(box[0], box[2])
               if near(img.pixel(x, y), colour, tol))


def down(s, n):
    """n times Down; the last one waits for the screen, so that a loaded
    machine never has more keys queued than the program's key buffer holds."""
    for i in range(n):
        s.key("Down", settle=i == n - 1)


def up(s, n):
    for i in range(n):
        s.key("Up", settle=i == n - 1)


def edit(s, n, text, width=12):
    """Types text into value field n of the open menu (focus on field 0)."""
    down(s, n)
    s.key("Return")
    for _ in range(width):
        s.key("Delete", settle=False)
    s.type(text)
    s.key("Return")
    up(s, n)


def run_tonight(s):
    down(s, 12)
    img = s.key("Return")
    up(s, 12)
    return img


def save_csv(s):
    path = os.path.join(s.dir, "tonight.csv")
    if os.path.exists(path):
        os.remove(path)
    s.key("F2")
    s.key("y")
    check(os.path.exists(path), "F2 wrote no tonight.csv")
    with open(path, newline="") as f:
        rows = list(csv.DictReader(f))
    return rows


with RunningProgram(sys.argv[1]) as s:
    start_chart(s)
    menu = s.key("alt+e")
    blank_facts = count(menu, DARKBLUE, FACTS)
    page = run_tonight(s)
    if SHOTS:
        page.save_png(SHOTS + "-list.png")
    check(count(page, DARKBLUE, LIST) > 2000, "TONIGHT listed no rows")
    check(count(page, DARKBLUE, FACTS) > blank_facts + 300, "no night facts under the fields")

    everything = save_csv(s)
    check(len(everything) > 50, "only %d rows in the CSV" % len(everything))
    check(all(float(r["mag"]) <= 16.0 and float(r["minutes"]) >= 30 for r in everything),
          "a row beyond the default filters")
    transits = [r["transit"] for r in everything]
    check(transits == sorted(transits), "the rows are not in transit order")

    # Every object (no magnitude or time limit), by number: the last one
    # lies on a later database page; its row goes to the chart and makes it
    # the current object.
    edit(s, 8, "30")
    edit(s, 9, "0", 5)
    down(s, 11)
    for i in range(3):
        s.key("Return", settle=i == 2)  # Transit -> Mag -> Minutes -> Number
    up(s, 11)
    run_tonight(s)
    every = save_csv(s)
    check(len(every) > 7000, "not every record was scanned: %d rows" % len(every))
    check(all(r["kind"] == "P" for r in every[:8]), "the planets do not come first")
    bynumber = sorted(every[8:], key=lambda r: (int(r["number"]) == 0, int(r["number"]), r["name"]))
    check(every[8:] == bynumber, "the rows are not in number order")
    last = bynumber[-1]
    check(int(last["record"]) >= 3000, "the last object is on the first page")
    s.key("End")
    s.key(LABELS[(len(every) - 1) % ROWS])
    check(s.running(), "the program ended")
    s.key("alt+f")
    down(s, 10)
    s.key("Return")                     # SAVE PROJECT
    s.key("y")
    s.key("Escape")
    cfg = open(os.path.join(s.dir, "ast001.CFG"), "rb").read()
    start = struct.unpack_from("<i", cfg, 320 + 4 * 4)[0]
    name = cfg[600 + 40:600 + 80].split(b"\0")[0].decode("latin-1").strip()
    check(start >= 3000, "no later page loaded (START ASTEROID %d)" % start)
    check(name == last["name"], "the current object is %r, not %r" % (name, last["name"]))

    # Brighter than 12, higher than 50 degrees, 30 minutes, still by number.
    s.key("alt+e")
    edit(s, 8, "12")
    edit(s, 7, "50")
    edit(s, 9, "30", 5)
    run_tonight(s)
    bright = save_csv(s)
    check(0 < len(bright) < len(everything), "the filters did not narrow the list (%d)" % len(bright))
    check(all(float(r["mag"]) <= 12.0 and float(r["alt_transit_deg"]) >= 50.0 for r in bright),
          "a row fainter than 12 or lower than 50 degrees")
    numbers = [int(r["number"]) for r in bright if r["kind"] == "D"]
    check(numbers == sorted(numbers), "the rows are not in number order")

    # F3: the graph of the marked row in the list's place.
    graph = s.key("F3")
    if SHOTS:
        graph.save_png(SHOTS + "-graph.png")
    check(count(graph, NIGHTBAND, LIST, 4) > 3000, "no dark band on the graph")
    check(count(graph, DAYBAND, LIST, 4) > 300, "no daylight band on the graph")
    check(count(graph, YELLOW, LIST) > 40, "no Moon on the graph")

    s.key("Escape")
    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

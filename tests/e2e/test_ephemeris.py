"""Help, the ephemeris page, its file and the notes file at 640 x 480: F1 on
the chart shows the general topic and follows a link and the way back; an
ephemeris generated in the EPHEMERIS menu shows in its list; F2 writes the
ephemeris file, F9 appends the page to notes.txt, and a notes file that
cannot be replaced is reported and kept."""
import os
import sys

from harness import RunningProgram, check, near
from chartlib import start_chart

H, V = 8, 16
RED = (252, 0, 0)          # help headings, colour 10
BLUE = (0, 0, 252)         # help text, colour 9
TEAL = (0, 120, 120)       # ephemeris list text, colour 4
LIST = (26 * H, 4 * V, 79 * H, 26 * V)
HELPHEAD = (10 * H, 8 * V, 68 * H, 8 * V + 20)


def help_open(img):
    """The help window (58 x 16 cells from column 10, row 8), redrawn in
    place for each topic: dark-blue top and left edges, grey face."""
    x0, y0 = 10 * H, 8 * V
    return (near(img.pixel(x0, y0 + 40), (0, 0, 120), 8) and near(img.pixel(x0 + 40, y0), (0, 0, 120), 8)
            and near(img.pixel(x0 + 2, y0 + 200), (172, 172, 172), 8))


def count(img, colour, box):
    return sum(1 for y in range(box[1], box[3]) for x in range(box[0], box[2]) if near(img.pixel(x, y), colour, 8))


def retype(s, text, width):
    for _ in range(width):
        s.key("Delete", settle=False)
    s.type(text)
    return s.key("Return")


def field(s, n, text, width=12):
    """Edits field n of the open menu (focus on field 0) and goes back to 0."""
    for _ in range(n):
        s.key("Down", settle=False)
    s.key("Return")
    retype(s, text, width)
    for _ in range(n):
        s.key("Up", settle=False)


with RunningProgram(sys.argv[1]) as s:
    chart = start_chart(s)

    # F1 on the chart: the general topic, then link 1 and back.
    general = s.key("F1")
    check(help_open(general), "F1 opened no help window")
    check(count(general, RED, HELPHEAD) > 30, "no heading on the help page")
    check(count(general, BLUE, (10 * H, 9 * V, 68 * H, 21 * V)) > 200, "no help text")
    linked = s.key("1")
    check(help_open(linked), "link 1 closed the help")
    check(linked.region(*HELPHEAD) != general.region(*HELPHEAD), "link 1 showed the same topic")
    back = s.key("Escape")
    check(back.region(*HELPHEAD) == general.region(*HELPHEAD), "Escape did not go back to the general topic")
    closed = s.key("Escape")
    check(not help_open(closed), "Escape on the first topic left the help open")

    # EPHEMERIS: ten entries a day apart from JD 2460000.5 for the current
    # object, saved in eph.txt.
    menu = s.key("alt+e")
    empty = count(menu, TEAL, LIST)
    field(s, 0, "10", 4)
    field(s, 1, "1", 10)
    field(s, 2, "2460000.5", 12)
    field(s, 3, "eph.txt", 14)
    for _ in range(5):
        s.key("Down", settle=False)
    s.key("Return")            # GENERATE EPHEM
    page = s.key("y")
    check(count(page, TEAL, LIST) > empty + 500, "the ephemeris list shows no rows")

    s.key("F2")                # "Save Ephemeris in file eph.txt?"
    s.key("y")
    path = os.path.join(s.dir, "eph.txt")
    check(os.path.exists(path), "F2 wrote no ephemeris file")
    text = open(path, "rb").read().decode("latin-1")
    check("Planet Ephemerides (10 on file)" in text, "the file lacks the page title: %r" % text[:200])
    check(text.count("\r\n") >= 14, "the file lacks the rows")
    check("KORVANEX Ver 3.0 Alpha 14" in text, "the file lacks its header line")

    # F9: the page goes to notes.txt, twice as two blocks.
    notes = os.path.join(s.dir, "notes.txt")
    s.key("F9")
    s.key("F9")
    text = open(notes, "rb").read().decode("latin-1")
    check(text.count("Planet Ephemerides (10 on file)") == 2, "two F9 left %d pages" % text.count("Planet Ephemerides"))

    # A notes file that cannot be opened for appending (a link into a missing folder).
    os.rename(notes, notes + ".kept")
    os.symlink(os.path.join(s.dir, "missing", "notes.txt"), notes)
    img = s.key("F9")
    check(s.dialog_open(img), "a failed F9 showed no message")
    s.key("Return")
    s.key("Escape")
    check(s.running(), "the program ended")
    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

"""The nine menus at 640 x 480: each opens by its Alt key and by a click on
the menu bar; fields edit settings and run their actions (the date, the
place, the user file, a planet record); projects save, load and are
offered on exit, and read at the next start."""
import os
import sys
import time

from harness import RunningProgram, check, near, WHITE
from chartlib import chart, start_chart

H, V = 8, 16                      # text cell at 640 x 480
LOGO_COL = [1, 9, 17, 25, 33, 41, 49, 57, 65]
ALT = ["alt+f", "alt+l", "alt+c", "alt+p", "alt+e", "alt+s", "alt+t", "alt+a", "alt+o"]
PLACELINE = (10, V + 5, 56 * H, 2 * V - 1)


def menu_window(img):
    """True when the menu window (80 x 27 cells from row 3) is up: its
    white left edge and its light-grey face (the pointer parks on the
    bottom-right corner)."""
    return (near(img.pixel(0, 3 * V), WHITE) and near(img.pixel(0, 29 * V), WHITE)
            and near(img.pixel(4, 27 * V + 8), (174, 174, 174)))


def heading_fill(img, m):
    """Colour inside menu-bar entry m, clear of its label."""
    return img.pixel(LOGO_COL[m] * H + 60, 2 * V + V // 2)


def open_menu(img):
    """Number of the menu whose menu-bar entry is lit, or -1."""
    fills = [heading_fill(img, m) for m in range(9)]
    for m in range(9):
        others = [fills[j] for j in range(9) if j != m]
        if all(f == others[0] for f in others) and fills[m] != others[0]:
            return m
    return -1


def value_box(n, width=12):
    """Pixels of the value of field n: text column 13 of row 4 + n."""
    return (13 * H, (4 + n) * V, (13 + width) * H, (5 + n) * V)


def down(s, n):
    for _ in range(n):
        s.key("Down", settle=False)
    return s.settle()


def retype(s, text, width=10):
    """In an open editor: clears the value and types text, then Enter."""
    for _ in range(width):
        s.key("Delete", settle=False)
    s.type(text)
    return s.key("Return")


def reds(img):
    """Reddish pixels of the chart: the minor planets in their colour classes
    (about 3000 at start-up, against some 500 of red stars and the Sun
    without them)."""
    data = chart(img)
    return sum(1 for i in range(0, len(data), 3) if data[i] >= 120 and data[i + 1] < 100 and data[i + 2] < 100)


def current_row_top(img):
    """Top of the red current-entry row in the PLANET list page (the right
    part of the menu window), or None."""
    for y in range(4 * V, 28 * V):
        if sum(1 for x in range(27 * H, 78 * H)
               if img.pixel(x, y)[0] > 200 and max(img.pixel(x, y)[1:]) < 60) > 10:
            return y
    return None


with RunningProgram(sys.argv[1], remove=("ast001.CFG",)) as s:
    start = start_chart(s)
    # Without a project the planet page opens on the first minor planet
    # (record 8, Ceres), not on Mercury: its row is the one marked current,
    # below the eight planet rows.
    top = current_row_top(s.key("alt+p"))
    check(top is not None and top > 4 * V + 8 * 12, "current planet row at %r, not below the planets" % top)
    s.key("Escape")
    # Every menu by its Alt key, and Escape back to the chart.
    for m in range(9):
        img = s.key(ALT[m])
        check(menu_window(img), "Alt key of menu %d opened no menu window" % m)
        check(open_menu(img) == m, "Alt key of menu %d lit menu %d" % (m, open_menu(img)))
        back = s.key("Escape")
        check(open_menu(back) == -1, "Escape left menu %d lit" % m)
        check(not menu_window(back), "Escape left menu %d open" % m)
    # Every menu by a click on the menu bar; a click on another entry
    # switches in place.
    for m in range(9):
        img = s.click(LOGO_COL[m] * H + 12, 2 * V + 8)
        check(open_menu(img) == m, "click on menu-bar entry %d lit menu %d" % (m, open_menu(img)))
    s.park_mouse()
    check(open_menu(s.key("Escape")) == -1, "Escape did not close the menus")

    # LOCATION: a new month and hour, MAKE MY DAY, Yes: the Sun and the
    # minor planets move on the chart.
    shown = s.key("a")
    before = reds(shown)
    check(before > 1500, "no minor planets shown: %d red pixels" % before)
    opened = s.key("alt+l")
    s.key("Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down")  # MONTH
    month = s.capture().region(*value_box(11))
    s.key("Return")
    retype(s, "13", 2)        # refused: months run to 12
    s.key("Return")           # the OOPS box; the editor opens again
    img = s.key("Escape")     # and is left
    check(img.region(*value_box(11)) == month, "a refused month was stored")
    s.key("Return")
    img = retype(s, str((time.localtime().tm_mon + 5) % 12 + 1), 2)
    check(img.region(*value_box(11)) != month, "the new month is not shown")
    s.key("Down", "Down")     # HOUR (local)
    s.key("Return")
    retype(s, str((time.localtime().tm_hour + 12) % 24), 2)
    down(s, 2)                # MAKE MY DAY
    s.key("Return")
    s.key("y")
    moved = s.key("Escape")
    check(chart(moved) != chart(shown), "MAKE MY DAY left the chart as it was")
    check(reds(moved) > 1500, "the minor planets are gone after MAKE MY DAY")

    # OBSERVATORY: another place, stored with F2, is the place of the title line.
    s.key("alt+l")
    s.key("Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up", "Up")
    s.key("Return")
    retype(s, "2", 4)
    s.key("F2")
    placed = s.key("Escape")
    check(placed.region(*PLACELINE) != moved.region(*PLACELINE), "the place line did not change")

    # FILE: LOAD USER reads the user file; USER ASTEROIDS shows its count.
    img = s.key("alt+f")
    users = img.region(*value_box(7))
    down(s, 5)
    s.key("Return")
    s.key("y")           # Reload User Selected Objects?
    img = s.key("Return")  # its report
    check(img.region(*value_box(7)) != users, "USER ASTEROIDS did not change after LOAD USER")

    # PLANET: FILE NUMBER 9 shows that record's name and elements.
    img = s.key("alt+p")
    name, anomaly = img.region(*value_box(2, 20)), img.region(*value_box(4))
    s.key("Return")
    img = retype(s, "9", 6)
    check(img.region(*value_box(2, 20)) != name, "PLANET NAME did not change with FILE NUMBER")
    check(img.region(*value_box(4)) != anomaly, "MEAN ANOMALY did not change with FILE NUMBER")
    s.key("Escape")

    # SAVE PROJECT, change the orientation, LOAD PROJECT: restored.
    cfg = os.path.join(s.dir, "ast001.CFG")
    check(not os.path.exists(cfg), "a project file before the first save")
    s.key("alt+f")
    s.key("Down", "Down", "Down", "Down", "Down")  # from LOAD USER to SAVE PROJECT
    s.key("Return")
    s.key("y")           # Create project?
    check(os.path.exists(cfg) and os.path.getsize(cfg) == 1228, "SAVE PROJECT wrote no 1228-byte signed file")
    north = s.key("alt+s")
    south = s.key("Return")
    check(south.region(*value_box(0, 9)) != north.region(*value_box(0, 9)), "ORIENTATION did not step")
    s.key("alt+f")
    s.key("Up")          # LOAD PROJECT
    s.key("Return")
    s.key("y")           # Load project?
    again = s.key("alt+s")
    check(again.region(*value_box(0, 9)) == north.region(*value_box(0, 9)), "LOAD PROJECT did not restore ORIENTATION")
    s.key("Escape")

    # Leaving: Yes to the project question saves (over the file, after
    # its own question), then the program ends.
    os.remove(cfg)
    s.key("Escape", settle=False)
    for answer in ("y", "y", "y"):
        s.settle()
        if not s.running():
            break
        s.key(answer, settle=False)
    check(s.wait_exit() == 0, "the program did not end")
    check(os.path.exists(cfg) and os.path.getsize(cfg) == 1228, "the exit question wrote no project file")

    # The next start reads that project: the minor planets ("a" above) are
    # on without a key.
    s.start()
    img = s.pass_startup()
    check(reds(img) > 1500, "the project's switches were not read at start-up")
    check(s.exit_program() == 0, "the second run did not end cleanly")

print("passed")

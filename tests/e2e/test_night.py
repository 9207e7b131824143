"""A first observing night: a project saved under its own name comes back
after a restart with its chart (zoom, star catalogue), and the exit
question saves it there again."""
import os
import struct
import sys
import time

from harness import Session, check

ZOOM, CATALOGUE = 320 + 4 * 34, 320 + 4 * 35   # iNT slots of the chart in a project


def chart_of(path):
    with open(path, "rb") as f:
        b = f.read()
    return struct.unpack_from("<i", b, ZOOM)[0], struct.unpack_from("<i", b, CATALOGUE)[0]


def answer(s, *keys):
    """Answers a row of questions, each once its box is up."""
    for k in keys:
        end = time.time() + 5
        while s.running() and not s.dialog_open(s.settle()) and time.time() < end:
            time.sleep(0.2)
        if not s.running():
            return
        s.key(k, settle=False)


with Session(sys.argv[1]) as s:
    s.start()
    s.pass_startup()
    s.key("F4", "F4", "F4", "F4", "F4")    # zoom 2, 3, 4, 5, 6
    s.key("asterisk")                       # HIP
    s.key("alt+f")
    for _ in range(8):
        s.key("Down", settle=False)         # PROJECT NAME
    s.key("Return")
    s.type("vesta1")
    s.key("Return")
    s.key("Down", "Down", "Return")         # SAVE PROJECT
    answer(s, "y")                          # Create project?
    s.key("Escape")
    s.key("Escape", settle=False)
    answer(s, "n", "y")                     # leave without a second save
    check(s.wait_exit() == 0, "the program did not end")
    cfg = os.path.join(s.dir, "vesta1.CFG")
    check(os.path.exists(cfg), "SAVE PROJECT wrote no vesta1.CFG")
    check(chart_of(cfg) == (6, 1), "the project holds zoom/catalogue %r, not (6, 1)" % (chart_of(cfg),))
    with open(os.path.join(s.dir, "lastproj.txt")) as f:
        check(f.read().strip() == "vesta1", "the pointer file does not name vesta1")

    # The next start reads vesta1 (not ast001) and restores its chart: the
    # exit question's save writes what is in effect back into vesta1.
    os.utime(cfg, (0, 0))
    s.start()
    s.pass_startup()
    s.key("Escape", settle=False)
    answer(s, "y", "y", "y")
    check(s.wait_exit() == 0, "the second run did not end")
    check(os.path.getmtime(cfg) > 0, "the exit question did not save into vesta1.CFG")
    check(chart_of(cfg) == (6, 1), "after the restart the chart was %r, not zoom 6 with HIP" % (chart_of(cfg),))

# Night colours at 1280 x 1024 x 32 and at 640 x 480 x 8: with the
# telescope view on, "O" turns every pixel of the screen red on black
# (menus, buttons, header, stars), and the read-outs keep their text.
for args, screen in ((["1280", "32"], (1280, 1024)), ([], (640, 480))):
    with Session(sys.argv[1], args=args, screen=screen) as s:
        s.start()
        s.pass_startup()
        s.key("t")
        img = s.key("O")
        h, v = s.cell()
        coloured = sum(1 for y in range(0, img.height, 3) for x in range(0, img.width, 3)
                       if img.pixel(x, y)[1] > 0 or img.pixel(x, y)[2] > 0)
        check(coloured == 0, "%r: %d pixels not red on black" % (args, coloured))
        reds = img.colours(0, 0, img.width, img.height)
        check(len(reds) >= 6, "%r: the red screen has only %d shades" % (args, len(reds)))
        check(s.exit_program() == 0, "the night-colour run did not end")
print("passed")

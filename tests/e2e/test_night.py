"""A project saved under its own name comes back after a restart with its
chart (zoom 6, HIP): the exit question saves it there again. At 32 bits a
night scheme turns every pixel red."""
import os
import struct
import sys
import time

from harness import RunningProgram, check


def answer(s, *keys):
    for k in keys:
        end = time.time() + 5
        while s.running() and not s.dialog_open(s.settle()) and time.time() < end:
            time.sleep(0.2)
        if s.running():
            s.key(k, settle=False)


with RunningProgram(sys.argv[1], args=["1280", "32"]) as s:
    cfg = os.path.join(s.dir, "vesta1.CFG")
    s.start()
    s.pass_startup()
    s.key("F4", "F4", "F4", "F4", "F4", "asterisk", "alt+f", *["Down"] * 8, "Return")
    s.type("vesta1")
    s.key("Return", "Down", "Down", "Return")     # PROJECT NAME, SAVE PROJECT
    answer(s, "y")
    s.key("Escape", "Escape", settle=False)
    answer(s, "n", "y")
    check(s.wait_exit() == 0 and os.path.exists(cfg), "no vesta1.CFG saved")
    os.utime(cfg, (0, 0))
    s.start()
    s.pass_startup()
    img = s.key("t", "O")
    check(all(p[1] == p[2] == 0 for p in (img.pixel(x, y) for y in range(0, 1024, 4) for x in range(0, 1280, 4))),
          "the night scheme left pixels that are not red")
    s.key("Escape", settle=False)
    answer(s, "y", "y", "y")
    check(s.wait_exit() == 0 and os.path.getmtime(cfg) > 0, "the exit question did not save vesta1.CFG")
    with open(cfg, "rb") as f:
        chart = struct.unpack_from("<2i", f.read(), 320 + 4 * 34)
    check(chart == (6, 1), "after the restart zoom/catalogue were %r, not 6 and HIP" % (chart,))
print("passed")

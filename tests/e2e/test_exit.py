"""Leaving the program: Escape, a right click, and a missing or damaged datafile."""
import os
import sys

from harness import RunningProgram, check

exe = sys.argv[1]

with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    check(s.exit_program() == 0, "Escape did not end the program cleanly")

with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    # A right click anywhere is Escape.
    s.move(100, 300)
    s.press(3)
    for answer in ("n", "y"):
        s.settle()
        if s.running():
            s.key(answer, settle=False)
    check(s.wait_exit() == 0, "right click did not lead to the exit")


def ends_with_fault(damage, what, kind):
    with RunningProgram(exe) as s:
        damage(os.path.join(s.dir, "vuva.dat"))
        img = s.start().capture()
        drawn = len(img.region(0, img.height // 3, img.width, img.height // 2).replace(b"\0", b""))
        check(drawn > 300 and s.running(), "%s: no fault on the screen (%d)" % (what, drawn))
        s.key("Return", settle=False)
        rc, out = s.wait_exit(), s.output.decode("latin-1")
        check(rc == 255 and "Critical error\n\n" in out and "vuva.dat is " + kind in out, "%s: %r %r" % (what, rc, out))


def cut(size):
    def damage(path):
        with open(path, "r+b") as f:
            f.truncate(size)
    return damage


def fifteen_plain_objects(path):
    body = b"slh.ALL." + (15).to_bytes(4, "big")
    body += (b"DATA" + (4).to_bytes(4, "big") * 2 + b"abcd") * 15
    with open(path, "wb") as f:
        f.write(body)


ends_with_fault(os.remove, "missing", "missing")
for size in (8, 12, 30000, 63000):
    ends_with_fault(cut(size), "cut to %d bytes" % size, "damaged")
ends_with_fault(fifteen_plain_objects, "15 objects, no font", "damaged")
print("passed")

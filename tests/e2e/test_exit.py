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


def ends_as_missing(damage, what):
    """The program stops as for a missing datafile after damage(path)."""
    with RunningProgram(exe) as s:
        damage(os.path.join(s.dir, "vuva.dat"))
        s.start(wait_window=False)
        rc = s.wait_exit()
        out = s.output.decode("latin-1")
        check(rc == 255, "%s: exit status %r" % (what, rc))
        check("Critical error\n\nStart up Files missing." in out, "%s: message was %r" % (what, out))


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


ends_as_missing(os.remove, "missing")
for size in (8, 12, 30000, 63000):
    ends_as_missing(cut(size), "cut to %d bytes" % size)
ends_as_missing(fifteen_plain_objects, "15 objects, no font")
print("passed")

"""Leaving the program: Escape, a right click, and a missing datafile."""
import sys

from harness import Session, check

exe = sys.argv[1]

with Session(exe) as s:
    s.start()
    s.pass_startup()
    check(s.exit_program() == 0, "Escape did not end the program cleanly")

with Session(exe) as s:
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

with Session(exe, remove=("vuva.dat",)) as s:
    s.start(wait_window=False)
    rc = s.wait_exit()
    out = s.output.decode("latin-1")
    check(rc == 255, "exit status %r" % rc)
    check("Critical error\n\nStart up Files missing." in out, "message was %r" % out)
print("passed")

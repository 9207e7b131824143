"""Start at 640 x 480 x 8: banner, title-bar clock, the program's pointer,
and a clean exit."""
import sys
import time

from harness import RunningProgram, check, near, WHITE

with RunningProgram(sys.argv[1]) as s:
    s.start()
    check((s.w, s.h) == (640, 480), "window is %dx%d" % (s.w, s.h))
    img = s.capture()
    check(s.banner_open(img), "start-up banner not shown")

    # The clock box lies in the title bar and changes with the second.
    box = (77 * 8 - 160, 4, 77 * 8 - 4, 13)
    first = img.region(*box)
    check(len(img.colours(*box)) >= 2, "clock box has no text")
    time.sleep(1.3)
    check(s.capture().region(*box) != first, "clock did not tick")

    # The pointer is drawn by the program: outline at the hot spot, body
    # beside it, and what was beneath comes back when it moves on.
    s.move(300, 200)
    img = s.capture()
    check(near(img.pixel(301, 202), WHITE), "pointer body not under the mouse: %r" % (img.pixel(301, 202),))
    beneath = img.pixel(309, 202)
    s.move(420, 300)
    img = s.capture()
    check(near(img.pixel(421, 302), WHITE), "pointer did not follow the mouse")
    check(img.pixel(301, 202) == beneath or not near(img.pixel(301, 202), WHITE),
          "old pointer left behind")
    s.park_mouse()

    img = s.pass_startup()
    check(not s.banner_open(img), "banner still open after a key")
    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

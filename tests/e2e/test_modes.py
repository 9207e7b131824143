"""Command-line switches: sizes, colour depths, buffered drawing and the
diagnostic line."""
import sys

from harness import RunningProgram, check

exe = sys.argv[1]
cases = [
    (["800", "16", "b"], (800, 600)),
    (["1024", "32"], (1024, 768)),
    (["1280"], (1280, 1024)),
    (["1152"], (640, 480)),
    (["12", "24"], (640, 480)),
]
for args, size in cases:
    with RunningProgram(exe, args) as s:
        s.start()
        check((s.w, s.h) == size, "%r: window %dx%d, wanted %r" % (args, s.w, s.h, size))
        img = s.capture()
        check(s.banner_open(img), "%r: banner not shown" % args)
        s.pass_startup()
        check(s.exit_program() == 0, "%r: bad exit" % args)


def debug_line_shown(args):
    with RunningProgram(exe, args) as s:
        s.start()
        s.pass_startup()
        s.move(200, 100)
        s.move(210, 110)
        img = s.capture()
        # The diagnostic box is filled with palette colour 8 (43, 43, 43).
        grey = [c for c in img.colours(640 - 178, 480 - 15, 640 - 3, 480 - 1)]
        shown = any(abs(c[0] - 172) <= 6 and c[0] == c[1] == c[2] for c in grey)
        check(s.exit_program() == 0, "%r: bad exit" % args)
        return shown


check(debug_line_shown(["b", "d"]), "'b' 'd': no diagnostic line")
check(not debug_line_shown(["bd"]), "'bd' must only switch buffered drawing on")
print("passed")

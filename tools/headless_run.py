"""Runs the program once under a private Xvfb (1280 x 1024 x 24): answers
the start-up prompts, shows the minor planets of the date on the chart ("a":
without a project file the display switches start off), saves a
screenshot and one of the telescope view ("t", "4", "C"), then leaves through the exit questions.
Usage: headless_run.py EXE SCREENSHOT [ARGS...]"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import Session  # noqa: E402

exe, shot, args = sys.argv[1], sys.argv[2], sys.argv[3:]
with Session(exe, args, in_place=True) as s:
    s.start()
    s.capture().save_png(shot.replace(".png", "-banner.png"))
    s.pass_startup()
    s.key("a").save_png(shot)
    # The telescope view over the chart, one zoom step in, with its CCD frame.
    s.key("t")
    s.key("4")
    s.key("C").save_png(shot.replace(".png", "-telescope.png"))
    s.key("t")
    rc = s.exit_program()
print("screenshot: %s (exit status %s)" % (shot, rc))
sys.exit(0 if rc == 0 else 1)

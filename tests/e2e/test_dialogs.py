"""The exit questions in their dialog: keys, clicks on YES and NO, a right
click as Escape, the title bar's close box as QUIT, and the start-up report
of a missing place.txt."""
import sys
import time

from harness import RunningProgram, check, fail

exe = sys.argv[1]


def centre(s, col, row, width):
    """Pixel centre of a button of width cells at (col, row)."""
    h, v = s.cell()
    return col * h + width * h // 2, row * v + v // 2


def yes(s):
    return centre(s, 28, 19, 10)


def no(s):
    return centre(s, 38, 19, 10)


def asking(s):
    return s.dialog_open(s.settle())


def answer_until_ended(s, act, limit=5):
    """Answers every question with act() until the program ends (the
    project question may come between the two exit questions)."""
    for _ in range(limit):
        time.sleep(0.5)
        if not s.running():
            break
        if asking(s):
            act()
    rc = s.wait_exit()
    check(rc == 0, "program did not end after the answers: %r" % rc)


def still_running_after_two_noes(s, answer, what):
    check(asking(s), "%s: no exit question" % what)
    answer()
    check(s.running() and asking(s), "%s: the second question did not follow" % what)
    answer()
    img = s.settle()
    check(s.running(), "%s: the program ended after No, No" % what)
    check(not s.dialog_open(img), "%s: a dialog is still open" % what)


def prompts_at_startup(s):
    """Number of banner and report windows answered before the chart."""
    img = s.settle()
    n = 0
    while s.banner_open(img) or s.dialog_open(img):
        n += 1
        if n > 10:
            fail("start-up prompts did not end")
        img = s.key("Return")
    return n


# Escape on the chart, then No and No: the program goes on.
with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    s.key("Escape")
    still_running_after_two_noes(s, lambda: s.key("n"), "keys")
    # Escape again, Yes and Yes: it ends.
    s.key("Escape")
    answer_until_ended(s, lambda: s.key("y", settle=False))

# Clicks on NO twice go on; clicks on YES end it.
with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    s.key("Escape")
    still_running_after_two_noes(s, lambda: s.click(*no(s)), "clicks on NO")
    s.park_mouse()
    s.key("Escape")
    answer_until_ended(s, lambda: s.click(*yes(s), settle=False))

# A right click anywhere in the dialog is Escape, that is No.
with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    s.key("Escape")
    still_running_after_two_noes(s, lambda: (s.move(*yes(s)), s.press(3)), "right clicks")
    s.park_mouse()
    check(s.exit_program() == 0, "exit after the right clicks")

# The close box at the right end of the title bar is QUIT.
with RunningProgram(exe) as s:
    s.start()
    s.pass_startup()
    h, v = s.cell()
    s.click(77 * h + h, v // 2)
    still_running_after_two_noes(s, lambda: s.key("n"), "close box")
    check(s.exit_program() == 0, "exit after the close box")

# Without place.txt start-up shows one report more and still reaches the
# chart.
with RunningProgram(exe) as s:
    s.start()
    usual = prompts_at_startup(s)
    check(s.exit_program() == 0, "exit with place.txt")
with RunningProgram(exe, remove=("place.txt",)) as s:
    s.start()
    check(prompts_at_startup(s) == usual + 1, "no report of the missing place.txt")
    check(s.running(), "start-up did not go on without place.txt")
    check(s.exit_program() == 0, "exit without place.txt")
print("passed")

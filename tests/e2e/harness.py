"""End-to-end harness: the real program in a private Xvfb, driven by xdotool.

A RunningProgram copies the runtime directory (the executable's folder) into a
scratch folder, so tests never touch the user's files and may remove or
change data files; starts Xvfb on a free display; runs the program; and
offers keys, clicks and screen captures of the program's drawing window.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time


def fail(msg):
    print("FAIL: " + msg)
    sys.exit(1)


def check(cond, msg):
    if not cond:
        fail(msg)


class Image:
    """An RGB capture; pixel(x, y) -> (r, g, b)."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def region(self, x0, y0, x1, y1):
        """Raw bytes of the rectangle x0..x1-1, y0..y1-1."""
        rows = []
        for y in range(y0, y1):
            i = 3 * (y * self.width + x0)
            rows.append(self.rgb[i:i + 3 * (x1 - x0)])
        return b"".join(rows)

    def count(self, colour, x0=0, y0=0, x1=None, y1=None):
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        c = bytes(colour)
        data = self.region(x0, y0, x1, y1)
        return sum(1 for i in range(0, len(data), 3) if data[i:i + 3] == c)

    def colours(self, x0=0, y0=0, x1=None, y1=None):
        x1 = self.width if x1 is None else x1
        y1 = self.height if y1 is None else y1
        data = self.region(x0, y0, x1, y1)
        return {data[i:i + 3] for i in range(0, len(data), 3)}

    def save_png(self, path):
        ppm = b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb
        subprocess.run(["convert", "ppm:-", path], input=ppm, check=True)


# Palette colours 15 and 7 as the screen shows them (8-bit modes widen the
# 6-bit palette slightly differently from makecol in deeper modes).
WHITE = (252, 252, 252)
GREY7 = (132, 132, 132)


def near(a, b, tol=6):
    return all(abs(x - y) <= tol for x, y in zip(a, b))


def parse_ppm(data):
    m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
    w, h = int(m.group(1)), int(m.group(2))
    return Image(w, h, data[m.end():m.end() + 3 * w * h])


def start_xvfb(screen):
    """Starts Xvfb on a display it picks itself (-displayfd), so harnesses
    started at the same moment never share one. Returns (process, ":N")."""
    r, w = os.pipe()
    proc = subprocess.Popen(
        ["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx24" % screen, "-nolisten", "tcp"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(w,))
    os.close(w)
    got = b""
    while not got.endswith(b"\n"):
        part = os.read(r, 16)
        if not part:
            break
        got += part
    os.close(r)
    if not got.strip():
        proc.kill()
        fail("Xvfb did not start")
    return proc, ":%d" % int(got)


class RunningProgram:
    """One run of the program. Use as a context manager."""

    def __init__(self, exe, args=(), screen=(1280, 1024), remove=(), in_place=False):
        """in_place: run in the executable's own folder instead of a copy."""
        self.src_dir = os.path.dirname(os.path.abspath(exe))
        self.in_place = in_place
        if in_place:
            self.dir = self.src_dir
        else:
            self.dir = tempfile.mkdtemp(prefix="korvanex-e2e-")
            for name in os.listdir(self.src_dir):
                p = os.path.join(self.src_dir, name)
                if os.path.isfile(p) and name not in remove:
                    shutil.copy2(p, os.path.join(self.dir, name))
        self.exe = os.path.join(self.dir, os.path.basename(exe))
        self.args = list(args)
        self.screen = screen
        self.xvfb = self.proc = None
        self.output = b""

    # -- life cycle -------------------------------------------------------
    def __enter__(self):
        self.xvfb, self.display = start_xvfb(self.screen)
        self.env = dict(os.environ, DISPLAY=self.display)
        for _ in range(100):
            if subprocess.run(["xdpyinfo"], env=self.env, capture_output=True).returncode == 0:
                break
            time.sleep(0.1)
        else:
            fail("Xvfb did not start")
        return self

    def __exit__(self, *exc):
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        if not self.in_place:
            shutil.rmtree(self.dir, ignore_errors=True)

    def start(self, wait_window=True):
        self.proc = subprocess.Popen([self.exe] + self.args, cwd=self.dir, env=self.env,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if wait_window:
            self.find_window()
            self.park_mouse()
            self.wait_drawn()
            self.settle()
        return self

    def wait_drawn(self, timeout=20):
        """Waits until the program has drawn something in its window."""
        end = time.time() + timeout
        while time.time() < end:
            img = self.capture()
            if img.rgb.strip(b"\x00"):
                return img
            time.sleep(0.2)
        fail("window stayed black")

    def wait_exit(self, timeout=20):
        try:
            out, _ = self.proc.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        self.output += out or b""
        return self.proc.returncode

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    # -- the drawing window -----------------------------------------------
    def find_window(self, timeout=20):
        """Finds the deepest mapped window: the one the program draws in."""
        end = time.time() + timeout
        pat = re.compile(r"^(\s*)0x[0-9a-f]+ .*?\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)")
        last = None
        while time.time() < end:
            if not self.running():
                fail("program ended before its window appeared: %r" % self.proc.stdout.read())
            tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env,
                                  capture_output=True, text=True).stdout
            best = None
            for line in tree.splitlines():
                m = pat.match(line)
                if not m or "has no name" not in line:
                    continue
                depth = len(m.group(1))
                if best is None or depth > best[0]:
                    best = (depth, int(m.group(2)), int(m.group(3)), int(m.group(4)), int(m.group(5)))
            # Allegro may first map a small window and then resize it: take
            # the window only once two looks agree.
            if best and best[0] > 5 and best == last:
                _, self.w, self.h, self.x, self.y = best
                return
            last = best
            time.sleep(0.3)
        fail("no program window")

    def capture(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                             env=self.env, capture_output=True).stdout
        root = parse_ppm(raw)
        return Image(self.w, self.h, root.region(self.x, self.y, self.x + self.w, self.y + self.h))

    def settle(self, timeout=10, ignore_top=0):
        """Waits until two captures 0.3 s apart agree (below ignore_top rows,
        the clock ticks in the title bar)."""
        if ignore_top == 0:
            ignore_top = self.h // 30 + 2
        end = time.time() + timeout
        last = None
        while time.time() < end:
            img = self.capture()
            body = img.region(0, ignore_top, img.width, img.height)
            if body == last:
                return img
            last = body
            time.sleep(0.3)
        return img

    # -- input ------------------------------------------------------------
    def xdo(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, check=False,
                       capture_output=True)

    def key(self, *names, settle=True):
        for n in names:
            self.xdo("key", n)
            time.sleep(0.15)
        return self.settle() if settle else None

    def type(self, text):
        self.xdo("type", "--delay", "80", text)
        return self.settle()

    def move(self, x, y):
        """Moves the pointer to (x, y) of the program window."""
        self.xdo("mousemove", self.x + x, self.y + y)
        time.sleep(0.2)

    def click(self, x, y, button=1, settle=True):
        self.move(x, y)
        self.press(button)
        time.sleep(0.2)
        return self.settle() if settle else None

    def press(self, button=1):
        """A click as a hand makes it: the button stays down a moment, as
        the program samples the buttons between its polls."""
        self.xdo("mousedown", button)
        time.sleep(0.12)
        self.xdo("mouseup", button)

    def park_mouse(self):
        self.move(self.w - 1, self.h - 1)

    # -- the program's own screens -----------------------------------------
    def cell(self):
        """Text-cell size for the window width."""
        w = self.w
        return (8, 16) if w <= 700 else (10, 20) if w <= 1000 else (12, 24) if w <= 1200 else (16, 32)

    def window_open(self, img, col, row, width, height):
        """True when a framed pop-up window of these cells is on screen."""
        h, v = self.cell()
        x0, y0 = col * h, row * v
        x1, y1 = x0 + width * h - 1, y0 + height * v - 1
        return (near(img.pixel(x0, y0), WHITE) and near(img.pixel(x0, y1 - 1), WHITE)
                and near(img.pixel(x1, y1), GREY7) and near(img.pixel(x1 - 1, y1), GREY7))

    def banner_open(self, img):
        return self.window_open(img, 24, 10, 40, 14)

    def dialog_open(self, img):
        return self.window_open(img, 20, 5, 40, 16)

    def pass_startup(self, limit=10):
        """Answers the banner and every start-up report until the chart shows."""
        img = self.settle()
        for _ in range(limit):
            if not (self.banner_open(img) or self.dialog_open(img)):
                # Loading between two reports can hold the screen still for
                # a moment: the screen must stay quiet a little longer.
                time.sleep(1.0)
                again = self.settle()
                top = self.h // 30 + 2
                if again.region(0, top, again.width, again.height) == img.region(0, top, img.width, img.height):
                    return again
                img = again
                continue
            img = self.key("Return")
        fail("start-up prompts did not end")

    def exit_program(self, save="n"):
        """Leaves through the exit questions; returns the exit status."""
        self.key("Escape", settle=False)
        for answer in (save, "y"):
            time.sleep(0.8)
            if not self.running():
                break
            self.key(answer, settle=False)
        return self.wait_exit()

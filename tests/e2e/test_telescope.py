"""The telescope view at 640 x 480 x 8: "t" shows it through the default
skin, "4" zooms it, "C" draws the CCD frame, "O" cycles the colour schemes,
a click on a skin button acts as its key, and the shipped "eyepiece" skin
loads from the OPTIONS menu with its mask, buttons and window pieces."""
import sys

from harness import RunningProgram, check, near
from chartlib import CX, CY, TEAL

# The default skin lies at the chart's top left corner.
VIEW = (CX + 10, CY + 30, CX + 240, CY + 250)    # view area, 230 x 220
MAGCELL = (CX + 78, CY + 12, CX + 113, CY + 22)  # magnification read-out
FACE = (CX + 3, CY + 100)                        # skin face, palette colour 8
ZOOMIN = (CX + 60, CY + 18)                      # centre of the "In" button


def teal(img):
    x0, y0, x1, y1 = VIEW
    return sum(1 for y in range(y0, y1) for x in range(x0, x1) if near(img.pixel(x, y), TEAL, 8))


with RunningProgram(sys.argv[1]) as s:
    s.start()
    chart = s.pass_startup()
    check(not near(chart.pixel(*FACE), (172, 172, 172), 6), "a skin before \"t\"")

    view = s.key("t")
    check(near(view.pixel(*FACE), (172, 172, 172), 6), "no default skin after \"t\": %r" % (view.pixel(*FACE),))
    check(len(view.colours(*MAGCELL)) >= 2, "no magnification read-out")

    zoomed = s.key("4")
    check(zoomed.region(*MAGCELL) != view.region(*MAGCELL), "\"4\" did not change the magnification")
    check(zoomed.region(*VIEW) != view.region(*VIEW), "\"4\" did not change the view")

    before = teal(zoomed)
    framed = s.key("C")
    check(teal(framed) >= teal(zoomed) + 40, "no CCD frame after \"C\": %d -> %d" % (before, teal(framed)))

    # Night colours: red, grey, inverted, then the day colours again.
    red = s.key("O").pixel(*FACE)
    check(red[0] > 100 and red[1] == 0 and red[2] == 0, "first \"O\" is not red: %r" % (red,))
    grey = s.key("O").pixel(*FACE)
    check(grey[0] == grey[1] == grey[2] and grey[0] > 100, "second \"O\" is not grey: %r" % (grey,))
    inverted = s.key("O")
    inv = inverted.pixel(*FACE)
    check(inv[0] == inv[1] == inv[2] and inv[0] < 120, "third \"O\" is not inverted: %r" % (inv,))
    x0, y0, x1, y1 = VIEW
    white = sum(1 for x in range(x0 + 2, x1 - 2, 7) if inverted.pixel(x, y0 + 3)[0] > 200)
    check(white > 20, "inverted view sky is not white (%d)" % white)
    back = s.key("O")
    check(near(back.pixel(*FACE), (172, 172, 172), 6), "fourth \"O\" did not bring the day colours back")

    # A click on "In" acts as "4": back at zoom 0, then the click.
    s.key("3")
    s.key("C")
    clicked = s.click(*ZOOMIN)
    s.park_mouse()
    check(clicked.region(*MAGCELL) == zoomed.region(*MAGCELL), "a click on \"In\" did not zoom in as \"4\" does")

    # The shipped skin from the OPTIONS menu: PROGRAM SKIN, LOAD NEW SKIN.
    s.key("alt+o")
    s.key("Down", "Down", "Return")
    s.type("eyepiece")
    s.key("Return")
    s.key("Down", "Return")
    s.key("Return")  # the report of the load
    skinned = s.key("Escape")
    corner = skinned.pixel(CX + 17, CY + 32)
    check(corner != (0, 0, 0) and not near(corner, (172, 172, 172), 6),
          "no eyepiece mask at the view's corner: %r" % (corner,))
    centre = skinned.pixel(CX + 15 + 110, CY + 30 + 110)
    check(not near(centre, corner, 4), "the eyepiece mask covers the view's centre")
    # The title bar: a flat raised box before, the skin's shaded bar after.
    column = lambda img: [img.pixel(300, y) for y in range(3, 15)]
    check(len(set(column(chart))) == 1, "default title bar is not flat")
    check(len(set(column(skinned))) >= 2, "title bar not drawn from the skin: %r" % (column(skinned),))
    plate = skinned.pixel(CX + 140, CY + 300)
    check(plate[0] < 110 and plate != (0, 0, 0), "no eyepiece plate: %r" % (plate,))
    s.exit_program()

"""Names on the chart and finding them: minor-planet labels never overlap
(checked on the captured screen), the planets are named; "f" finds by
name, partial names offer matches, unknown names say so; the time keys
step the instant and the chart follows, and stepping back returns the
same chart."""
import sys

from harness import RunningProgram, check, near
from chartlib import CX, CY, CW, CH, STARLINE, PLANETLINE, YELLOW, RED, chart, cursor_centre, start_chart, text_right

MPLABEL = (252, 144, 144)   # minor-planet names, palette colour 47
WHITE = (252, 252, 252)     # planet names
FONT_H = 11                 # the chart font's ink, ascender to descender, at 640 x 480


def patches(pts, steps):
    """Connected patches of the point set, joined by the given steps."""
    seen, out = set(), []
    for p in pts:
        if p in seen:
            continue
        todo, patch = [p], []
        seen.add(p)
        while todo:
            x, y = todo.pop()
            patch.append((x, y))
            for dx, dy in steps:
                n = (x + dx, y + dy)
                if n in pts and n not in seen:
                    seen.add(n)
                    todo.append(n)
        out.append(patch)
    return out


def box(patch):
    xs, ys = [q[0] for q in patch], [q[1] for q in patch]
    return [min(xs), min(ys), max(xs), max(ys)]


def label_boxes(img, colour):
    """Bounding boxes of the label-coloured text. Stars of that colour are
    filled dots and discs, letters are strokes: filled patches are left
    out, then the letters are joined along a row across a gap of one
    pixel (labels keep two clear) and up and down where they touch."""
    pts = {(x, y) for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1)
           if near(img.pixel(x, y), colour, 6)}
    eight = [(dx, dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1) if dx or dy]
    for p in patches(pts, eight):
        b = box(p)
        if len(p) >= 0.6 * (b[2] - b[0] + 1) * (b[3] - b[1] + 1):
            pts -= set(p)
    row = [(-2, 0), (-1, 0), (1, 0), (2, 0), (0, -1), (0, 1)]
    return [box(p) for p in patches(pts, row) if len(p) >= 12]


def contrast(c):
    """WCAG contrast of colour c against black."""
    def lin(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    L = 0.2126 * lin(c[0]) + 0.7152 * lin(c[1]) + 0.0722 * lin(c[2])
    return (L + 0.05) / 0.05


with RunningProgram(sys.argv[1]) as s:
    start_chart(s)
    img = s.key("a", "numbersign")

    # Labels: many minor planets named, no two names touching (a taller
    # run of text than one line would be two labels over each other).
    boxes = label_boxes(img, MPLABEL)
    check(len(boxes) > 40, "only %d minor-planet labels at zoom 0" % len(boxes))
    tall = [b for b in boxes if b[3] - b[1] + 1 > FONT_H]
    check(not tall, "labels overlap: %r" % tall[:5])
    planets = label_boxes(img, WHITE)
    check(len(planets) >= 6, "the planets are not all named: %d white labels" % len(planets))
    # Every label colour on the chart reads at 4.5:1 or more on black.
    for name, c in (("minor planet", MPLABEL), ("grid", (128, 184, 240)), ("star", (240, 240, 128)),
                    ("constellation", (108, 204, 120)), ("horizon", (16, 184, 16))):
        check(contrast(c) >= 4.5, "%s labels at %.1f:1" % (name, contrast(c)))
    grid = sum(1 for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + 60)
               if near(img.pixel(x, y), (128, 184, 240), 8))
    check(grid > 50, "grid numerals not in their readable colour")

    # Find: a number goes to the minor planet and names it.
    s.key("f")
    s.type("4")
    img = s.key("Return")
    check(text_right(img, PLANETLINE, RED) > 300, "\"4\" did not go to Vesta")
    vesta = cursor_centre(img)
    s.key("f")
    s.type("vesta")
    img = s.key("Return")
    check(cursor_centre(img) == vesta, "\"vesta\" went elsewhere than \"4\"")
    # A star name, with either catalogue: Betelgeuse by name and HIP number.
    s.key("f")
    s.type("Betelgeuse")
    img = s.key("Return")
    betel = cursor_centre(img)
    bx, by = CX + 592 - int(5.9195 * 592 / 24.0), CY + 176 - int(7.407 * 352 / 180.0)
    check(abs(betel[0] - bx) <= 2 and abs(betel[1] - by) <= 2, "Betelgeuse found at %r, not %r" % (betel, (bx, by)))
    check(text_right(img, STARLINE, YELLOW) > 300, "Betelgeuse not named")
    s.key("f")
    s.type("HIP 27989")
    img = s.key("Return")
    check(cursor_centre(img) == betel, "HIP 27989 is not Betelgeuse")
    # A partial name offers matches; an unknown one says so and stays open.
    s.key("f")
    partial = s.type("Bet")
    unknown = s.type("qqq")
    s.key("Escape")
    box = (CX + 8, CY + 8, CX + 400, CY + 200)
    offered = sum(1 for y in range(box[1] + 20, box[1] + 60) for x in range(box[0], box[2])
                  if near(partial.pixel(x, y), (128, 184, 240), 8) or near(partial.pixel(x, y), WHITE, 8))
    check(offered > 100, "no matches offered for \"Bet\"")
    none = sum(1 for y in range(box[1] + 20, box[1] + 60) for x in range(box[0], box[2])
               if near(unknown.pixel(x, y), (128, 184, 240), 8))
    note = sum(1 for y in range(box[1], box[3]) for x in range(box[0], box[2]) if near(unknown.pixel(x, y), YELLOW, 8))
    check(none == 0 and note > 50, "an unknown name offered matches or said nothing")

    # Time: a day on moves the minor planets and their names; a day back
    # gives them back; "8" goes back to now (the horizon turns with the
    # minutes the test takes: the objects are compared).
    def objects(img):
        return {(x, y) for y in range(CY + 1, CY + CH - 1) for x in range(CX + 1, CX + CW - 1)
                if near(img.pixel(x, y), RED, 6) or near(img.pixel(x, y), MPLABEL, 6)}
    base = s.key("1")
    on = s.key("braceright")
    check(objects(on) != objects(base), "a day on did not move anything")
    back = s.key("braceleft")
    check(objects(back) == objects(base), "a day back did not give the same chart")
    hours = s.key("bracketright", "bracketright", "bracketright")
    head = (0, 16, 640, 62)
    check(hours.region(*head) != base.region(*head), "the header did not follow three hours")
    check(objects(hours) != objects(base), "three hours on moved nothing")
    now = s.key("8")
    # The clock moved on meanwhile: now is near the start, far from +3 h.
    moved, left = len(objects(hours) ^ objects(base)), len(objects(now) ^ objects(base))
    check(left * 4 < moved, "\"8\" did not come back to now: %d pixels off, 3 h gave %d" % (left, moved))

    rc = s.exit_program()
    check(rc == 0, "exit status %r" % rc)
print("passed")

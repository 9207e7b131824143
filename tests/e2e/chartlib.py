"""What the sky chart tests share: where the chart lies at 640 x 480, its
colours as the screen shows them, and small picture measures."""
from harness import check, near

# Chart area on screen (cells of 8 x 16): 74 x 22 cells from (2, 4).
CX, CY, CW, CH = 16, 64, 592, 352
STATUS = (0, 468, 331, 480)         # status line box
STARLINE = (0, 416, 401, 432)       # star identification line
PLANETLINE = (0, 432, 481, 448)     # minor-planet identification line
TITLE = (358, 49, 481, 62)          # catalogue title box

TEAL = (0, 120, 120)     # cursor, palette colour 4
YELLOW = (252, 252, 0)   # frame and star line, colour 14
RED = (252, 0, 0)        # Sun, minor planets, planet line, colour 10
GRID = (0, 0, 120)       # grid, colour 1


def chart(img):
    """Raw bytes of the chart inside its frame."""
    return img.region(CX + 1, CY + 1, CX + CW - 1, CY + CH - 1)


def lit(img, x0, y0, x1, y1):
    """Pixels that are not black in the rectangle."""
    return sum(1 for y in range(y0, y1) for x in range(x0, x1) if img.pixel(x, y) != (0, 0, 0))


def cursor_centre(img):
    """Centre (screen pixels) of the chart cursor: the middle of its teal
    pixels inside the chart."""
    xs, ys = [], []
    for y in range(CY + 1, CY + CH - 1):
        for x in range(CX + 1, CX + CW - 1):
            if near(img.pixel(x, y), TEAL, 8):
                xs.append(x)
                ys.append(y)
    check(len(xs) > 20, "no chart cursor on screen (%d teal pixels)" % len(xs))
    return (min(xs) + max(xs)) / 2.0, (min(ys) + max(ys)) / 2.0


def text_right(img, box, colour):
    """Rightmost x of the colour in box, or -1."""
    x0, y0, x1, y1 = box
    right = -1
    for y in range(y0, y1):
        for x in range(x0, x1):
            if near(img.pixel(x, y), colour, 8):
                right = max(right, x)
    return right


def differing_columns(a, b, box):
    """x values of box where the two captures differ."""
    x0, y0, x1, y1 = box
    return sorted({x for y in range(y0, y1) for x in range(x0, x1) if a.pixel(x, y) != b.pixel(x, y)})


def start_chart(s):
    """Starts the program and passes its start-up prompts; returns the chart."""
    s.start()
    img = s.pass_startup()
    check(near(img.pixel(CX, CY), YELLOW) and near(img.pixel(CX + CW - 1, CY + CH - 1), YELLOW),
          "chart frame not at its place: %r" % (img.pixel(CX, CY),))
    return img


def bright_patches(img, x0, y0, x1, y1, level):
    """Connected patches (lists of screen pixels) of the pixels in the
    rectangle whose colour components add up to more than level."""
    bright = {(x, y) for y in range(y0, y1) for x in range(x0, x1) if sum(img.pixel(x, y)) > level}
    seen, patches = set(), []
    for p in bright:
        if p in seen:
            continue
        patch, todo = [], [p]
        seen.add(p)
        while todo:
            x, y = todo.pop()
            patch.append((x, y))
            for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if n in bright and n not in seen:
                    seen.add(n)
                    todo.append(n)
        patches.append(patch)
    return patches


def patch_centre(patch):
    """Centre of a patch's bounding box."""
    xs = [q[0] for q in patch]
    ys = [q[1] for q in patch]
    return (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2

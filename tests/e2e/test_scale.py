"""The window at QT_SCALE_FACTOR 1.5 and 2 against 1: the pads' cells,
raised digits, root signs and cursor line, and the frame's clipping of the
result lines, scale together, and scrolling leaves no seam.

- At 2, the picture of the input pad and of the result lines, after the
  lines went sideways and back, shrunk to half, matches the picture at 1:
  every pixel fully inked at 1 is inked at 2 within a pixel, and no ink at
  2 lies where 1 has clear background two pixels around.
- At 1.5 and at 2, the frame after scrolling either way and back is the
  same, pixel for pixel, as before.

Usage (through run-x11.sh): test_scale.py FACTORIX [WORK_DIR]
"""

import os
import sys
import time

import e2e
from test_app import ROAD, ROAD_DRAWN, ROAD_LINE, wait_for_lines

ROOT = ["2", "r", "x", "shift+2", "shift+r", "KP_Add", "1"]  # the square root of x², plus 1
ROOT_DRAWN = "²√x²+1"


def darkness(picture, x, y):
    r, g, b = picture.pixel(x, y)
    return 1 - (r + g + b) / (3 * 255)


class Shot:
    """The areas of the window that show formulas, as darkness per logical
    pixel: the input pad, and the results' view below the strip."""

    def __init__(self, app, scale):
        self.scale = scale
        self.areas = {}
        for role, name in (("text", "Polinomio"), (None, "Resultados")):
            x, y, w, h = e2e.extents(e2e.find(app.app, role=role, name=name))
            s = scale
            picture = e2e.Picture(round(x * s), round(y * s), round(w * s), round(h * s))
            k = int(s)  # whole device pixels per logical one (1 or 2)
            self.areas[name] = (w, h, [[sum(darkness(picture, px * k + i, py * k + j)
                                            for i in range(k) for j in range(k)) / (k * k)
                                        for px in range(w)] for py in range(h)], picture)


def near(grid, x, y, reach):
    h, w = len(grid), len(grid[0])
    return max(grid[j][i] for j in range(max(0, y - reach), min(h, y + reach + 1))
               for i in range(max(0, x - reach), min(w, x + reach + 1)))


def compare(one, two, work_dir):
    for name, (w, h, grid1, picture1) in one.areas.items():
        w2, h2, grid2, picture2 = two.areas[name]
        if (w, h) != (w2, h2):
            raise e2e.Failure(f"{name} is {w}x{h} at 1 and {w2}x{h2} at 2")
        faults = []
        for y in range(h):
            for x in range(w):
                if grid1[y][x] >= 0.85 and near(grid2, x, y, 1) < 0.6:
                    faults.append(f"ink at 1 missing at 2 at ({x}, {y})")
                elif near(grid1, x, y, 2) < 0.15 and grid2[y][x] >= 0.45:
                    faults.append(f"stray ink at 2 at ({x}, {y})")
        if faults:
            if work_dir:
                picture1.save(os.path.join(work_dir, f"scale-1-{name}.png"))
                picture2.save(os.path.join(work_dir, f"scale-2-{name}.png"))
            raise e2e.Failure(f"{name}: {len(faults)} faults, first {faults[:3]}")
        e2e.log(f"{name}: the picture at 2, halved, matches the one at 1")


def click(accessible, scale):
    """Clicks the middle of `accessible`, whose extents are in logical
    pixels, on the screen's device pixels."""
    x, y, w, h = e2e.extents(accessible)
    e2e.run("xdotool", "mousemove", "1023", "767")
    e2e.run("xdotool", "mousemove", "--sync", str(round((x + w / 2) * scale)), str(round((y + h / 2) * scale)),
            "click", "1")


def scroll_there_and_back(app, scale):
    right = e2e.find(app.app, name="Desplazar a la derecha")
    left = e2e.find(app.app, name="Desplazar a la izquierda")
    for arrow, times in ((right, 3), (left, 5), (right, 2)):
        for _ in range(times):
            click(arrow, scale)
            time.sleep(0.15)
    e2e.run("xdotool", "mousemove", "1023", "767")
    time.sleep(0.6)  # the cursor line blinks off the focused pad; let it settle


def run(factorix, scale):
    with e2e.App([factorix], env={"QT_SCALE_FACTOR": str(scale)}) as app:
        pad = e2e.find(app.app, role="text", name="Polinomio")
        app.focus()
        e2e.keys(*ROAD)
        e2e.wait_for_text(pad, ROAD_DRAWN)
        click(e2e.find(app.app, role="push button", name="Calcular"), scale)
        wait_for_lines(app, [ROAD_LINE])
        frame = e2e.find(app.app, name="Descomposición(es)")
        x, y, w, h = e2e.extents(frame)

        def frame_picture():
            return e2e.Picture(round(x * scale), round(y * scale), round(w * scale), round(h * scale))
        e2e.run("xdotool", "mousemove", "1023", "767")
        time.sleep(0.3)
        before = frame_picture()
        scroll_there_and_back(app, scale)
        changed = before.differences(frame_picture())
        if changed:
            raise e2e.Failure(f"at {scale}, scrolling there and back changed the frame at {changed[:5]}")
        e2e.log(f"at {scale}: scrolling there and back leaves the frame as it was, pixel for pixel")
        # The input pad with a root and raised digits; the focus leaves it,
        # so that its cursor line stands still where the redraw put it.
        click(pad, scale)
        e2e.keys(*["BackSpace"] * 16, delay_ms=10)
        e2e.keys(*ROOT)
        e2e.wait_for_text(pad, ROOT_DRAWN)
        e2e.keys("shift+Tab")
        time.sleep(0.6)
        return Shot(app, scale) if scale in (1, 2) else None


def test():
    factorix = sys.argv[1]
    work_dir = sys.argv[2] if len(sys.argv) > 2 else None
    one = run(factorix, 1)
    run(factorix, 1.5)
    two = run(factorix, 2)
    compare(one, two, work_dir)


if __name__ == "__main__":
    e2e.main(test)

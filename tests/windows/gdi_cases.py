#!/usr/bin/env python3
"""Writes the cases of the GDI conformance test in the raster tool's input
format, one a line: lines, polygons, rectangles, pixels and copies from the
font strip, chosen where a rasteriser most easily goes wrong (ties, tiny and
huge lines, clipping at every edge, degenerate shapes). A fixed seed gives
the same set every run, so a failure can be reproduced.

    gdi_cases.py [--seed N] > cases.txt
"""

import argparse
import random
import sys

# The rules are claimed for coordinates within +-2^27: stay inside.
FAR = 1 << 27

# The font strip is 140 x 5.
STRIP_WIDTH = 140
STRIP_HEIGHT = 5

GREYS = [255, 191, 127, 63, 1, 175, 128, 17, 200, 254, 2, 90]

# Buffer sizes: the smallest, thin ones, odd ones, the game's 64 x 64. The
# small ones are picked less often, since most shapes miss them.
TINY_SIZES = [(1, 1), (1, 7), (7, 1), (2, 2), (3, 5), (5, 3), (63, 1), (1, 63)]
SIZES = [(13, 9), (17, 31), (31, 17), (40, 40), (64, 64), (64, 64), (64, 64)]
TINY_SHARE = 0.2


class Generator:
    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.cases = []

    # --- helpers ---------------------------------------------------------

    def grey(self):
        if self.rng.random() < 0.8:
            return self.rng.choice(GREYS)
        return self.rng.randint(1, 255)

    def size(self):
        return self.rng.choice(TINY_SIZES if self.rng.random() < TINY_SHARE else SIZES)

    def near(self, extent, margin=4):
        """A coordinate in or just around a buffer side of the extent."""
        return self.rng.randint(-margin, extent - 1 + margin)

    def edge_coordinate(self, extent):
        """A coordinate on an edge of the buffer, next to it inside, or, less
        often, just outside."""
        if self.rng.random() < 0.25:
            return self.rng.choice([-2, -1, extent, extent + 1])
        return self.rng.choice([0, 1, extent - 2, extent - 1])

    def far(self):
        return self.rng.randint(-FAR, FAR)

    def add(self, w, h, text):
        self.cases.append(f"{w} {h} {text}")

    def line(self, w, h, x0, y0, x1, y1):
        self.add(w, h, f"line {x0} {y0} {x1} {y1} {self.grey()}")

    def polygon(self, w, h, points):
        coords = " ".join(f"{x} {y}" for x, y in points)
        text = f"polygon {self.grey()} {len(points)}"
        self.add(w, h, text + (" " + coords if points else ""))

    def rect(self, w, h, l, t, r, b):
        self.add(w, h, f"rect {l} {t} {r} {b} {self.grey()}")

    def through(self, w, h, reach=FAR):
        """Two points, up to about the reach away, whose exact line passes
        through two points in or near the buffer, so a clipped line still
        shows pixels."""
        ax, ay = self.near(w), self.near(h)
        bx, by = self.near(w), self.near(h)
        if (ax, ay) == (bx, by):
            bx += 1
        dx, dy = bx - ax, by - ay
        span = max(abs(dx), abs(dy))
        limit = max((reach - 200) // span, 0)
        f = self.rng.randint(0, limit)
        g = self.rng.randint(0, limit)
        return (ax - dx * f, ay - dy * f), (bx + dx * g, by + dy * g)

    # --- lines -----------------------------------------------------------

    def lines_every_octant(self, count):
        for _ in range(count):
            w, h = self.size()
            x0, y0 = self.near(w, 2), self.near(h, 2)
            n = self.rng.randint(1, 80)
            major = self.rng.choice([-n, n])
            minor = self.rng.randint(-n, n)
            if self.rng.random() < 0.5:
                self.line(w, h, x0, y0, x0 + major, y0 + minor)
            else:
                self.line(w, h, x0, y0, x0 + minor, y0 + major)

    def lines_with_ties(self, count):
        # Exact diagonals, and lines whose exact position falls half-way
        # between two pixels: an even step count and an odd minor delta.
        for i in range(count):
            w, h = self.size()
            x0, y0 = self.near(w, 3), self.near(h, 3)
            if i % 3 == 0:
                n = self.rng.randint(1, 70)
                dx, dy = self.rng.choice([-n, n]), self.rng.choice([-n, n])
            else:
                n = 2 * self.rng.randint(1, 35)
                minor = self.rng.randrange(1, n, 2) * self.rng.choice([-1, 1])
                major = self.rng.choice([-n, n])
                dx, dy = (major, minor) if self.rng.random() < 0.5 else (minor, major)
            self.line(w, h, x0, y0, x0 + dx, y0 + dy)

    def short_lines(self):
        # Every line of length 0..3 from a pixel inside, on the edges and
        # just outside of a few buffers.
        for w, h in [(1, 1), (2, 2), (5, 3), (8, 8)]:
            starts = {(0, 0), (w - 1, h - 1), (w // 2, h // 2), (-1, 0), (w, h - 1), (0, -1)}
            for x0, y0 in sorted(starts):
                for dx in range(-3, 4):
                    for dy in range(-3, 4):
                        self.line(w, h, x0, y0, x0 + dx, y0 + dy)

    def long_lines(self, count):
        for _ in range(count):
            w, h = self.size()
            (x0, y0), (x1, y1) = self.through(w, h, reach=self.rng.choice([300, 1000, 5000]))
            self.line(w, h, x0, y0, x1, y1)

    def far_lines(self, count):
        for i in range(count):
            w, h = self.size()
            kind = i % 4
            if kind == 0:  # both ends far, passing through the buffer
                (x0, y0), (x1, y1) = self.through(w, h)
            elif kind == 1:  # one end inside, the other far
                (x0, y0), (x1, y1) = (self.near(w, 0), self.near(h, 0)), (self.far(), self.far())
                if self.rng.random() < 0.5:
                    x0, y0, x1, y1 = x1, y1, x0, y0
            elif kind == 2 and self.rng.random() < 0.3:  # anywhere; most miss
                x0, y0, x1, y1 = self.far(), self.far(), self.far(), self.far()
            elif kind == 2:  # both ends far, passing just outside the buffer
                (x0, y0), (x1, y1) = self.through(w + 6, h + 6)
                x0, y0, x1, y1 = x0 - 3, y0 - 3, x1 - 3, y1 - 3
            else:  # far along one axis only
                x0, x1 = self.far(), self.far()
                y0, y1 = self.near(h, 2), self.near(h, 2)
                if self.rng.random() < 0.5:
                    x0, y0, x1, y1 = y0, x0, y1, x1
            self.line(w, h, x0, y0, x1, y1)
        # The ends of the claimed range.
        for w, h in [(64, 64), (17, 31), (1, 1)]:
            self.line(w, h, -FAR, 0, FAR, h - 1)
            self.line(w, h, -FAR, -FAR, FAR, FAR)
            self.line(w, h, FAR, -FAR, -FAR, FAR)
            self.line(w, h, 0, FAR, w - 1, -FAR)
            self.line(w, h, -FAR, 10, 50, 20)

    def edge_lines(self, count):
        # Along row 0, the last row, column 0 and the last column, on them,
        # just outside them, and crossing them at a shallow slope.
        for _ in range(count):
            w, h = self.size()
            if self.rng.random() < 0.5:
                y = self.edge_coordinate(h)
                y1 = y + self.rng.choice([0, 0, -1, 1])
                x0, x1 = self.near(w, 20), self.near(w, 20)
                self.line(w, h, x0, y, x1, y1)
            else:
                x = self.edge_coordinate(w)
                x1 = x + self.rng.choice([0, 0, -1, 1])
                y0, y1 = self.near(h, 20), self.near(h, 20)
                self.line(w, h, x, y0, x1, y1)
        # Lines that pass just outside a corner, or clip one.
        for w, h in [(64, 64), (13, 9), (2, 2)]:
            for c in range(-3, 4):
                self.line(w, h, -10 + c, 0, 0, -10 - c)
                self.line(w, h, w + 10 + c, h - 1, w - 1, h + 10 - c)
                self.line(w, h, w - 11 + c, -1, w, 10 + c)
                self.line(w, h, -1, h - 11 + c, 10 + c, h)

    # --- polygons --------------------------------------------------------

    def polygons(self, count):
        for i in range(count):
            w, h = self.size()
            kind = i % 8
            n = self.rng.randint(0, 12)
            if kind <= 2:  # random, many straddling the edges
                points = [(self.near(w, 10), self.near(h, 10)) for _ in range(n)]
            elif kind == 3:  # acute: a thin spike
                ax, ay = self.near(w), self.near(h)
                bx, by = self.near(w, 20), self.near(h, 20)
                points = [(ax, ay), (bx, by), (bx + self.rng.randint(-2, 2),
                                                by + self.rng.randint(-2, 2))]
            elif kind == 4:  # repeated points and all-equal points
                p = (self.near(w), self.near(h))
                if self.rng.random() < 0.3:
                    points = [p] * max(n, 1)
                else:
                    base = [(self.near(w, 6), self.near(h, 6)) for _ in range(max(n, 2))]
                    points = []
                    for q in base:
                        points.extend([q] * self.rng.randint(1, 3))
                    points = points[:12]
            elif kind == 5:  # collinear spikes: out along a line and back
                ax, ay = self.near(w), self.near(h)
                dx, dy = self.rng.randint(-9, 9), self.rng.randint(-9, 9)
                k = self.rng.randint(1, 4)
                points = [(ax, ay), (ax + k * dx, ay + k * dy),
                          (ax + self.rng.randint(0, k) * dx, ay + self.rng.randint(0, k) * dy)]
                if self.rng.random() < 0.5:
                    points.append((self.near(w), self.near(h)))
            elif kind == 6:  # self-crossing: bow ties and stars
                cx, cy = self.near(w), self.near(h)
                r = self.rng.randint(1, 40)
                if self.rng.random() < 0.5:
                    points = [(cx - r, cy - r), (cx + r, cy + r), (cx + r, cy - r),
                              (cx - r, cy + r)]
                else:
                    star = [(0, -5), (3, 4), (-5, -2), (5, -2), (-3, 4)]
                    s = self.rng.randint(1, 8)
                    points = [(cx + s * x, cy + s * y) for x, y in star]
            else:  # far vertices around the buffer
                points = [self.through(w, h)[self.rng.randint(0, 1)] for _ in range(n)]
            self.polygon(w, h, points)
        # Two points, the all-equal, and the empty and one-point polygons.
        for w, h in [(8, 8), (64, 64), (1, 1)]:
            self.polygon(w, h, [])
            self.polygon(w, h, [(0, 0)])
            self.polygon(w, h, [(1, 1), (6, 3)])
            self.polygon(w, h, [(2, 2)] * 5)

    # --- rectangles and pixels -------------------------------------------

    def rectangles(self, count):
        for i in range(count):
            w, h = self.size()
            kind = i % 6
            l, t = self.near(w, 6), self.near(h, 6)
            if kind == 0:  # any, swapped or not
                r, b = self.near(w, 6), self.near(h, 6)
            elif kind == 1:  # 1 x 1, 1 x h, w x 1 and empty
                r = l + self.rng.choice([0, 1, 1, self.rng.randint(2, 20)])
                b = t + self.rng.choice([0, 1, 1, self.rng.randint(2, 20)])
            elif kind == 2:  # swapped
                r, b = l - self.rng.randint(0, 20), t - self.rng.randint(0, 20)
            elif kind == 3:  # on and around the edges
                l, r = self.edge_coordinate(w), self.edge_coordinate(w)
                t, b = self.edge_coordinate(h), self.edge_coordinate(h)
            elif kind == 4:  # 2 x 2, 3 x 3 and other small ones
                r = l + self.rng.randint(2, 4) * self.rng.choice([-1, 1])
                b = t + self.rng.randint(2, 4) * self.rng.choice([-1, 1])
            else:  # far sides
                l, t, r, b = self.far(), self.far(), self.near(w), self.near(h)
                if self.rng.random() < 0.5:
                    l, r = r, l
            self.rect(w, h, l, t, r, b)

    def pixels(self, count):
        for i in range(count):
            w, h = self.size()
            if i % 3 == 2:
                x, y = self.rng.choice([-1, w, self.far()]), self.near(h, 2)
                if self.rng.random() < 0.5:
                    x, y = self.near(w, 2), self.rng.choice([-1, h, self.far()])
            else:
                x, y = self.near(w, 1), self.near(h, 1)
            self.add(w, h, f"pixel {x} {y} {self.grey()}")

    # --- copies from the font strip ----------------------------------------

    def blits(self, count):
        # The strip whole, and glyph by glyph as the text is drawn.
        self.add(140, 5, f"blit 0 0 0 0 {STRIP_WIDTH} {STRIP_HEIGHT}")
        self.add(150, 9, f"blit 3 2 0 0 {STRIP_WIDTH} {STRIP_HEIGHT}")
        for glyph in range(STRIP_WIDTH // 4):
            self.add(8, 8, f"blit 2 1 {glyph * 4} 0 3 5")
        for i in range(count):
            w, h = self.rng.choice([self.size(), (150, 9), (140, 5)])
            bw, bh = self.rng.randint(0, 40), self.rng.randint(0, 8)
            kind = i % 4
            if kind == 0:  # clipped by both bitmaps at once, on the top left
                sx, sy = self.rng.randint(-6, -1), self.rng.randint(-4, -1)
                dx, dy = self.rng.randint(-6, -1), self.rng.randint(-4, -1)
            elif kind == 1:  # anywhere around both; many miss
                dx, dy = self.near(w, 8), self.near(h, 3)
                sx = self.rng.randint(-8, STRIP_WIDTH + 2)
                sy = self.rng.randint(-3, STRIP_HEIGHT + 1)
            else:  # from inside the strip to inside the buffer; may run past
                dx, dy = self.rng.randint(0, w - 1), self.rng.randint(0, h - 1)
                sx = self.rng.randint(0, STRIP_WIDTH - 1)
                sy = self.rng.randint(0, STRIP_HEIGHT - 1)
            self.add(w, h, f"blit {dx} {dy} {sx} {sy} {bw} {bh}")

    def everything(self):
        self.lines_every_octant(6000)
        self.lines_with_ties(3000)
        self.short_lines()
        self.long_lines(1500)
        self.far_lines(3000)
        self.edge_lines(1500)
        self.polygons(3000)
        self.rectangles(2000)
        self.pixels(600)
        self.blits(1200)
        return self.cases


def generate(seed):
    return Generator(seed).everything()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seed", type=int, default=3941)
    args = parser.parse_args()
    sys.stdout.write("".join(case + "\n" for case in generate(args.seed)))


if __name__ == "__main__":
    main()

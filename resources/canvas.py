"""A 16-colour pixel canvas for drawing the module's pictures, and the
writer of the .pic text form that the build embeds."""

from font5x7 import GLYPHS

# Palette indices of the standard 16-colour palette.
BLACK, DRED, DGREEN, DYELLOW, DBLUE, DMAGENTA, DCYAN, LGREY = range(8)
DGREY, RED, GREEN, YELLOW, BLUE, MAGENTA, CYAN, WHITE = range(8, 16)
CLEAR = None  # A transparent pixel (icons only).

RGB = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

# A 4 x 4 ordered-dither matrix, for blends between two palette colours.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


class Canvas:
    def __init__(self, width, height, fill=LGREY):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, x, y, w, h, c):
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, c)

    def frame(self, x, y, w, h, c):
        self.hline(x, y, w, c)
        self.hline(x, y + h - 1, w, c)
        self.vline(x, y, h, c)
        self.vline(x + w - 1, y, h, c)

    def hline(self, x, y, w, c):
        for i in range(x, x + w):
            self.set(i, y, c)

    def vline(self, x, y, h, c):
        for j in range(y, y + h):
            self.set(x, j, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def bevel(self, x, y, w, h, raised=True, face=LGREY):
        """A 3-D box: white and black edges with a grey inner shadow."""
        light, dark = (WHITE, BLACK) if raised else (BLACK, WHITE)
        inner = DGREY
        self.fill(x, y, w, h, face)
        self.hline(x, y, w, light)
        self.vline(x, y, h, light)
        self.hline(x, y + h - 1, w, dark)
        self.vline(x + w - 1, y, h, dark)
        if raised:
            self.hline(x + 1, y + h - 2, w - 2, inner)
            self.vline(x + w - 2, y + 1, h - 2, inner)
        else:
            self.hline(x + 1, y + 1, w - 2, inner)
            self.vline(x + 1, y + 1, h - 2, inner)

    def dither(self, x, y, w, h, c0, c1, amount):
        """Fills with c1 over a share amount (0 to 1) of the pixels, c0 elsewhere."""
        for j in range(y, y + h):
            for i in range(x, x + w):
                self.set(i, j, c1 if BAYER[j % 4][i % 4] < amount * 16 else c0)

    def gradient(self, x, y, w, h, stops):
        """A vertical blend through a list of palette colours."""
        spans = len(stops) - 1
        for j in range(h):
            t = j / max(h - 1, 1) * spans
            k = min(int(t), spans - 1)
            self.dither(x, y + j, w, 1, stops[k], stops[k + 1], t - k)

    def text(self, x, y, s, c, scale=1, advance=6):
        for n, ch in enumerate(s.upper()):
            rows = GLYPHS[ch]
            for j, row in enumerate(rows):
                for i, cell in enumerate(row):
                    if cell == '#':
                        self.fill(x + (n * advance + i) * scale, y + j * scale, scale, scale, c)

    def text_width(self, s, scale=1, advance=6):
        return (len(s) * advance - (advance - 5)) * scale

    def centred_text(self, cx, y, s, c, scale=1):
        self.text(cx - self.text_width(s, scale) // 2, y, s, c, scale)

    def art(self, x, y, rows, key):
        """Copies character art; characters missing from key are left alone."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch in key:
                    self.set(x + i, y + j, key[ch])

    def paste(self, x, y, other, scale=1):
        for j in range(other.height):
            for i in range(other.width):
                c = other.px[j][i]
                if c is not None:
                    self.fill(x + i * scale, y + j * scale, scale, scale, c)

    def save(self, path, kind, comment):
        digits = "0123456789ABCDEF"
        with open(path, "w", newline="\n") as out:
            for line in comment:
                out.write("# " + line + "\n")
            out.write(f"{kind} {self.width} {self.height}\n")
            for row in self.px:
                out.write("".join("." if c is None else digits[c] for c in row) + "\n")

    def save_ppm(self, path, scale=1):
        with open(path, "wb") as out:
            out.write(f"P6 {self.width * scale} {self.height * scale} 255\n".encode())
            for row in self.px:
                line = b"".join(bytes(RGB[c] if c is not None else (255, 0, 255)) * scale for c in row)
                out.write(line * scale)

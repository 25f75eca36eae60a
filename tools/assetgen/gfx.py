"""Drawing helpers shared by every picture of Thrask.

Pictures are drawn small (pixel art on a low-resolution RGBA canvas, alpha 0
where nothing is drawn), outlined, and then enlarged with nearest-neighbour so
they stay crisp when the game samples them linearly. Text is drawn supersampled
with a hard outer edge, so a colour key never eats into a letter.

The game makes transparency with a colour key, so the last step of every
picture is `flatten`: every transparent pixel becomes the key colour and no
visible pixel may equal the key by accident.
"""

import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFont

# One palette for the whole game: warm, bright, with a dark plum outline.
OUTLINE = (28, 20, 36)
NEAR_BLACK = (12, 10, 14)
KEY_BLACK = (0, 0, 0)
KEY_MAGENTA = (255, 0, 255)

WHITE = (250, 248, 240)
CREAM = (255, 236, 196)
SKIN = (244, 196, 150)
SKIN_SHADE = (214, 158, 118)
RED = (222, 48, 48)
RED_DARK = (160, 28, 36)
ORANGE = (250, 140, 40)
YELLOW = (255, 214, 60)
GOLD = (240, 180, 40)
GREEN = (92, 186, 72)
GREEN_DARK = (52, 128, 52)
GREEN_LIGHT = (170, 226, 110)
BLUE = (70, 130, 220)
SKY = (120, 190, 245)
BROWN = (140, 90, 52)
BROWN_DARK = (96, 58, 36)
GREY = (160, 168, 184)
GREY_DARK = (96, 102, 122)
GREY_LIGHT = (214, 220, 232)

FONT_DIR = "/usr/share/fonts/opentype/comic-neue"


def font(size, bold=True):
    """The game's own typeface (Comic Neue, from the fonts-comic-neue package)."""
    name = "ComicNeue-Bold.otf" if bold else "ComicNeue-Regular.otf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def canvas(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


def rgba(c):
    return tuple(c[:3]) + (255,)


def shade(c, f):
    """Colour c scaled by f (f < 1 darker, f > 1 lighter), kept in 0..255."""
    return tuple(max(0, min(255, int(round(v * f)))) for v in c[:3])


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def alpha_mask(img):
    return img.getchannel("A").point(lambda v: 255 if v else 0)


def outline(img, colour=OUTLINE, diagonal=False):
    """Adds a one-pixel outline around everything drawn on img."""
    a = alpha_mask(img)
    w, h = img.size
    grown = a.copy()
    steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
    if diagonal:
        steps += [(1, 1), (1, -1), (-1, 1), (-1, -1)]
    for dx, dy in steps:
        shifted = Image.new("L", (w, h), 0)
        shifted.paste(a, (dx, dy))
        grown = ImageChops.lighter(grown, shifted)
    ring = ImageChops.subtract(grown, a)
    out = img.copy()
    out.paste(rgba(colour), mask=ring)
    return out


def enlarge(img, factor):
    return img.resize((img.width * factor, img.height * factor), Image.NEAREST)


def flatten(img, key):
    """RGBA -> RGB: transparent pixels become the key, visible ones never equal it."""
    img = img.convert("RGBA")
    out = Image.new("RGB", img.size, key)
    px_in = img.load()
    px_out = out.load()
    safe = NEAR_BLACK if key == KEY_BLACK else (250, 10, 246)
    for y in range(img.height):
        for x in range(img.width):
            r, g, b, a = px_in[x, y]
            if a == 0:
                continue
            c = (r, g, b)
            px_out[x, y] = safe if c == key else c
    return out


def opaque(img, background=NEAR_BLACK):
    """RGBA -> RGB for pictures drawn without a colour key."""
    base = Image.new("RGBA", img.size, rgba(background))
    base.alpha_composite(img.convert("RGBA"))
    return base.convert("RGB")


class Pen:
    """Aliased drawing on a pixel-art canvas, coordinates in canvas pixels."""

    def __init__(self, img):
        self.img = img
        self.d = ImageDraw.Draw(img)

    def rect(self, x0, y0, x1, y1, c):
        self.d.rectangle([x0, y0, x1, y1], fill=rgba(c))

    def oval(self, x0, y0, x1, y1, c):
        self.d.ellipse([x0, y0, x1, y1], fill=rgba(c))

    def poly(self, pts, c):
        self.d.polygon([tuple(p) for p in pts], fill=rgba(c))

    def line(self, pts, c, width=1):
        self.d.line([tuple(p) for p in pts], fill=rgba(c), width=width)
        if width > 2:  # round the joints and ends
            r = (width - 1) / 2.0
            for x, y in pts:
                self.d.ellipse([x - r, y - r, x + r, y + r], fill=rgba(c))

    def dot(self, x, y, c):
        self.d.point((x, y), fill=rgba(c))

    def rrect(self, x0, y0, x1, y1, r, c):
        self.d.rounded_rectangle([x0, y0, x1, y1], radius=r, fill=rgba(c))


def gradient(size, top, bottom):
    w, h = size
    img = Image.new("RGB", size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        d.line([(0, y), (w, y)], fill=mix(top, bottom, y / max(1, h - 1)))
    return img


def text_layer(size, lines, font_px, fill_top, fill_bottom=None, stroke=0.12,
               outline_colour=OUTLINE, align="center", spacing=1.05,
               design_size=None, anchor=None, supersample=4):
    """An RGBA picture of text with a hard-edged outline.

    The text is laid out on design_size (the shape the picture has on screen)
    and then scaled to size, so a picture that the game stretches comes out
    with the letters in their right proportions. Pixels outside the outline
    are transparent (alpha 0); every other pixel is fully opaque.
    """
    if design_size is None:
        design_size = size
    s = supersample
    dw, dh = design_size[0] * s, design_size[1] * s
    f = font(int(font_px * s))
    sw = max(1, int(round(font_px * s * stroke)))
    if isinstance(lines, str):
        lines = [lines]
    line_h = int(font_px * s * spacing)
    # lay the lines out on a scratch canvas, then move the inked box so that it
    # is centred on the anchor (or starts at it, for left-aligned text)
    scratch_w = dw * 2 + sw * 4
    scratch_h = line_h * len(lines) + font_px * s + sw * 4
    fill_big = Image.new("L", (scratch_w, scratch_h), 0)
    stroke_big = Image.new("L", (scratch_w, scratch_h), 0)
    fd = ImageDraw.Draw(fill_big)
    sd = ImageDraw.Draw(stroke_big)
    widths = [fd.textbbox((0, 0), line, font=f, anchor="lt")[2] for line in lines]
    widest = max(widths) if widths else 0
    y = sw * 2
    for line, tw in zip(lines, widths):
        if align == "center":
            x = sw * 2 + (widest - tw) / 2
        elif align == "left":
            x = sw * 2
        else:
            x = sw * 2 + widest - tw
        fd.text((x, y), line, font=f, fill=255, anchor="lt")
        sd.text((x, y), line, font=f, fill=255, anchor="lt", stroke_width=sw, stroke_fill=255)
        y += line_h
    box = stroke_big.getbbox() or (0, 0, 1, 1)
    cx, cy = (dw / 2, dh / 2) if anchor is None else (anchor[0] * s, anchor[1] * s)
    if align == "left":
        ox = cx - box[0]
    elif align == "right":
        ox = cx - box[2]
    else:
        ox = cx - (box[0] + box[2]) / 2
    oy = cy - (box[1] + box[3]) / 2
    fill_mask = Image.new("L", (dw, dh), 0)
    stroke_mask = Image.new("L", (dw, dh), 0)
    fill_mask.paste(fill_big, (int(round(ox)), int(round(oy))))
    stroke_mask.paste(stroke_big, (int(round(ox)), int(round(oy))))
    fill_mask = fill_mask.resize(size, Image.LANCZOS)
    stroke_mask = stroke_mask.resize(size, Image.LANCZOS)
    if fill_bottom is None:
        fill_bottom = fill_top
    fill = gradient(size, fill_top, fill_bottom).convert("RGBA")
    edge = Image.new("RGBA", size, rgba(outline_colour))
    body = Image.composite(fill, edge, fill_mask)
    hard = stroke_mask.point(lambda v: 255 if v >= 110 else 0)
    out = canvas(*size)
    out.paste(body, mask=hard)
    return out


def noise_tile(size, base, spread, seed, speckles=()):
    """A grainy field of base colour: each pixel varies by up to +-spread."""
    rng = random.Random(seed)
    w, h = size
    img = Image.new("RGB", size, base)
    px = img.load()
    for y in range(h):
        for x in range(w):
            f = 1.0 + rng.uniform(-spread, spread)
            px[x, y] = shade(base, f)
    for colour, count, length in speckles:
        for _ in range(count):
            x, y = rng.randrange(w), rng.randrange(h)
            for i in range(length):
                px[(x) % w, (y - i) % h] = colour
    return img

"""The level backgrounds: 256 x 256 pixel art, enlarged four times.

Backgrounds are light and low in contrast, so the creatures (with their dark
outlines), the red peppers and the dark intro text stand out on them. They are
loaded with the black colour key, so no pixel here is pure black.
"""

import random

from PIL import Image, ImageDraw

from gfx import mix, noise_tile, shade

SIZE = 256


def _scatter(img, rng, count, draw_one):
    d = ImageDraw.Draw(img)
    for _ in range(count):
        draw_one(d, rng.randrange(SIZE), rng.randrange(SIZE))


def meadow():
    rng = random.Random(11)
    img = noise_tile((SIZE, SIZE), (150, 206, 110), 0.05, 1,
                     speckles=[((126, 186, 92), 900, 3), ((172, 222, 128), 600, 2)])

    def flower(d, x, y):
        c = rng.choice([(255, 255, 255), (255, 226, 90), (250, 170, 200), (180, 200, 255)])
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
            d.point((x + dx, y + dy), fill=c)
        d.point((x, y), fill=(250, 190, 60))
    _scatter(img, rng, 90, flower)
    return img


def garden():
    rng = random.Random(12)
    # light, sandy soil: the red peppers and the cook's outline show on it
    img = noise_tile((SIZE, SIZE), (206, 170, 124), 0.04, 2)
    d = ImageDraw.Draw(img)
    for row in range(0, SIZE, 32):  # furrows
        d.rectangle([0, row + 24, SIZE, row + 31], fill=(184, 146, 104))
        d.line([(0, row + 24), (SIZE, row + 24)], fill=(222, 188, 142))
    for row in range(0, SIZE, 32):
        for x in range(8, SIZE, 24):
            ox = x + rng.randrange(-3, 4)
            d.polygon([(ox, row + 14), (ox - 4, row + 8), (ox, row + 10), (ox + 4, row + 8)],
                      fill=(120, 180, 80))
    return img


def beach():
    rng = random.Random(13)
    img = noise_tile((SIZE, SIZE), (240, 220, 160), 0.04, 3,
                     speckles=[((222, 200, 140), 700, 1), ((252, 238, 190), 500, 1)])
    d = ImageDraw.Draw(img)
    for y in range(0, 40):  # the sea along the top edge, with surf
        t = y / 40.0
        wave = [int(3 * ((x // 6) % 2)) for x in range(SIZE)]
        for x in range(SIZE):
            if y < 30 + wave[x]:
                d.point((x, y), fill=mix((70, 160, 220), (120, 210, 230), t))
            elif y < 34 + wave[x]:
                d.point((x, y), fill=(250, 252, 255))

    def shell(d, x, y):
        if y < 50:
            return
        c = rng.choice([(250, 190, 180), (255, 240, 230), (240, 170, 110)])
        d.ellipse([x, y, x + 3, y + 2], fill=c)
    _scatter(img, rng, 60, shell)
    return img


def factory():
    img = noise_tile((SIZE, SIZE), (190, 196, 206), 0.03, 4)
    d = ImageDraw.Draw(img)
    for y in range(0, SIZE, 64):
        for x in range(0, SIZE, 64):
            d.rectangle([x, y, x + 63, y + 63], outline=(150, 156, 170))
            d.line([(x + 1, y + 1), (x + 62, y + 1)], fill=(214, 220, 230))
            for cx, cy in ((x + 5, y + 5), (x + 58, y + 5), (x + 5, y + 58), (x + 58, y + 58)):
                d.rectangle([cx, cy, cx + 1, cy + 1], fill=(130, 136, 150))
            for k in range(6):  # tread plate pattern
                for m in range(6):
                    px, py = x + 10 + k * 8, y + 10 + m * 8
                    if (k + m) % 2:
                        d.line([(px, py), (px + 3, py + 3)], fill=(170, 176, 190))
                    else:
                        d.line([(px + 3, py), (px, py + 3)], fill=(170, 176, 190))
    for x in range(-16, SIZE, 16):  # hazard stripes at the bottom edge
        d.polygon([(x, SIZE), (x + 8, SIZE), (x + 16, SIZE - 8), (x + 8, SIZE - 8)],
                  fill=(250, 200, 50))
        d.polygon([(x + 8, SIZE), (x + 16, SIZE), (x + 24, SIZE - 8), (x + 16, SIZE - 8)],
                  fill=(70, 70, 80))
    return img


def dojo():
    img = noise_tile((SIZE, SIZE), (214, 206, 150), 0.035, 5)
    d = ImageDraw.Draw(img)
    # tatami mats in the classic pinwheel, edged in dark green cloth
    mats = [(0, 0, 128, 64), (128, 0, 64, 128), (192, 0, 64, 128), (0, 64, 64, 128),
            (64, 64, 64, 128), (128, 128, 128, 64), (0, 192, 128, 64), (128, 192, 128, 64)]
    for x, y, w, h in mats:
        d.rectangle([x, y, x + w - 1, y + h - 1], outline=(90, 120, 80))
        d.rectangle([x + 1, y + 1, x + w - 2, y + h - 2], outline=(120, 150, 96))
        for k in range(4, (w if w > h else h) - 4, 3):  # woven rush
            if w > h:
                d.line([(x + k, y + 3), (x + k, y + h - 4)], fill=(202, 194, 140))
            else:
                d.line([(x + 3, y + k), (x + w - 4, y + k)], fill=(202, 194, 140))
    return img


def forest():
    rng = random.Random(16)
    img = noise_tile((SIZE, SIZE), (128, 178, 104), 0.06, 6,
                     speckles=[((108, 156, 90), 800, 2), ((150, 196, 120), 500, 2)])
    d = ImageDraw.Draw(img)

    def leafpile(d, x, y):
        c = rng.choice([(220, 150, 60), (200, 110, 50), (230, 190, 80)])
        d.ellipse([x, y, x + 3, y + 2], fill=c)
    _scatter(img, rng, 120, leafpile)
    for _ in range(7):  # mossy stones
        x, y = rng.randrange(10, SIZE - 20), rng.randrange(10, SIZE - 20)
        d.ellipse([x, y, x + 12, y + 8], fill=(150, 156, 150))
        d.ellipse([x + 2, y + 1, x + 10, y + 4], fill=(176, 182, 176))
        d.arc([x, y, x + 12, y + 8], 200, 340, fill=(110, 160, 90))
    return img


def castle():
    rng = random.Random(17)
    img = Image.new("RGB", (SIZE, SIZE), (196, 190, 184))
    d = ImageDraw.Draw(img)
    for row in range(0, SIZE, 16):  # cobbles in staggered rows
        off = 8 if (row // 16) % 2 else 0
        for x in range(-16, SIZE, 24):
            c = shade((196, 190, 184), rng.uniform(0.92, 1.06))
            d.rounded_rectangle([x + off + 1, row + 1, x + off + 22, row + 14], radius=4, fill=c,
                                outline=(160, 152, 146))
    # a royal blue carpet to the gate, clear of the intro text: blue, so the
    # red peppers and the reddening cook stand out on it as on the stones
    for y in range(SIZE):
        for x in range(200, 232):
            c = (84, 104, 196) if 203 < x < 229 else (230, 180, 60)
            d.point((x, y), fill=shade(c, rng.uniform(0.96, 1.04)))
    for y in range(6, SIZE, 24):  # a gold pattern woven into it
        for x, dy in ((208, 0), (216, 4), (224, 0)):
            d.rectangle([x - 1, y + dy, x + 1, y + dy + 2], fill=(236, 196, 90))
    return img


# name -> (drawing function, intro text colour that reads well on it)
BACKGROUNDS = {
    "meadow.png": (meadow, (24, 40, 90)),
    "garden.png": (garden, (20, 30, 20)),
    "beach.png": (beach, (40, 30, 90)),
    "factory.png": (factory, (20, 24, 70)),
    "dojo.png": (dojo, (90, 20, 30)),
    "forest.png": (forest, (20, 20, 50)),
    "castle.png": (castle, (40, 10, 60)),
}

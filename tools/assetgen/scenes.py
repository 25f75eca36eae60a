"""The big pictures: the title, the story and the win picture.

Title and story fill the whole window, which is usually 4:3, so they are
composed on a 1365 x 1024 design canvas and squeezed into 1024 x 1024: in the
game they are stretched back to their drawn shape.
"""

import math
import random

from PIL import Image, ImageDraw

import creatures
import grounds
from gfx import (BROWN, BROWN_DARK, CREAM, OUTLINE, WHITE, canvas, enlarge, gradient, rgba,
                 text_layer)

DESIGN = (1365, 1024)


def sprite(img, scale):
    return enlarge(img, scale)


def squeeze(img, size=(1024, 1024)):
    return img.resize(size, Image.LANCZOS)


def _hills(img):
    d = ImageDraw.Draw(img)
    w, h = img.size
    layers = [(560, (128, 200, 110), 70), (640, (104, 180, 92), 50), (720, (132, 206, 104), 40)]
    for base, colour, amp in layers:
        pts = [(0, h)]
        for x in range(0, w + 20, 20):
            pts.append((x, base + amp * math.sin(x / 180.0 + base) + 20 * math.sin(x / 57.0)))
        pts.append((w, h))
        d.polygon(pts, fill=colour)


def title():
    """The title "Thrask" over a sunny pepper field, with a signboard for the menu."""
    w, h = DESIGN
    img = gradient(DESIGN, (110, 180, 245), (200, 232, 250)).convert("RGBA")
    d = ImageDraw.Draw(img)
    d.ellipse([30, 30, 190, 190], fill=(255, 236, 120))  # sun
    d.ellipse([50, 50, 170, 170], fill=(255, 248, 180))
    for cx, cy in ((200, 330), (860, 260), (1180, 380)):  # clouds
        for dx, r in ((-60, 40), (0, 58), (60, 42)):
            d.ellipse([cx + dx - r, cy - r, cx + dx + r, cy + r], fill=(252, 252, 255))
    _hills(img)
    # the pepper field
    pep = sprite(creatures.pepper(), 3)
    rng = random.Random(5)
    for _ in range(22):
        x, y = rng.randrange(20, w - 80), rng.randrange(700, 980)
        if 430 < x < 1040:
            continue
        img.alpha_composite(pep, (x, y))
    # a wooden signboard where the menu entries stand
    sx0, sx1, sy0, sy1 = 470, 1060, 500, 1010
    d.rectangle([sx0 + 60, sy0, sx0 + 84, h], fill=BROWN_DARK)
    d.rectangle([sx1 - 84, sy0, sx1 - 60, h], fill=BROWN_DARK)
    d.rounded_rectangle([sx0 - 6, sy0 - 6, sx1 + 6, sy1 + 6], radius=30, fill=rgba(OUTLINE))
    d.rounded_rectangle([sx0, sy0, sx1, sy1], radius=26, fill=(150, 100, 62))
    for y in range(sy0 + 64, sy1, 64):  # planks
        d.line([(sx0 + 8, y), (sx1 - 8, y)], fill=(124, 80, 48), width=4)
    for x, y in ((sx0 + 24, sy0 + 24), (sx1 - 24, sy0 + 24), (sx0 + 24, sy1 - 24), (sx1 - 24, sy1 - 24)):
        d.ellipse([x - 7, y - 7, x + 7, y + 7], fill=(90, 60, 40))
    # the heroes and villains around the sign
    img.alpha_composite(sprite(creatures.player(), 9), (130, 660))
    img.alpha_composite(sprite(creatures.cabbage(2), 5), (70, 860))
    zombie = creatures.zombie(2).transpose(Image.FLIP_LEFT_RIGHT)  # turned towards the sign
    img.alpha_composite(sprite(creatures.ninja(1).transpose(Image.FLIP_LEFT_RIGHT), 3), (250, 440))
    img.alpha_composite(sprite(zombie, 5), (990, 560))
    img.alpha_composite(sprite(creatures.robot(), 4), (1120, 770))
    # the name
    img.alpha_composite(text_layer(DESIGN, "Thrask", 300, (255, 240, 120), (250, 110, 40),
                                   stroke=0.07, anchor=(w / 2, 190)))
    img.alpha_composite(text_layer(DESIGN, "The Great Pepper Hunt", 70, WHITE, (255, 226, 200),
                                   stroke=0.12, anchor=(w / 2, 380)))
    return squeeze(img.convert("RGB"))


def _panel(img, box, fill):
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([box[0] - 5, box[1] - 5, box[2] + 5, box[3] + 5], radius=22,
                        fill=rgba(OUTLINE))
    d.rounded_rectangle(box, radius=18, fill=fill)


def _caption(img, box, lines, px, colour=(50, 30, 40)):
    """Dark text without outline, centred in box."""
    layer = text_layer(DESIGN, lines, px, colour, stroke=0.0, outline_colour=colour,
                       anchor=((box[0] + box[2]) / 2, (box[1] + box[3]) / 2), spacing=1.15)
    img.alpha_composite(layer)


def story():
    w, h = DESIGN
    img = Image.new("RGBA", DESIGN, rgba((250, 238, 204)))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, w - 1, h - 1], outline=rgba(BROWN), width=10)
    img.alpha_composite(text_layer(DESIGN, "The Story of Thrask", 96, (255, 236, 110),
                                   (250, 120, 40), stroke=0.1, anchor=(w / 2, 70)))
    # three pictures of the story
    boxes = [(40, 140, 450, 400), (478, 140, 888, 400), (916, 140, 1326, 400)]
    _panel(img, boxes[0], (150, 206, 110))
    _panel(img, boxes[1], (196, 150, 108))
    _panel(img, boxes[2], (110, 160, 210))
    # 1: Thrask and the feast pot
    x0, y0 = boxes[0][:2]
    img.alpha_composite(sprite(creatures.player(), 6), (x0 + 40, y0 + 50))
    img.alpha_composite(sprite(creatures.pot(), 5), (x0 + 200, y0 + 50))
    # 2: the Cabbage Baron scatters the peppers
    x0, y0 = boxes[1][:2]
    img.alpha_composite(sprite(creatures.cabbage(2), 7), (x0 + 100, y0 + 20))
    d.polygon([(x0 + 150, y0 + 40), (x0 + 170, y0 + 5), (x0 + 195, y0 + 35), (x0 + 220, y0 + 0),
               (x0 + 245, y0 + 35), (x0 + 270, y0 + 5), (x0 + 290, y0 + 40)], fill=rgba((250, 200, 50)))
    pep = sprite(creatures.pepper(), 3)
    for px, py in ((x0 + 20, y0 + 40), (x0 + 320, y0 + 30), (x0 + 30, y0 + 160),
                   (x0 + 330, y0 + 170)):
        img.alpha_composite(pep, (px, py))
    # 3: the guards
    x0, y0 = boxes[2][:2]
    img.alpha_composite(sprite(creatures.zombie(0), 3), (x0 - 10, y0 + 50))
    img.alpha_composite(sprite(creatures.pirate(), 3), (x0 + 90, y0 + 30))
    img.alpha_composite(sprite(creatures.robot(), 3), (x0 + 180, y0 + 60))
    img.alpha_composite(sprite(creatures.ninja(0), 3), (x0 + 260, y0 + 40))
    captions = [
        ["In sunny Paprika Vale, little", "Thrask cooks the Great", "Chili Feast every year."],
        ["But the grumpy Cabbage Baron", "scattered every pepper over", "fifteen wild fields..."],
        ["...and sent zombies, pirates,", "robots and ninjas to guard", "them. No peppers, no feast!"],
    ]
    for box, lines in zip(boxes, captions):
        _caption(img, (box[0], 410, box[2], 540), lines, 31)
    # how to play
    box = (260, 560, 1326, 990)
    _panel(img, box, (255, 250, 232))
    img.alpha_composite(text_layer(DESIGN, "How to play", 56, (255, 236, 110), (250, 120, 40),
                                   stroke=0.12, anchor=((box[0] + box[2]) / 2, 600)))
    rows = [
        (creatures.player(), "Arrow keys move Thrask. He can't fight: dodge!"),
        (creatures.pepper(), "Eat every pepper in a field to clear it."),
        (creatures.zombie(3), "Zombies lunge when you get close."),
        (creatures.cabbage(2), "Cabbages pop out of the ground and bite."),
        (creatures.pirate(), "Pirates throw knives; ninjas strike fast."),
        (creatures.robot(), "Robot flames burn, and set zombies on fire!"),
        (creatures.health(), "Hearts heal you."),
    ]
    for i, (pic, text) in enumerate(rows):
        y = 632 + i * 45
        p = pic.crop(pic.getbbox())
        scale = 44.0 / max(p.width, p.height)
        p = p.resize((max(1, int(p.width * scale)), max(1, int(p.height * scale))), Image.LANCZOS)
        img.alpha_composite(p, (box[0] + 60 - p.width // 2, y + 24 - p.height // 2))
        layer = text_layer(DESIGN, text, 34, (50, 30, 40), stroke=0.0, outline_colour=(50, 30, 40),
                           align="left", anchor=(box[0] + 140, y + 24))
        img.alpha_composite(layer)
    img.alpha_composite(text_layer(DESIGN, "Enter starts a level.  Esc opens the menu.", 30,
                                   (120, 60, 40), stroke=0.0, outline_colour=(120, 60, 40),
                                   anchor=((box[0] + box[2]) / 2, 966)))
    # the way back: the lower-left corner, 18 % wide and 15 % high, is the button
    bx0, by0, bx1, by1 = 22, 884, 232, 1000
    d.rounded_rectangle([bx0 - 5, by0 - 5, bx1 + 5, by1 + 5], radius=24, fill=rgba(OUTLINE))
    d.rounded_rectangle([bx0, by0, bx1, by1], radius=20, fill=rgba((40, 170, 200)))
    d.polygon([(bx0 + 22, (by0 + by1) / 2), (bx0 + 62, by0 + 24), (bx0 + 62, by1 - 24)],
              fill=rgba(WHITE))
    img.alpha_composite(text_layer(DESIGN, "Back", 56, WHITE, (210, 250, 255), stroke=0.1,
                                   anchor=(bx0 + 140, (by0 + by1) / 2)))
    return squeeze(img.convert("RGB"))


def win():
    """The win picture, 120 x 80 units: 2:1 in a 4:3 window. Keyed black around it."""
    size = (1024, 512)
    img = canvas(*size)
    d = ImageDraw.Draw(img)
    rng = random.Random(9)
    for _ in range(140):  # confetti
        x, y = rng.randrange(size[0]), rng.randrange(size[1])
        c = rng.choice([(255, 90, 90), (255, 220, 70), (90, 200, 255), (140, 230, 110),
                        (250, 150, 230)])
        d.rectangle([x, y, x + 7, y + 11], fill=rgba(c))
    # the feast table
    d.rounded_rectangle([250, 380, 774, 470], radius=16, fill=rgba(OUTLINE))
    d.rounded_rectangle([256, 386, 768, 464], radius=12, fill=rgba((240, 240, 250)))
    for x in range(256, 768, 32):
        d.rectangle([x, 386, x + 15, 464], fill=rgba((230, 80, 80)))
    # the big pot of chili
    img.alpha_composite(enlarge(creatures.pot(), 6), (392, 190))
    img.alpha_composite(enlarge(creatures.player(), 6), (150, 196))
    img.alpha_composite(enlarge(creatures.pepper(), 4), (660, 270))
    img.alpha_composite(enlarge(creatures.pepper(), 3), (740, 300))
    img.alpha_composite(enlarge(creatures.health(), 3), (800, 200))
    img.alpha_composite(text_layer(size, "Hooray!", 150, (255, 240, 120), (250, 120, 40),
                                   stroke=0.08, anchor=(512, 80)))
    img.alpha_composite(text_layer(size, "The Chili Feast is saved!", 56, WHITE, CREAM,
                                   stroke=0.12, anchor=(512, 175)))
    return img


def background(name):
    draw, _ = grounds.BACKGROUNDS[name]
    return enlarge(draw(), 4)

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
import panels
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


# Where the menu's entries lie on the title picture, in design pixels: the
# game's 200 x 200 view stretched over the 4:3 design canvas.
def view_x(x):
    return (x + 100) * DESIGN[0] / 200.0


def view_y(y):
    return (100 - y) * DESIGN[1] / 200.0


def _plank(d, box, tip, fill, edge):
    """A wooden arm of the signpost; tip -1 points left, 1 right, 0 none."""
    x0, y0, x1, y1 = box
    mid = (y0 + y1) / 2.0
    reach = (y1 - y0) * 0.45
    pts = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    if tip < 0:
        pts = [(x0 + reach, y0), (x1, y0), (x1, y1), (x0 + reach, y1), (x0, mid)]
    elif tip > 0:
        pts = [(x0, y0), (x1 - reach, y0), (x1, mid), (x1 - reach, y1), (x0, y1)]
    grown = []
    for x, y in pts:  # the dark edge: the same shape, 6 pixels larger
        grown.append((x + (6 if x > (x0 + x1) / 2 else -6), y + (6 if y > mid else -6)))
    d.polygon(grown, fill=edge)
    d.polygon(pts, fill=fill)


def title():
    """The title "Thrask" over a sunny pepper field, with a signpost for the menu.

    The signpost's board holds New Game, Load Game, Game Story and Quit Game;
    its two arms hold Return Game (pointing back, left) and Save Game
    (right), which the in-game menu adds. It stands whole on the grass."""
    w, h = DESIGN
    img = gradient(DESIGN, (110, 180, 245), (200, 232, 250)).convert("RGBA")
    d = ImageDraw.Draw(img)
    d.ellipse([30, 30, 190, 190], fill=(255, 236, 120))  # sun
    d.ellipse([50, 50, 170, 170], fill=(255, 248, 180))
    for cx, cy in ((200, 330), (860, 260), (1180, 380)):  # clouds
        for dx, r in ((-60, 40), (0, 58), (60, 42)):
            d.ellipse([cx + dx - r, cy - r, cx + dx + r, cy + r], fill=(252, 252, 255))
    _hills(img)
    # the pepper field, where the signpost leaves room
    pep = sprite(creatures.pepper(), 3)
    rng = random.Random(5)
    for _ in range(26):
        x, y = rng.randrange(20, w - 80), rng.randrange(760, 960)
        if 440 < x < 1000:
            continue
        img.alpha_composite(pep, (x, y))

    wood = (150, 100, 62)
    wood_dark = (124, 80, 48)
    edge = rgba(OUTLINE)
    # the board: New Game (y -2.5) down to Quit Game and its marker (y -88.5)
    bx0, bx1 = view_x(-24), view_x(40)
    by0, by1 = view_y(2), view_y(-91)
    # two posts beside it, from above its top down into the grass
    ground = h - 26
    posts = (bx0 - 40, bx1 + 12)
    for px in posts:
        d.rounded_rectangle([px - 6, by0 - 46, px + 34, ground + 4], radius=10, fill=edge)
        d.rounded_rectangle([px, by0 - 40, px + 28, ground], radius=7, fill=BROWN_DARK)
        d.line([(px + 9, by0 - 30), (px + 9, ground - 4)], fill=(118, 74, 46), width=4)
    # the arms: Return Game (x -75 to -25) and its marker to x -72.5, Save
    # Game (x 30 to 80); y -12.5 to -37.5 and the markers a little lower
    ay0, ay1 = view_y(-9), view_y(-41)
    _plank(d, (view_x(-84), ay0, bx0 + 40, ay1), -1, rgba(wood), edge)
    _plank(d, (bx1 - 40, ay0, view_x(89), ay1), 1, rgba(wood), edge)
    for x0, x1 in ((view_x(-78), bx0 - 8), (bx1 + 8, view_x(82))):
        d.line([(x0, (ay0 + ay1) / 2), (x1, (ay0 + ay1) / 2)], fill=wood_dark, width=4)
    d.rounded_rectangle([bx0 - 6, by0 - 6, bx1 + 6, by1 + 6], radius=30, fill=edge)
    d.rounded_rectangle([bx0, by0, bx1, by1], radius=26, fill=rgba(wood))
    for y in range(int(by0) + 64, int(by1), 64):  # planks
        d.line([(bx0 + 8, y), (bx1 - 8, y)], fill=wood_dark, width=4)
    for x, y in ((bx0 + 24, by0 + 24), (bx1 - 24, by0 + 24), (bx0 + 24, by1 - 24),
                 (bx1 - 24, by1 - 24)):
        d.ellipse([x - 7, y - 7, x + 7, y + 7], fill=(90, 60, 40))
    # tufts of grass round the posts' feet
    for px in posts:
        for dx in (-14, 2, 18, 34):
            d.polygon([(px + dx, ground + 6), (px + dx + 8, ground - 16), (px + dx + 14, ground + 6)],
                      fill=(96, 170, 80))

    # the heroes and villains around the signpost
    img.alpha_composite(sprite(creatures.ninja(1), 3), (1150, 360))
    img.alpha_composite(sprite(creatures.player(), 7), (150, 760))
    img.alpha_composite(sprite(creatures.cabbage(2), 3), (30, 800))
    zombie = creatures.zombie(2).transpose(Image.FLIP_LEFT_RIGHT)  # turned towards the sign
    img.alpha_composite(sprite(zombie, 4), (1010, 745))
    img.alpha_composite(sprite(creatures.robot(), 3), (1160, 805))
    # the name
    img.alpha_composite(text_layer(DESIGN, "Thrask", 300, (255, 240, 120), (250, 110, 40),
                                   stroke=0.07, anchor=(w / 2, 190)))
    img.alpha_composite(text_layer(DESIGN, "The Great Pepper Hunt", 70, WHITE, (255, 226, 200),
                                   stroke=0.12, anchor=(w / 2, 380)))
    return squeeze(img.convert("RGB"))


# The dark board behind text in cyan, the load list's and the save prompt's
# colour: navy, with the light rim of the load list's buttons.
BOARD_TOP = (24, 52, 84)
BOARD_BOTTOM = (14, 32, 56)
BOARD_RIM = (190, 250, 255)


def board(img, box, radius, rim=6):
    """A dark rounded board with a light rim and a dark outline, on img."""
    x0, y0, x1, y1 = [int(round(v)) for v in box]
    d = ImageDraw.Draw(img)
    d.rounded_rectangle([x0 - rim - 4, y0 - rim - 4, x1 + rim + 4, y1 + rim + 4],
                        radius=radius + rim + 4, fill=rgba(OUTLINE))
    d.rounded_rectangle([x0 - rim, y0 - rim, x1 + rim, y1 + rim], radius=radius + rim,
                        fill=rgba(BOARD_RIM))
    inside = gradient((x1 - x0 + 1, y1 - y0 + 1), BOARD_TOP, BOARD_BOTTOM).convert("RGBA")
    mask = Image.new("L", inside.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, inside.width - 1, inside.height - 1],
                                           radius=radius, fill=255)
    img.paste(inside, (x0, y0), mask)


def load_list():
    """The load list's backdrop, the whole window: a calm meadow under the
    sky, the dark board the list of saved games is printed on (from x -75,
    y 75, ten lines), and the track of its scroll bar (x 90, y -77.5 to
    77.5). The two buttons stand on the grass below the board."""
    w, h = DESIGN
    img = gradient(DESIGN, (110, 180, 245), (200, 232, 250)).convert("RGBA")
    _hills(img)
    pep = sprite(creatures.pepper(), 2)
    rng = random.Random(8)
    for _ in range(30):  # a pepper patch along the bottom, clear of the buttons
        x, y = rng.randrange(10, w - 70), rng.randrange(850, 960)
        img.alpha_composite(pep, (x, y))
    # Thrask waits between the two buttons
    img.alpha_composite(sprite(creatures.player(), 4), (int(view_x(0)) - 64, int(view_y(-36))))
    board(img, (view_x(-82), view_y(88), view_x(84), view_y(-33)), 24)
    board(img, (view_x(86), view_y(80), view_x(94), view_y(-80)), 10, rim=4)
    return squeeze(img.convert("RGB"))


def best_scores():
    """The best-score list's backdrop, the whole window: the load list's
    meadow, a dark board for the title and ten games (x -84 to 84, y 90 to
    -58) and the list's notes, and the two buttons' place on the grass
    below it; a golden pepper stands on a little pedestal between them."""
    w, h = DESIGN
    img = gradient(DESIGN, (110, 180, 245), (200, 232, 250)).convert("RGBA")
    _hills(img)
    pep = sprite(creatures.pepper(), 2)
    rng = random.Random(11)
    for _ in range(24):  # a pepper patch along the bottom, clear of the pedestal
        x, y = rng.randrange(10, w - 70), rng.randrange(900, 975)
        if abs(x - view_x(0)) < 90:
            continue
        img.alpha_composite(pep, (x, y))
    d = ImageDraw.Draw(img)
    cx = int(view_x(0))
    top = int(view_y(-64))
    d.rounded_rectangle([cx - 50, top + 70, cx + 50, top + 130], radius=10, fill=rgba(OUTLINE))
    d.rounded_rectangle([cx - 44, top + 76, cx + 44, top + 124], radius=8, fill=rgba((200, 200, 214)))
    golden = _golden(sprite(creatures.pepper(), 3))
    img.alpha_composite(golden, (cx - golden.width // 2, top + 76 - golden.height))
    board(img, (view_x(-84), view_y(90), view_x(84), view_y(-58)), 24)
    return squeeze(img.convert("RGB"))


def _golden(img):
    """The pepper in gold: its red parts turned gold with their light and
    shade kept, its green stem and dark outline as they were."""
    out = img.copy()
    px = out.load()
    for y in range(out.height):
        for x in range(out.width):
            r, g, b, a = px[x, y]
            if a and r > g + 40 and r > b + 40:  # the pepper's red
                light = min(1.0, r / 200.0)
                px[x, y] = (min(255, int(255 * light)), min(255, int(200 * light)), int(40 * light), a)
    return out


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


def _tinted(img, green_blue):
    """The picture as the game tints the cook: green and blue scaled down."""
    r, g, b, a = img.split()
    g = g.point(lambda v: v * green_blue // 255)
    b = b.point(lambda v: v * green_blue // 255)
    return Image.merge("RGBA", (r, g, b, a))


def _reddening():
    """Three cooks, white, pink and red: how Thrask looks as a field empties."""
    cook = creatures.player_sprite()
    out = Image.new("RGBA", (cook.width * 3 + 8, cook.height), (0, 0, 0, 0))
    for i, tint in enumerate((255, 150, 40)):
        out.alpha_composite(_tinted(cook, tint), (i * (cook.width + 4), 0))
    return out


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
        (_reddening(), "He turns redder with every pepper: red means nearly done!"),
        (panels.health_bar(), "Health at the top left; score, level, peppers left beside it."),
        (creatures.zombie(3), "Zombies lunge when you get close."),
        (creatures.cabbage(2), "Cabbages pop out of the ground and bite."),
        (creatures.pirate(), "Pirates throw knives; ninjas strike fast."),
        (creatures.robot(), "Robot flames burn, and set zombies on fire!"),
        (creatures.health(), "Hearts heal you."),
    ]
    for i, (pic, text) in enumerate(rows):
        y = 634 + i * 36
        p = pic.crop(pic.getbbox())
        scale = min(40.0 / p.height, 96.0 / p.width)
        p = p.resize((max(1, int(p.width * scale)), max(1, int(p.height * scale))), Image.LANCZOS)
        img.alpha_composite(p, (box[0] + 66 - p.width // 2, y + 18 - p.height // 2))
        layer = text_layer(DESIGN, text, 30, (50, 30, 40), stroke=0.0, outline_colour=(50, 30, 40),
                           align="left", anchor=(box[0] + 130, y + 18))
        img.alpha_composite(layer)
    img.alpha_composite(text_layer(DESIGN, "Enter starts a level.  Esc opens the menu.", 28,
                                   (120, 60, 40), stroke=0.0, outline_colour=(120, 60, 40),
                                   anchor=((box[0] + box[2]) / 2, 970)))
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

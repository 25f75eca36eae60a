"""The creatures of Thrask, drawn as 64 x 64 pixel art facing LEFT.

The game mirrors a picture to make it face right, so every creature here looks
and reaches towards the left edge. Each function returns an outlined RGBA
canvas; the caller enlarges it and applies the colour key.
"""

import math

from gfx import (BLUE, BROWN, BROWN_DARK, CREAM, GOLD, GREEN_DARK, GREY, GREY_DARK,
                 GREY_LIGHT, NEAR_BLACK, OUTLINE, RED, RED_DARK, SKIN, SKIN_SHADE, WHITE,
                 YELLOW, Pen, canvas, outline, shade)

ZOMBIE_SKIN = (140, 204, 108)
ZOMBIE_SKIN_DARK = (98, 160, 84)
ZOMBIE_SHIRT = (92, 128, 204)
ZOMBIE_PANTS = (128, 88, 64)
SHOE = (74, 62, 80)

NINJA_SUIT = (62, 58, 128)
NINJA_SUIT_DARK = (40, 38, 92)
NINJA_BAND = (226, 44, 60)
STEEL = (210, 222, 238)

PIRATE_HAT = (48, 38, 58)
PIRATE_BEARD = (176, 76, 36)
PIRATE_PANTS = (60, 96, 176)

ROBOT_BODY = (172, 182, 200)
ROBOT_DARK = (110, 118, 140)
ROBOT_VISOR = (70, 220, 250)


def zombie(frame):
    """Frame 0 stands; frames 1..4 lunge further forward with the mouth open wider."""
    p = frame / 4.0
    img = canvas(64, 64)
    d = Pen(img)
    lean = int(round(p * 6))
    bob = int(round(p * 2))
    # legs, the back one first
    d.rect(33, 44, 38, 57, shade(ZOMBIE_PANTS, 0.82))
    d.rect(32, 57, 40, 60, SHOE)
    d.rect(24 - lean // 3, 44, 29 - lean // 3, 57, ZOMBIE_PANTS)
    d.rect(19 - lean // 3, 57, 29 - lean // 3, 60, SHOE)
    # back arm
    sx, sy = 35 - lean, 30 + bob
    hx, hy = 18 - int(10 * p) - 2, 39 - int(9 * p)
    d.line([(sx, sy), (int((sx + hx) / 2), int((sy + hy) / 2))], shade(ZOMBIE_SHIRT, 0.8), 5)
    d.line([(int((sx + hx) / 2), int((sy + hy) / 2)), (hx, hy)], ZOMBIE_SKIN_DARK, 4)
    # torso with a torn hem
    d.poly([(21 - lean, 27 + bob), (41 - lean // 2, 27 + bob), (41, 46), (22, 46)], ZOMBIE_SHIRT)
    for i, x in enumerate(range(22, 41, 4)):
        d.poly([(x, 45), (x + 4, 45), (x + 2, 48 + (i % 2))], ZOMBIE_SHIRT)
    d.rect(30 - lean // 2, 33 + bob, 34 - lean // 2, 37 + bob, (230, 190, 80))  # patch
    d.dot(31 - lean // 2, 34 + bob, BROWN_DARK)
    d.dot(33 - lean // 2, 36 + bob, BROWN_DARK)
    d.rect(22, 43, 41, 44, BROWN)  # belt
    # head
    hx0, hy0 = 17 - lean, 6 + bob
    d.oval(hx0, hy0, hx0 + 22, hy0 + 21, ZOMBIE_SKIN)
    d.oval(hx0 + 12, hy0 + 12, hx0 + 20, hy0 + 19, ZOMBIE_SKIN_DARK)  # cheek shadow
    for k in range(4):  # scruffy hair
        d.poly([(hx0 + 6 + k * 4, hy0 + 3), (hx0 + 9 + k * 4, hy0 - 2 - (k % 2)),
                (hx0 + 11 + k * 4, hy0 + 3)], GREEN_DARK)
    d.rect(hx0 + 5, hy0 + 1, hx0 + 19, hy0 + 4, GREEN_DARK)
    # eyes: one big and goggling, one small
    d.oval(hx0 + 2, hy0 + 7, hx0 + 9, hy0 + 14, WHITE)
    d.rect(hx0 + 3, hy0 + 10, hx0 + 4, hy0 + 11, OUTLINE)
    d.oval(hx0 + 11, hy0 + 8, hx0 + 15, hy0 + 12, WHITE)
    d.dot(hx0 + 12, hy0 + 10, OUTLINE)
    # mouth, opening with the lunge
    mh = 1 + int(round(p * 5))
    d.rect(hx0 + 2, hy0 + 15, hx0 + 10, hy0 + 15 + mh, (120, 30, 50))
    d.rect(hx0 + 3, hy0 + 15, hx0 + 4, hy0 + 16, WHITE)
    d.rect(hx0 + 7, hy0 + 15, hx0 + 8, hy0 + 16, WHITE)
    if mh > 3:
        d.rect(hx0 + 4, hy0 + 14 + mh, hx0 + 5, hy0 + 15 + mh, WHITE)
    # front arm, reaching forward
    sx, sy = 25 - lean, 30 + bob
    hx, hy = 13 - int(11 * p), 40 - int(11 * p)
    mx, my = int((sx + hx) / 2), int((sy + hy) / 2)
    d.line([(sx, sy), (mx, my)], ZOMBIE_SHIRT, 5)
    d.line([(mx, my), (hx, hy)], ZOMBIE_SKIN, 4)
    for k in range(3):  # fingers
        d.line([(hx, hy - 1 + k * 2), (hx - 3, hy - 2 + k * 2)], ZOMBIE_SKIN, 1)
    return outline(img)


def ninja(frame):
    """0 standing guard, 1 crouching, 2 dashing with the blade out, 3 the slash."""
    img = canvas(64, 64)
    d = Pen(img)
    crouch = [0, 4, 2, 1][frame]
    lean = [0, 2, 7, 5][frame]
    top = 8 + crouch
    # headband tails flowing behind (to the right)
    wave = [0, 1, 3, 2][frame]
    d.line([(36 - lean, top + 7), (46 - lean, top + 4 + wave), (54 - lean, top + 8 - wave)],
           NINJA_BAND, 2)
    d.line([(36 - lean, top + 8), (44 - lean, top + 11 - wave), (50 - lean, top + 14)], NINJA_BAND, 2)
    # sword on the back while it is sheathed
    if frame in (0, 1):
        d.line([(28, top + 40), (43, top + 8)], (120, 70, 50), 3)  # scabbard
        d.rect(41, top + 6, 46, top + 7, (230, 190, 60))  # guard
        d.line([(44, top + 6), (47, top)], (70, 44, 44), 2)  # hilt
    # legs
    if frame == 2:
        d.line([(30, 44 + crouch // 2), (18, 57)], NINJA_SUIT_DARK, 6)
        d.line([(34, 44 + crouch // 2), (46, 57)], NINJA_SUIT, 6)
    else:
        spread = 3 + crouch
        d.line([(28, 44), (25 - spread, 58)], NINJA_SUIT_DARK, 6)
        d.line([(35, 44), (38 + spread, 58)], NINJA_SUIT, 6)
    d.rect(14 if frame == 2 else 19 - crouch, 58, 22 if frame == 2 else 27 - crouch, 61, NINJA_SUIT_DARK)
    d.rect(41 + (3 if frame == 2 else crouch), 58, 49 + (3 if frame == 2 else crouch), 61, NINJA_SUIT_DARK)
    # body
    d.poly([(22 - lean, top + 17), (40 - lean // 2, top + 17), (39, 47), (24, 47)], NINJA_SUIT)
    d.rect(23, 40 + crouch // 2, 39, 42 + crouch // 2, NINJA_BAND)  # belt
    d.poly([(30 - lean, top + 17), (36 - lean // 2, top + 17), (32 - lean // 2, top + 26)], NINJA_SUIT_DARK)
    # head with the eye slit
    hx0 = 20 - lean
    d.oval(hx0, top, hx0 + 18, top + 18, NINJA_SUIT)
    d.rect(hx0 + 1, top + 6, hx0 + 15, top + 10, SKIN)
    d.rect(hx0 + 1, top + 5, hx0 + 17, top + 5, NINJA_BAND)
    d.rect(hx0 + 3, top + 7, hx0 + 5, top + 9, OUTLINE)
    d.rect(hx0 + 9, top + 7, hx0 + 11, top + 9, OUTLINE)
    d.dot(hx0 + 3, top + 7, WHITE)
    d.dot(hx0 + 9, top + 7, WHITE)
    # arms and blade
    shoulder = (27 - lean, top + 20)
    if frame == 0:
        d.line([shoulder, (20, top + 30), (24, top + 34)], NINJA_SUIT_DARK, 4)
        d.oval(21, top + 32, 26, top + 37, SKIN)
    elif frame == 1:
        d.line([shoulder, (34, top + 26)], NINJA_SUIT_DARK, 4)
        d.oval(33, top + 24, 38, top + 29, SKIN)
        d.line([(36, top + 26), (50, top + 22)], STEEL, 2)  # drawing the blade
    elif frame == 2:
        hand = (12, top + 22)
        d.line([shoulder, hand], NINJA_SUIT_DARK, 4)
        d.oval(hand[0] - 2, hand[1] - 3, hand[0] + 3, hand[1] + 2, SKIN)
        d.rect(hand[0] + 2, hand[1] - 1, hand[0] + 5, hand[1], (230, 190, 60))
        d.poly([(hand[0] - 1, hand[1] - 2), (1, hand[1] - 3), (hand[0] - 1, hand[1])], STEEL)
    else:
        hand = (12, top + 10)
        # the white swoosh of the slash, in front of the ninja
        for r in range(3):
            rad = 24 - r
            pts = [(22 + rad * math.cos(a) * -1.0, top + 26 - rad * math.sin(a))
                   for a in [math.radians(v) for v in range(-60, 80, 10)]]
            d.line(pts, (240, 248, 255) if r < 2 else (180, 220, 255), 1)
        d.line([shoulder, hand], NINJA_SUIT_DARK, 4)
        d.oval(hand[0] - 2, hand[1] - 3, hand[0] + 3, hand[1] + 2, SKIN)
        d.line([(hand[0], hand[1] - 2), (2, 4)], STEEL, 3)
    return outline(img, colour=NEAR_BLACK)


def pirate():
    img = canvas(64, 64)
    d = Pen(img)
    # peg leg and boot
    d.rect(34, 46, 39, 55, PIRATE_PANTS)
    d.rect(35, 55, 37, 61, (176, 128, 80))
    d.rect(24, 46, 30, 56, PIRATE_PANTS)
    d.rect(18, 56, 30, 61, (92, 56, 40))
    # back arm on the hip
    d.line([(38, 30), (44, 38), (39, 42)], (240, 240, 240), 4)
    # striped shirt
    d.poly([(21, 26), (41, 26), (42, 47), (21, 47)], WHITE)
    for y in range(28, 47, 4):
        d.rect(21, y, 42, y + 1, RED)
    d.rect(20, 44, 42, 46, (92, 56, 40))  # belt
    d.rect(29, 44, 32, 46, GOLD)
    # head
    d.oval(18, 10, 38, 29, SKIN)
    d.oval(16, 18, 36, 34, PIRATE_BEARD)  # bushy beard
    d.rect(20, 22, 30, 24, (150, 60, 30))  # mouth in the beard
    d.rect(22, 22, 27, 23, (230, 120, 110))
    d.oval(17, 13, 26, 20, SKIN)
    d.rect(14, 16, 18, 18, SKIN_SHADE)  # big nose
    d.oval(13, 15, 18, 20, SKIN_SHADE)
    d.rect(21, 14, 24, 17, NEAR_BLACK)  # eye patch
    d.line([(20, 14), (37, 11)], NEAR_BLACK, 1)
    d.rect(29, 14, 31, 16, WHITE)
    d.dot(29, 15, OUTLINE)
    # tricorn hat with skull
    d.poly([(10, 12), (18, 2), (30, 0), (42, 4), (46, 12), (30, 9)], PIRATE_HAT)
    d.line([(10, 12), (30, 9), (46, 12)], GOLD, 1)
    d.oval(25, 3, 30, 7, WHITE)
    d.rect(26, 7, 29, 8, WHITE)
    d.dot(26, 5, OUTLINE)
    d.dot(28, 5, OUTLINE)
    # front arm raised with a knife ready to throw
    d.line([(24, 30), (16, 26), (12, 17)], WHITE, 4)
    d.rect(14, 26, 18, 27, RED)
    d.oval(9, 14, 14, 19, SKIN)
    d.rect(10, 11, 12, 14, BROWN_DARK)
    d.poly([(10, 11), (12, 11), (11, 2)], STEEL)
    return outline(img)


def robot():
    """The nozzle's mouth is at x 6, y 39: where the game starts the flame."""
    img = canvas(64, 64)
    d = Pen(img)
    # treads
    d.rrect(16, 52, 50, 61, 4, GREY_DARK)
    for x in range(19, 49, 5):
        d.rect(x, 54, x + 2, 59, ROBOT_DARK)
    d.oval(16, 52, 25, 61, GREY)
    d.oval(41, 52, 50, 61, GREY)
    # body
    d.rect(30, 44, 36, 52, ROBOT_DARK)
    d.rrect(20, 26, 48, 46, 3, ROBOT_BODY)
    d.rect(26, 31, 40, 41, ROBOT_DARK)
    for i, c in enumerate([(255, 80, 80), (255, 210, 60), (90, 230, 110)]):
        d.rect(28 + i * 4, 33, 30 + i * 4, 35, c)
    d.rect(28, 38, 38, 39, GREY_LIGHT)
    d.rect(44, 26, 48, 46, shade(ROBOT_BODY, 0.85))
    # head with visor and antenna
    d.line([(36, 9), (38, 3)], GREY_DARK, 1)
    d.oval(36, 0, 41, 5, RED)
    d.dot(37, 1, WHITE)
    d.rrect(22, 8, 46, 25, 5, ROBOT_BODY)
    d.rrect(22, 12, 36, 20, 3, (40, 60, 90))
    d.rect(24, 14, 28, 17, ROBOT_VISOR)
    d.rect(30, 14, 33, 17, ROBOT_VISOR)
    d.dot(25, 14, WHITE)
    d.dot(31, 14, WHITE)
    d.rect(40, 14, 44, 17, GREY_DARK)  # ear bolt
    # arm holding the flame thrower at the front
    d.line([(26, 33), (18, 39)], GREY_DARK, 4)
    d.rect(10, 36, 22, 42, (220, 90, 40))  # tank/barrel
    d.rect(14, 36, 15, 42, YELLOW)
    d.rect(6, 37, 10, 41, GREY_DARK)  # nozzle
    d.rect(18, 42, 20, 45, GREY_DARK)  # grip
    return outline(img)


def player():
    """Thrask, the little cook: light colours, so the game's red tint shows."""
    img = canvas(32, 32)
    d = Pen(img)
    d.rect(10, 27, 14, 30, BROWN_DARK)
    d.rect(17, 27, 21, 30, BROWN_DARK)
    d.rrect(9, 17, 22, 28, 3, WHITE)  # cook's jacket
    d.rect(15, 18, 16, 27, (214, 214, 220))
    d.dot(13, 20, (200, 60, 60))
    d.dot(13, 23, (200, 60, 60))
    d.poly([(12, 17), (19, 17), (15, 20)], RED)  # neckerchief
    d.rect(6, 19, 9, 23, WHITE)  # arms
    d.rect(22, 19, 25, 23, WHITE)
    d.oval(5, 22, 8, 25, SKIN)
    d.oval(23, 22, 26, 25, SKIN)
    d.oval(9, 8, 22, 19, SKIN)  # face
    d.rect(12, 12, 13, 13, OUTLINE)
    d.rect(18, 12, 19, 13, OUTLINE)
    d.dot(12, 12, WHITE)
    d.dot(18, 12, WHITE)
    d.rect(10, 14, 11, 15, (250, 150, 140))
    d.rect(20, 14, 21, 15, (250, 150, 140))
    d.rect(14, 15, 17, 16, (150, 70, 50))  # smile
    d.dot(13, 14, (150, 70, 50))
    d.dot(18, 14, (150, 70, 50))
    d.rect(9, 6, 22, 9, WHITE)  # hat band
    d.oval(7, 0, 15, 7, WHITE)  # puffy chef's hat
    d.oval(12, -1, 20, 6, WHITE)
    d.oval(16, 0, 24, 7, WHITE)
    d.rect(10, 8, 21, 8, (220, 220, 226))
    return outline(img)


def player_sprite():
    """Thrask as the game draws him in play: 10 x 10 units, 32 x 24 pixels in
    the default window, so he is drawn here pixel for pixel in that shape (the
    caller stretches him into the square picture). Chunky shapes, a face that
    reads at a glance and a two-pixel dark outline keep him clear on every
    background, and light colours let the game's red tint show as he eats."""
    img = canvas(32, 24)
    d = Pen(img)
    d.rect(11, 19, 14, 20, (70, 52, 44))  # legs
    d.rect(17, 19, 20, 20, (70, 52, 44))
    d.rect(10, 21, 14, 21, NEAR_BLACK)  # shoes
    d.rect(17, 21, 21, 21, NEAR_BLACK)
    d.rrect(8, 13, 23, 19, 2, WHITE)  # cook's jacket
    d.rect(15, 15, 16, 19, (206, 206, 214))
    d.dot(13, 16, RED_DARK)
    d.dot(13, 18, RED_DARK)
    d.rect(5, 14, 8, 17, WHITE)  # arms
    d.rect(23, 14, 26, 17, WHITE)
    d.rect(4, 17, 6, 19, SKIN)  # hands
    d.rect(25, 17, 27, 19, SKIN)
    d.rrect(9, 7, 22, 13, 3, SKIN)  # face
    d.poly([(13, 13), (18, 13), (16, 15), (15, 15)], RED)  # neckerchief
    d.rect(12, 9, 13, 10, NEAR_BLACK)  # eyes
    d.rect(18, 9, 19, 10, NEAR_BLACK)
    d.dot(12, 9, WHITE)
    d.dot(18, 9, WHITE)
    d.rect(10, 11, 11, 11, (250, 140, 130))  # cheeks
    d.rect(20, 11, 21, 11, (250, 140, 130))
    d.rect(14, 12, 17, 12, (150, 60, 44))  # smile
    d.oval(7, 2, 15, 7, WHITE)  # puffy chef's hat
    d.oval(12, 2, 20, 6, WHITE)
    d.oval(16, 2, 24, 7, WHITE)
    d.rect(9, 5, 22, 6, WHITE)
    d.rect(9, 6, 22, 6, (214, 214, 224))  # hat band
    return outline(outline(img), OUTLINE, diagonal=True)


def pepper():
    img = canvas(32, 32)
    d = Pen(img)
    d.poly([(19, 7), (24, 8), (26, 13), (24, 20), (17, 26), (8, 29), (4, 28), (9, 24),
            (14, 17), (15, 10)], RED)
    d.poly([(22, 11), (24, 14), (22, 19), (18, 23), (20, 16)], RED_DARK)
    d.line([(17, 11), (15, 17), (11, 22)], (255, 150, 140), 1)
    d.rect(16, 5, 24, 8, (70, 170, 60))  # cap
    d.line([(20, 5), (22, 1), (25, 1)], (70, 150, 50), 2)
    # a second, diagonal ring of outline: the pepper keeps a clear edge on
    # every background, the red carpet and the brown soil too
    return outline(outline(img), OUTLINE, diagonal=True)


def health():
    img = canvas(32, 32)
    d = Pen(img)
    d.oval(3, 4, 16, 17, RED)
    d.oval(15, 4, 28, 17, RED)
    d.poly([(3, 12), (28, 12), (15, 28)], RED)
    d.poly([(16, 24), (27, 12), (28, 14)], RED_DARK)
    d.rect(13, 9, 18, 20, WHITE)
    d.rect(10, 12, 21, 17, WHITE)
    d.rect(6, 7, 8, 9, (255, 170, 170))
    return outline(img)


def knife():
    """Blade to the left, handle to the right."""
    img = canvas(32, 32)
    d = Pen(img)
    d.poly([(1, 16), (6, 12), (19, 12), (19, 19), (6, 19)], STEEL)
    d.rect(6, 12, 19, 13, WHITE)
    d.rect(6, 18, 19, 19, (150, 162, 180))
    d.rect(19, 9, 21, 22, GOLD)
    d.rrect(22, 13, 30, 18, 2, BROWN)
    d.rect(24, 13, 25, 18, BROWN_DARK)
    d.rect(27, 13, 28, 18, BROWN_DARK)
    return outline(img)


def cabbage(stage):
    """0: a sprout in its mound, 1: a half-grown head, 2: the full biting cabbage."""
    img = canvas(32, 32)
    d = Pen(img)
    leaf = (110, 200, 80)
    leaf_dark = (60, 150, 60)
    leaf_light = (186, 236, 130)
    d.oval(3, 24, 29, 31, BROWN)  # soil mound
    d.oval(7, 25, 14, 28, shade(BROWN, 1.2))
    if stage == 0:
        d.line([(16, 26), (16, 18)], leaf_dark, 2)
        d.oval(8, 14, 16, 20, leaf)
        d.oval(16, 12, 24, 19, leaf_light)
    elif stage == 1:
        d.oval(8, 14, 24, 29, leaf)
        d.oval(11, 16, 21, 26, leaf_light)
        d.oval(4, 18, 11, 27, leaf_dark)
        d.oval(21, 18, 28, 27, leaf_dark)
        d.rect(12, 20, 13, 21, OUTLINE)
        d.rect(18, 20, 19, 21, OUTLINE)
    else:
        d.oval(1, 8, 12, 25, leaf_dark)
        d.oval(20, 8, 31, 25, leaf_dark)
        d.oval(5, 3, 27, 27, leaf)
        d.oval(9, 5, 23, 17, leaf_light)
        d.line([(16, 6), (16, 12)], leaf, 1)
        d.line([(12, 7), (14, 12)], leaf, 1)
        d.line([(20, 7), (18, 12)], leaf, 1)
        # angry eyes and a toothy mouth
        d.poly([(8, 12), (14, 15), (8, 16)], WHITE)
        d.poly([(24, 12), (18, 15), (24, 16)], WHITE)
        d.rect(10, 14, 11, 15, OUTLINE)
        d.rect(21, 14, 22, 15, OUTLINE)
        d.rect(9, 19, 23, 23, (130, 30, 50))
        for x in range(9, 23, 3):
            d.poly([(x, 19), (x + 2, 19), (x + 1, 21)], WHITE)
            d.poly([(x + 1, 23), (x + 3, 23), (x + 2, 21)], WHITE)
    return outline(img)


def fire(seed=7):
    """Tongues of flame filling a 32 x 64 tile, rounded at the bottom, pointed
    at the top; the pattern repeats left to right (the game scrolls it)."""
    import random
    rng = random.Random(seed)
    img = canvas(32, 64)
    d = Pen(img)
    layers = [((226, 56, 30), 1.0), ((250, 140, 40), 0.74), ((255, 214, 70), 0.5),
              ((255, 246, 190), 0.26)]
    tongues = [(4 + 8 * k, rng.uniform(0.6, 1.0), rng.randint(-2, 2), rng.randint(50, 58))
               for k in range(4)]
    for colour, scale in layers:
        for x, h, lean, base in tongues:
            half = 5.5 * scale + 0.5
            bottom = base - (1.0 - scale) * 6
            top = bottom - (54 * h) * (0.35 + 0.65 * scale)
            for off in (-32, 0, 32):  # drawn three times so the seams match
                cx = x + off
                d.oval(cx - half, bottom - 2 * half, cx + half, bottom, colour)
                d.poly([(cx - half, bottom - half), (cx + half, bottom - half),
                        (cx + lean * scale + 1, top)], colour)
    return img


def flame(seed=3):
    """A horizontal jet: hot and narrow at its right edge (the nozzle), ragged at the left tip."""
    import random
    rng = random.Random(seed)
    img = canvas(64, 16)
    d = Pen(img)
    layers = [((230, 60, 30), 1.0), ((250, 150, 40), 0.7), ((255, 230, 90), 0.42),
              ((255, 255, 220), 0.18)]
    profile = []
    for x in range(64):
        t = x / 63.0  # 0 at the tip, 1 at the nozzle
        if t > 0.8:
            half = 2.0 + (1.0 - t) * 20.0
        else:
            half = 6.0 * math.sin(min(1.0, t / 0.8) * math.pi * 0.55) + 0.5
        profile.append(half + rng.uniform(-0.8, 0.8))
    for colour, scale in layers:
        start = int(64 * (1.0 - scale) * 0.9)
        for x in range(start, 64):
            half = profile[x] * (0.4 + 0.6 * scale)
            d.rect(x, int(round(7.5 - half)), x, int(round(7.5 + half)), colour)
    # loose sparks around the tip
    for _ in range(6):
        x, y = rng.randrange(0, 14), rng.randrange(3, 13)
        d.dot(x, y, (255, 170, 60))
    return img


def pot():
    """The feast pot, full of chili, with a wisp of steam."""
    img = canvas(40, 36)
    d = Pen(img)
    d.line([(14, 10), (12, 6), (15, 2)], (236, 236, 244), 1)  # steam
    d.line([(22, 10), (24, 5), (21, 1)], (236, 236, 244), 1)
    d.rect(1, 17, 6, 20, GREY_DARK)  # handles
    d.rect(33, 17, 38, 20, GREY_DARK)
    d.rrect(4, 13, 35, 34, 6, GREY)
    d.rect(7, 16, 9, 31, GREY_LIGHT)
    d.rect(4, 12, 35, 15, GREY_DARK)  # rim
    d.oval(6, 10, 33, 15, RED)  # the chili
    for x, y in ((12, 12), (19, 11), (26, 12)):
        d.dot(x, y, (250, 170, 60))
    d.dot(16, 13, GREEN_DARK)
    return outline(img)

"""The game's icon: Thrask the cook beside a pepper on a rounded sky tile.

Drawn as 32 x 32 pixel art from the game's own sprites and enlarged with
nearest-neighbour to every size the desktop asks for, so each size is crisp.
Transparent outside the tile (RGBA).
"""

from PIL import Image, ImageChops

import creatures
from gfx import GREEN, OUTLINE, Pen, canvas, enlarge, outline

BASE = 32
SIZES = (32, 64, 128, 256)
CORNER = 6
SKY = (120, 190, 245)
CLOUD = (196, 228, 252)


def icon():
    """The 32 x 32 icon, RGBA."""
    img = canvas(BASE, BASE)
    d = Pen(img)
    d.rrect(0, 0, BASE - 1, BASE - 1, CORNER, OUTLINE)
    d.rrect(1, 1, BASE - 2, BASE - 2, CORNER - 1, SKY)
    tile = img.getchannel("A")
    d.oval(19, 4, 29, 9, CLOUD)
    d.rect(1, 25, BASE - 2, BASE - 2, GREEN)  # the pepper field
    img.alpha_composite(creatures.player(), (-4, 1))
    # A pepper at half size, turned towards the cook.
    pepper = creatures.pepper().transpose(Image.FLIP_LEFT_RIGHT)
    pepper = outline(pepper.resize((BASE // 2, BASE // 2), Image.NEAREST))
    img.alpha_composite(pepper, (17, 13))
    # Nothing sticks out of the tile; its dark rim stays on top.
    img.putalpha(ImageChops.multiply(img.getchannel("A"), tile))
    rim = canvas(BASE, BASE)
    Pen(rim).rrect(0, 0, BASE - 1, BASE - 1, CORNER, OUTLINE)
    inner = canvas(BASE, BASE)
    Pen(inner).rrect(1, 1, BASE - 2, BASE - 2, CORNER - 1, OUTLINE)
    img.paste(rim, mask=ImageChops.subtract(rim.getchannel("A"), inner.getchannel("A")))
    return img


def icons():
    """size -> RGBA picture of that size."""
    small = icon()
    return {size: enlarge(small, size // BASE) for size in SIZES}

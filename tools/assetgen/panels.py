"""Menu entries, buttons, the health bar and the other small pictures around play.

The game stretches each picture over a rectangle in view units; at the default
4:3 window a 50 x 25 menu entry is 2.67 times as wide as it is tall, a 60 x 20
load-list button 4 times. Text is laid out on that on-screen shape (the design
size) and then scaled into the power-of-two picture, so letters keep their
proportions in the game.
"""

from PIL import Image, ImageDraw

from gfx import (GREY, KEY_BLACK, NEAR_BLACK, OUTLINE, WHITE, Pen, canvas,
                 enlarge, gradient, mix, outline, rgba, text_layer)

MENU_TOP = (255, 252, 228)
MENU_BOTTOM = (255, 196, 70)


def menu_entry(label, shift=0.0):
    """A title-menu entry: outlined warm text on the keyed black background.

    shift moves the label sideways by that share of the entry's width: Game
    Story's entry stands 7 units (of 50) right of the others, so its label is
    drawn to the left in its picture and lines up with theirs."""
    design = (683, 256)
    return text_layer((512, 256), label, 100, MENU_TOP, MENU_BOTTOM, stroke=0.14,
                      design_size=design,
                      anchor=(design[0] * (0.5 + shift), design[1] / 2.0))


# A sign that hangs from the top edge of the title menu: 36 x 30 view units
# on screen (115 x 72 pixels in the default window), drawn in that shape and
# squeezed into 256 x 128. The board takes the lower two thirds, the ropes it
# hangs by the rest; outside them everything is keyed black.
HANGING_DESIGN = (460, 288)
HANGING_BOARD_TOP = 96


def hanging_sign(label, font_px=82):
    """A wooden board in the signpost's wood, hung by two ropes, with its label
    in the menu entries' lettering (font_px tall: a longer label takes smaller
    letters to stay on the board)."""
    from PIL import ImageDraw
    w, h = HANGING_DESIGN
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    wood = (150, 100, 62)
    wood_dark = (124, 80, 48)
    edge = rgba(OUTLINE)
    top, bottom = HANGING_BOARD_TOP, h - 8
    left, right = 14, w - 14
    for x in (left + 70, right - 70):  # the ropes, down from the window's top edge
        d.rectangle([x - 7, 0, x + 7, top + 10], fill=edge)
        d.rectangle([x - 3, 0, x + 3, top + 10], fill=rgba((214, 186, 130)))
    d.rounded_rectangle([left - 6, top - 6, right + 6, bottom + 6], radius=28, fill=edge)
    d.rounded_rectangle([left, top, right, bottom], radius=24, fill=rgba(wood))
    d.line([(left + 10, (top + bottom) // 2), (right - 10, (top + bottom) // 2)], fill=rgba(wood_dark), width=4)
    for x in (left + 70, right - 70):  # where the ropes are nailed on
        d.ellipse([x - 8, top + 10, x + 8, top + 26], fill=rgba((90, 60, 40)))
    label_img = text_layer(HANGING_DESIGN, label, font_px, MENU_TOP, MENU_BOTTOM, stroke=0.14,
                           anchor=(w / 2, (top + bottom) / 2.0 + 6))
    img.alpha_composite(label_img)
    return img.resize((256, 128), Image.LANCZOS)


def list_button(label):
    """A load-list button: a rounded teal button with its label, corners keyed."""
    size = (256, 64)
    s = 4
    w, h = size[0] * s, size[1] * s
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=26 * s // 2, fill=255)
    inner = Image.new("L", (w, h), 0)
    ImageDraw.Draw(inner).rounded_rectangle([4 * s, 4 * s, w - 1 - 4 * s, h - 1 - 4 * s],
                                            radius=22 * s // 2, fill=255)
    mask = mask.resize(size, Image.LANCZOS).point(lambda v: 255 if v >= 128 else 0)
    inner = inner.resize(size, Image.LANCZOS)
    edge = Image.new("RGBA", size, rgba((190, 250, 255)))
    fill = gradient(size, (40, 170, 200), (18, 96, 130)).convert("RGBA")
    body = Image.composite(fill, edge, inner)
    out = canvas(*size)
    out.paste(body, mask=mask)
    label_img = text_layer(size, label, 36, WHITE, (210, 250, 255), stroke=0.12)
    out.alpha_composite(label_img)
    return out


def marker_dot():
    """The hover marker under a menu entry: a warm bar, fully opaque."""
    return gradient((64, 8), (255, 236, 120), (250, 150, 40))


def arrow():
    """The load list's scroll arrow, pointing up (the game turns it for the down arrow)."""
    img = Image.new("RGB", (16, 16), (18, 96, 130))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 15, 15], outline=(190, 250, 255))
    d.polygon([(8, 3), (13, 9), (10, 9), (10, 12), (6, 12), (6, 9), (3, 9)], fill=(255, 255, 255))
    return enlarge(img, 4)


def scroll_bar():
    img = Image.new("RGB", (8, 32), (40, 170, 200))
    d = ImageDraw.Draw(img)
    for x in range(8):
        d.line([(x, 0), (x, 31)], fill=mix((120, 230, 250), (20, 110, 150), x / 7.0))
    d.rectangle([0, 0, 7, 31], outline=(190, 250, 255))
    return enlarge(img, 4)


def underline():
    """The load list's hover underline: a white bar with rounded (keyed) ends."""
    img = Image.new("RGB", (16, 2), (255, 255, 255))
    img.putpixel((0, 0), KEY_BLACK)
    img.putpixel((0, 1), KEY_BLACK)
    img.putpixel((15, 0), KEY_BLACK)
    img.putpixel((15, 1), KEY_BLACK)
    return enlarge(img, 4)


def health_bar():
    """Red at the left (little health) to green at the right (full), in a dark frame."""
    img = canvas(64, 8)
    d = Pen(img)
    d.rrect(0, 0, 63, 7, 2, NEAR_BLACK)
    for x in range(2, 62):
        t = (x - 2) / 59.0
        c = mix((230, 40, 40), (255, 220, 60), t * 2) if t < 0.5 else \
            mix((255, 220, 60), (70, 210, 70), (t - 0.5) * 2)
        d.rect(x, 2, x, 5, c)
        d.dot(x, 2, mix(c, WHITE, 0.5))
    return enlarge(img, 4)


def gravestone():
    img = canvas(24, 30)
    d = Pen(img)
    d.rrect(3, 2, 20, 27, 7, GREY)
    d.rect(3, 14, 20, 27, GREY)
    d.rect(6, 5, 8, 25, (190, 196, 210))
    d.rect(10, 8, 13, 9, (110, 114, 130))  # a little cross
    d.rect(11, 6, 12, 14, (110, 114, 130))
    d.rect(0, 26, 23, 29, (110, 180, 80))  # grass at its foot
    d.dot(2, 25, (110, 180, 80))
    d.dot(21, 25, (110, 180, 80))
    return outline(img)


def dead_picture():
    """Shown while the player dies: a gravestone and "You died!", on keyed black."""
    size = (512, 256)
    out = canvas(*size)
    stone = gravestone().resize((24 * 6, 30 * 8), Image.NEAREST)  # 4:3 pixel shape
    out.alpha_composite(stone, (40, 8))
    # light letters, so the title reads on the death card's dark board
    out.alpha_composite(text_layer(size, "You died!", 110, (255, 244, 200), (255, 176, 120), stroke=0.12,
                                   design_size=(683, 256), anchor=(440, 100)))
    out.alpha_composite(text_layer(size, "Thrask is out cold...", 44, WHITE, (220, 220, 240),
                                   stroke=0.14, design_size=(683, 256), anchor=(440, 190)))
    return out


def prompt_panel():
    """The save prompt's board: 140 x 30 units behind the prompt's line and
    the line under it, drawn in its on-screen shape (448 x 72 pixels in the
    default window) and stretched into 512 x 128; corners keyed."""
    import scenes  # the board is drawn as the load list's is
    design = (896, 144)
    img = canvas(*design)
    scenes.board(img, (14, 14, design[0] - 15, design[1] - 15), 22)
    return img.resize((512, 128), Image.LANCZOS)

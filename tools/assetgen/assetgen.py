#!/usr/bin/python3
"""Builds every picture Thrask opens into data/Textures, and the icons.

    /usr/bin/python3 tools/assetgen/assetgen.py [output directory [names]]

Without names it also draws the desktop icons into dist/icons (NxN.png for
each size); the window's own icon is icon.bmp among the pictures.

Needs Debian's python3-pil and fonts-comic-neue. The output is the same on
every run (all randomness is seeded), so regenerated files only change when
the drawing code changes.
"""

import os
import sys

from PIL import Image

sys.dont_write_bytecode = True  # keep the source folder clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import creatures  # noqa: E402
import grounds  # noqa: E402
import icons  # noqa: E402
import panels  # noqa: E402
import scenes  # noqa: E402
from gfx import KEY_BLACK, KEY_MAGENTA, enlarge, flatten  # noqa: E402


def save_png(img, path):
    img.save(path, "PNG", optimize=True)


def save_gif(rgb, path):
    """Palette picture without a transparent index, not interlaced.

    A picture of at most 256 colours keeps its exact colours (the colour key
    must survive); a richer one is reduced to 256 colours with dithering.
    """
    colours = rgb.getcolors(256)
    if colours is not None:
        pal_img = Image.new("P", rgb.size)
        palette = [c for _, c in colours]
        index = {c: i for i, c in enumerate(palette)}
        flat = []
        for c in palette:
            flat.extend(c)
        pal_img.putpalette(flat + [0] * (768 - len(flat)))
        pal_img.putdata([index[p] for p in rgb.getdata()])
    else:
        pal_img = rgb.quantize(256, method=Image.Quantize.MEDIANCUT,
                               dither=Image.Dither.FLOYDSTEINBERG)
    if "transparency" in pal_img.info:
        del pal_img.info["transparency"]
    pal_img.save(path, "GIF", interlace=False, optimize=False)


def save_bmp(rgb, path):
    rgb.convert("RGB").save(path, "BMP")


def save_bmp_alpha(rgba, path):
    """32-bit BMP with its alpha channel, as SDL loads a window icon."""
    rgba.convert("RGBA").save(path, "BMP")


# The size of the window's icon in pixels.
WINDOW_ICON = 64


def keyed(img, factor, key=KEY_BLACK):
    return flatten(enlarge(img, factor), key)


def pictures():
    """name -> function making the finished picture (RGB, or RGB saved as palette)."""
    p = {}
    # the title menu
    p["title.png"] = scenes.title
    # Game Story's entry stands 7 of its 50 units right of the others: its
    # label is drawn 5 units left, as far as its picture leaves room for
    for name, label, shift in (("NewGame.png", "New Game", 0.0), ("LoadGame.png", "Load Game", 0.0),
                               ("GameStory.png", "Game Story", -5.0 / 50.0),
                               ("quitgame.png", "Quit Game", 0.0),
                               ("ReturnGame.png", "Return Game", 0.0), ("SaveGame.png", "Save Game", 0.0)):
        p[name] = (lambda label=label, shift=shift: flatten(panels.menu_entry(label, shift), KEY_BLACK))
    p["dot.gif"] = panels.marker_dot
    # the signs hung beside the menu's own entries, one in each top corner
    p["Options.png"] = lambda: flatten(panels.hanging_sign("Options"), KEY_BLACK)
    p["BestScores.png"] = lambda: flatten(panels.hanging_sign("Best Scores", 64), KEY_BLACK)
    # the load list
    p["arrow.png"] = panels.arrow
    p["bar.png"] = panels.scroll_bar
    p["loadgame.png"] = lambda: flatten(panels.list_button("Load Game"), KEY_BLACK)
    p["returngame.png"] = lambda: flatten(panels.list_button("Return Game"), KEY_BLACK)
    p["white.bmp"] = panels.underline
    p["loadlist.png"] = scenes.load_list
    p["prompt.png"] = lambda: flatten(panels.prompt_panel(), KEY_BLACK)
    # the best-score list
    p["scores.png"] = scenes.best_scores
    p["watchgame.png"] = lambda: flatten(panels.list_button("Watch Game"), KEY_BLACK)
    # story and ending
    p["story.gif"] = scenes.story
    p["win.png"] = lambda: flatten(scenes.win(), KEY_BLACK)
    # play
    p["dead.png"] = lambda: flatten(panels.dead_picture(), KEY_BLACK)
    p["HealthBar.png"] = lambda: flatten(panels.health_bar(), KEY_BLACK)
    # drawn in its on-screen 4:3 shape and stretched into the square picture
    p["player.gif"] = lambda: flatten(creatures.player_sprite().resize((64, 64), Image.NEAREST),
                                      KEY_BLACK)
    p["pepper.png"] = lambda: keyed(creatures.pepper(), 4)
    p["Health.png"] = lambda: keyed(creatures.health(), 4)
    for i in range(5):
        p["Zombie%d.png" % (i + 1)] = (lambda i=i: keyed(creatures.zombie(i), 4, KEY_MAGENTA))
    for i in range(4):
        p["Ninja%d.png" % (i + 1)] = (lambda i=i: keyed(creatures.ninja(i), 4, KEY_MAGENTA))
    p["Pirate1.png"] = lambda: keyed(creatures.pirate(), 4)
    p["robot.png"] = lambda: keyed(creatures.robot(), 4)
    p["fire.png"] = lambda: keyed(creatures.fire(), 4)
    p["flame.png"] = lambda: keyed(creatures.flame(), 4)
    p["knife.png"] = lambda: keyed(creatures.knife(), 4)
    p["cabbage1.png"] = lambda: keyed(creatures.cabbage(0), 4)
    p["cabbage2.png"] = lambda: keyed(creatures.cabbage(1), 4)
    p["cabbage.png"] = lambda: keyed(creatures.cabbage(2), 4)
    for name in grounds.BACKGROUNDS:
        p[name] = (lambda name=name: flatten(scenes.background(name), KEY_BLACK))
    return p


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "..", "data", "Textures")
    only = set(sys.argv[2:])
    os.makedirs(out, exist_ok=True)
    for name, make in pictures().items():
        if only and name not in only:
            continue
        img = make().convert("RGB")
        path = os.path.join(out, name)
        if name.endswith(".gif"):
            save_gif(img, path)
        elif name.endswith(".bmp"):
            save_bmp(img, path)
        else:
            save_png(img, path)
        print("%-16s %4d x %-4d" % (name, img.width, img.height))
    drawn = icons.icons()
    if not only or "icon.bmp" in only:
        save_bmp_alpha(drawn[WINDOW_ICON], os.path.join(out, "icon.bmp"))
        print("%-16s %4d x %-4d" % ("icon.bmp", WINDOW_ICON, WINDOW_ICON))
    if not only:
        folder = os.path.join(HERE, "..", "..", "dist", "icons")
        os.makedirs(folder, exist_ok=True)
        for size, img in drawn.items():
            name = "%dx%d.png" % (size, size)
            save_png(img, os.path.join(folder, name))
            print("%-16s %4d x %-4d" % ("icons/" + name, size, size))


if __name__ == "__main__":
    main()

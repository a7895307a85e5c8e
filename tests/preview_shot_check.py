#!/usr/bin/env python3
"""Checks a screenshot of a preview page: terrain fills a good part of it,
and its colours are those of the page's colour map.

Usage: preview_shot_check.py SCREENSHOT.png PAGE.html [--map] [--chroma-within D]
  --map             the shot is the straight-down map (of any layer): no
                    background pixel may lie inside the terrain's outline (sky
                    through a seam); the colours are not checked
  --chroma-within D each of r/(r+g+b) and g/(r+g+b) of the terrain within D
                    of the colour map's (true colours), instead of the looser
                    check of a lit view
  --detail-of TGA   the shot is the map of the detail layer in flat light, of
                    a level without surroundings: at least 98 % of the terrain
                    (right of the panel) within 12/255 a channel of TGA, the
                    painter's detail map shrunk to the terrain on the screen
Prints one line of figures; exit status 1 with the reason when a check fails.
"""
import base64
import io
import re
import sys

from PIL import Image


def chroma(pixels):
    r = sum(p[0] for p in pixels) / len(pixels)
    g = sum(p[1] for p in pixels) / len(pixels)
    b = sum(p[2] for p in pixels) / len(pixels)
    total = r + g + b or 1.0
    return (r / total, g / total, b / total)


def background_inside(shot, sky):
    """Background pixels inside the bounding box of the terrain, right of the
    panel and away from the scale bar (bottom right)."""
    width, height = shot.size
    px = shot.load()

    def is_sky(x, y):
        return sum(abs(a - b) for a, b in zip(px[x, y], sky)) <= 12

    def free(x, y):
        return x >= 280 and not (x >= width - 120 and y >= height - 60)

    cells = [(x, y) for y in range(height) for x in range(width) if free(x, y)]
    ground = [(x, y) for x, y in cells if not is_sky(x, y)]
    if not ground:
        return None, 0
    x0 = min(x for x, _ in ground) + 1
    x1 = max(x for x, _ in ground) - 1
    y0 = min(y for _, y in ground) + 1
    y1 = max(y for _, y in ground) - 1
    holes = [(x, y) for x, y in cells if x0 <= x <= x1 and y0 <= y <= y1 and is_sky(x, y)]
    return (x0, y0, x1, y1), len(holes)


def detail_match(shot, sky, tga_path):
    """Share of the terrain's pixels within 12/255 a channel of the painter's
    detail map. The terrain is a square, north up; its left part may lie
    under the panel, so its place is found from the other three sides."""
    box, holes = background_inside(shot, sky)
    if box is None:
        return None
    x0, y0, x1, y1 = box[0] - 1, box[1] - 1, box[2] + 1, box[3] + 1
    side = y1 - y0 + 1
    left = x1 - side + 1
    painted = Image.open(tga_path).convert("RGB").resize((side, side), Image.BOX)
    px = shot.load()
    pp = painted.load()
    good = total = 0
    for y in range(y0 + 2, y1 - 1):
        for x in range(max(left + 2, 280), x1 - 1):
            total += 1
            a = px[x, y]
            b = pp[x - left, y - y0]
            if all(abs(c - d) <= 12 for c, d in zip(a, b)):
                good += 1
    return good / total if total else None


def main(shot_path, page_path, options=()):
    shot = Image.open(shot_path).convert("RGB")
    width, height = shot.size
    sky = shot.getpixel((width - 1, 0))
    # The controls' panel sits at the left; the rest is sky or ground.
    terrain = []
    for y in range(0, height, 2):
        for x in range(0, width, 2):
            if x < 280:
                continue
            p = shot.getpixel((x, y))
            if sum(abs(a - b) for a, b in zip(p, sky)) > 40:
                terrain.append(p)
    share = len(terrain) / (((width - 280) // 2) * (height // 2))
    page = open(page_path, encoding="utf-8").read()
    found = re.search(r'"colour":"data:image/jpeg;base64,([^"]+)"', page)
    if not found:
        print("FAIL: the page holds no colour map")
        return 1
    colour_map = Image.open(io.BytesIO(base64.b64decode(found.group(1)))).convert("RGB")
    colour_map = colour_map.resize((256, 256))
    expected = chroma(list(colour_map.getdata()))
    seen = chroma(terrain) if terrain else (0.0, 0.0, 0.0)
    distance = sum(abs(a - b) for a, b in zip(expected, seen))
    print("terrain share %.2f, colour map chroma %s, terrain chroma %s, distance %.3f" % (
        share, tuple(round(c, 3) for c in expected), tuple(round(c, 3) for c in seen), distance))
    if "--detail-of" in options:
        share = detail_match(shot, sky, options[options.index("--detail-of") + 1])
        print("terrain pixels within 12/255 of the painted detail map: %s" % (
            "none found" if share is None else "%.2f %%" % (share * 100)))
        if share is None or share < 0.98:
            print("FAIL: the live detail map is not the painter's")
            return 1
        return 0
    if "--map" in options:
        box, holes = background_inside(shot, sky)
        print("map outline %s, background pixels inside it %d" % (box, holes))
        if box is None or holes > 0:
            print("FAIL: the background shows inside the level's outline")
            return 1
        return 0
    if "--chroma-within" in options:
        limit = float(options[options.index("--chroma-within") + 1])
        worst = max(abs(expected[0] - seen[0]), abs(expected[1] - seen[1]))
        print("chroma off by %.4f at most" % worst)
        if worst > limit:
            print("FAIL: the terrain's chromaticity is not the colour map's")
            return 1
        return 0
    if share < 0.15:  # the primary alone, seen from a corner, fills about a quarter
        print("FAIL: the screenshot is mostly background")
        return 1
    if distance > 0.1:  # a grey, untextured terrain is about 0.2 away
        print("FAIL: the terrain's colours do not come from the colour map")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))

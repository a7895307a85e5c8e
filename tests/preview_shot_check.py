#!/usr/bin/env python3
"""Checks a screenshot of a preview page: terrain fills a good part of it,
and its colours are those of the page's colour map.

Usage: preview_shot_check.py SCREENSHOT.png PAGE.html
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


def main(shot_path, page_path):
    shot = Image.open(shot_path).convert("RGB")
    width, height = shot.size
    sky = shot.getpixel((width - 1, 0))
    # The controls' panel sits in the top left corner; the rest is sky or ground.
    terrain = []
    for y in range(0, height, 2):
        for x in range(0, width, 2):
            if x < 260 and y < 330:
                continue
            p = shot.getpixel((x, y))
            if sum(abs(a - b) for a, b in zip(p, sky)) > 40:
                terrain.append(p)
    share = len(terrain) / ((width // 2) * (height // 2))
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
    if share < 0.15:  # the primary alone, seen from a corner, fills about a quarter
        print("FAIL: the screenshot is mostly background")
        return 1
    if distance > 0.1:  # a grey, untextured terrain is about 0.2 away
        print("FAIL: the terrain's colours do not come from the colour map")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

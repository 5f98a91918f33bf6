#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the programs' icons: each .ico holds 16, 24, 32, 48, 64, 128 and 256
pixel images at 32 bits per pixel. Usage: make_icons.py OUT_DIR"""
import math
import sys
from pathlib import Path

from PIL import Image, ImageDraw, ImageFilter

SIZES = [16, 24, 32, 48, 64, 128, 256]


def mouse(size, accent, arrow):
    """A gaming mouse seen from above on a dark rounded tile, with an accent light."""
    scale = 4  # draw large, then reduce, for clean edges at every size
    n = size * scale
    img = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = n * 0.18
    d.rounded_rectangle([0, 0, n - 1, n - 1], radius=r, fill=(24, 26, 32, 255))
    # Body.
    bx0, by0, bx1, by1 = n * 0.27, n * 0.12, n * 0.73, n * 0.88
    d.rounded_rectangle([bx0, by0, bx1, by1], radius=(bx1 - bx0) / 2, fill=(52, 56, 66, 255),
                        outline=accent, width=max(scale, int(n * 0.025)))
    # Button split and wheel.
    cx = n / 2
    d.line([cx, by0 + n * 0.02, cx, n * 0.42], fill=(20, 22, 26, 255), width=max(scale, int(n * 0.02)))
    d.line([bx0 + n * 0.02, n * 0.42, bx1 - n * 0.02, n * 0.42], fill=(20, 22, 26, 255),
           width=max(scale, int(n * 0.02)))
    d.rounded_rectangle([cx - n * 0.035, n * 0.2, cx + n * 0.035, n * 0.34], radius=n * 0.03,
                        fill=accent)
    # Logo light.
    glow = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    g = ImageDraw.Draw(glow)
    g.ellipse([cx - n * 0.09, n * 0.6, cx + n * 0.09, n * 0.78], fill=accent)
    glow = glow.filter(ImageFilter.GaussianBlur(n * 0.03))
    img = Image.alpha_composite(img, glow)
    if arrow:
        # The launcher's mark: a play arrow in the corner.
        d = ImageDraw.Draw(img)
        ax, ay, s = n * 0.64, n * 0.62, n * 0.3
        d.ellipse([ax, ay, ax + s, ay + s], fill=(240, 240, 240, 255))
        p = [(ax + s * 0.38, ay + s * 0.27), (ax + s * 0.38, ay + s * 0.73), (ax + s * 0.75, ay + s * 0.5)]
        d.polygon(p, fill=(24, 26, 32, 255))
    return img.resize((size, size), Image.LANCZOS)


def write_ico(path, accent, arrow):
    images = [mouse(s, accent, arrow) for s in SIZES]
    images[-1].save(path, format="ICO", sizes=[(s, s) for s in SIZES],
                    append_images=images[:-1], bitmap_format="bmp")


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    red = (230, 40, 50, 255)
    blue = (40, 150, 240, 255)
    write_ico(out / "k47.ico", red, False)
    write_ico(out / "start.ico", red, True)
    write_ico(out / "start_alt.ico", blue, True)


if __name__ == "__main__":
    main()

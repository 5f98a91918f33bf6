#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the skin pictures described in layout.json.

Usage: generate_skins.py LAYOUT OUT_DIR BITMAP_DIR STAMP

Pictures of kind "png" and "thumb" and those whose file names start with
"skins/" go below OUT_DIR (the program's folder); the other bitmaps (the
faces compiled into the resources) go to BITMAP_DIR.
"""
import json
import os
import sys

from PIL import Image, ImageDraw, ImageFont

FONT_REGULAR = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"


def font(size, bold=False):
    path = FONT_BOLD if bold else FONT_REGULAR
    if os.path.exists(path):
        return ImageFont.truetype(path, size)
    return ImageFont.load_default()


def rgb(value):
    value = value.lstrip("#")
    return tuple(int(value[i:i + 2], 16) for i in (0, 2, 4))


def colour(theme, name):
    return rgb(theme.get(name, name))


def gradient(draw, rect, top, bottom):
    l, t, r, b = rect
    h = max(1, b - t)
    for y in range(t, b):
        k = (y - t) / (h - 1) if h > 1 else 0
        c = tuple(round(top[i] + (bottom[i] - top[i]) * k) for i in range(3))
        draw.line([(l, y), (r - 1, y)], fill=c)


def dialog_frame(draw, size, theme):
    w, h = size
    gradient(draw, (0, 0, w, h), rgb("#262a31"), rgb(theme["body"]))
    draw.rectangle([0, 0, w - 1, h - 1], outline=colour(theme, "edge"))
    draw.line([(1, 31), (w - 2, 31)], fill=colour(theme, "accent"))
    draw.line([(1, 32), (w - 2, 32)], fill=colour(theme, "accent_dark"))
    # Corner notches of the gaming look.
    for x in (1, w - 9):
        draw.line([(x, h - 2), (x + 7, h - 2)], fill=colour(theme, "accent"))


def page_frame(draw, size, theme):
    w, h = size
    gradient(draw, (0, 0, w, h), rgb("#23272d"), rgb(theme["body"]))
    draw.rectangle([0, 0, w - 1, h - 1], outline=colour(theme, "edge"))
    draw.line([(1, 38), (w - 2, 38)], fill=colour(theme, "accent"))
    for i in range(0, w, 16):
        draw.line([(i, h - 6), (i + 8, h - 6)], fill=rgb("#2d3239"))


def plate(draw, rect, theme):
    l, t, r, b = rect
    gradient(draw, rect, rgb("#e2e6e9"), colour(theme, "plate"))
    draw.rectangle([l, t, r - 1, b - 1], outline=colour(theme, "plate_edge"))


def button(draw, rect, look):
    l, t, r, b = rect
    gradient(draw, (l + 1, t + 1, r - 1, b - 1), rgb(look["top"]), rgb(look["bottom"]))
    draw.rectangle([l, t, r - 1, b - 1], outline=rgb(look["edge"]))
    # A slanted corner cut, lower right.
    draw.polygon([(r - 7, b - 1), (r - 1, b - 7), (r - 1, b - 1)], fill=rgb("#15171b"))


def tab(draw, points, look):
    ys = [p[1] for p in points]
    xs = [p[0] for p in points]
    mask = Image.new("L", (max(xs) + 1, max(ys) + 1), 0)
    ImageDraw.Draw(mask).polygon([tuple(p) for p in points], fill=255)
    fill = Image.new("RGB", mask.size)
    gradient(ImageDraw.Draw(fill), (0, min(ys), mask.size[0], max(ys)), rgb(look["top"]),
             rgb(look["bottom"]))
    draw._image.paste(fill, (0, 0), mask)
    draw.polygon([tuple(p) for p in points], outline=rgb(look["edge"]))


def close(draw, rect, look):
    l, t, r, b = rect
    if look["back"]:
        draw.rectangle([l, t + 1, r - 1, b - 1], fill=rgb(look["back"]))
    c = rgb(look["cross"])
    m = 9
    draw.line([(l + m, t + m), (r - m - 1, b - m - 1)], fill=c, width=2)
    draw.line([(l + m, b - m - 1), (r - m - 1, t + m)], fill=c, width=2)


def warning(draw, rect):
    l, t, r, b = rect
    cx = (l + r) // 2
    draw.polygon([(cx, t), (r, b), (l, b)], fill=rgb("#f0b020"), outline=rgb("#8a5a00"))
    f = font(28, True)
    draw.text((cx, (t + b) // 2 + 6), "!", fill=rgb("#1b1e23"), font=f, anchor="mm")


def track(draw, rect, filled):
    l, t, r, b = rect
    draw.rectangle([l, t, r - 1, b - 1], fill=rgb("#0d0f12"), outline=rgb("#3a4049"))
    if filled:
        gradient(draw, (l + 1, t + 1, r - 1, b - 1), rgb("#ff6a3a"), rgb("#c8281e"))


def field(draw, rect):
    l, t, r, b = rect
    draw.rectangle([l, t, r - 1, b - 1], fill=rgb("#e6eaed"), outline=rgb("#8c959e"))


def text(draw, element, theme):
    f = font(element.get("size", 12), element.get("bold", False))
    draw.text(tuple(element["at"]), element["text"], fill=colour(theme, element["colour"]),
              font=f, anchor=element.get("anchor", "la"))


def minimise(draw, rect, look):
    l, t, r, b = rect
    if look["back"]:
        draw.rectangle([l, t + 1, r - 1, b - 1], fill=rgb(look["back"]))
    y = b - 11
    draw.line([(l + 10, y), (r - 11, y)], fill=rgb(look["cross"]), width=2)


def outline(draw, rect, theme):
    l, t, r, b = rect
    draw.rectangle([l, t, r - 1, b - 1], fill=rgb("#15181c"), outline=colour(theme, "edge"))


def draw_picture(picture, state, theme):
    size = tuple(picture["size"])
    image = Image.new("RGB", size, rgb(theme["body"]))
    draw = ImageDraw.Draw(image)
    for element in picture.get("elements", []):
        kind = element["type"]
        look = theme["styles"][element["style"]][state] if "style" in element else None
        if kind == "dialog_frame":
            dialog_frame(draw, size, theme)
        elif kind == "page_frame":
            page_frame(draw, size, theme)
        elif kind == "plate":
            plate(draw, element["rect"], theme)
        elif kind == "button":
            button(draw, element["rect"], look)
        elif kind == "tab":
            tab(draw, element["points"], look)
        elif kind == "close":
            close(draw, element["rect"], look)
        elif kind == "warning":
            warning(draw, element["rect"])
        elif kind == "track":
            track(draw, element["rect"], state == element.get("fill_state"))
        elif kind == "field":
            field(draw, element["rect"])
        elif kind == "text":
            text(draw, element, theme)
        elif kind == "minimise":
            minimise(draw, element["rect"], look)
        elif kind == "outline":
            outline(draw, element["rect"], theme)
        else:
            raise SystemExit("unknown element type: " + kind)
    return image


def draw_thumb(picture):
    # Fully transparent around the figure and fully opaque inside it, with no
    # pure black: drawn on black, the corner colour marks what is cut away.
    w, h = picture["size"]
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    body = [(1, 0), (w - 2, 0), (w - 1, 1), (w - 1, h - 5), (w // 2, h - 1), (w // 2 - 1, h - 1),
            (0, h - 5), (0, 1)]
    draw.polygon(body, fill=(200, 40, 30, 255))
    draw.line([(2, 1), (w - 3, 1)], fill=(255, 140, 120, 255))
    draw.line([(w // 2 - 1, 3), (w // 2 - 1, h - 5)], fill=(240, 240, 240, 255))
    return image


def main(argv):
    if len(argv) != 5:
        raise SystemExit(__doc__)
    layout_path, out_dir, bitmap_dir, stamp = argv[1:]
    with open(layout_path, encoding="utf-8") as f:
        layout = json.load(f)
    theme = layout["theme"]
    written = []
    for picture in layout["pictures"]:
        for state, names in picture["states"].items():
            if picture["kind"] == "thumb":
                image = draw_thumb(picture)
            else:
                image = draw_picture(picture, state, theme)
            assert image.size == tuple(picture["size"]), picture["name"]
            # One state may be saved under several names (a skins file and a
            # resource face of the same picture).
            for name in names if isinstance(names, list) else [names]:
                base = out_dir if (picture["kind"] != "bitmap" or name.startswith("skins/")) \
                    else bitmap_dir
                path = os.path.join(base, *name.split("/"))
                os.makedirs(os.path.dirname(path), exist_ok=True)
                if name.endswith(".bmp"):
                    image.convert("RGB").save(path, "BMP")
                else:
                    image.save(path, "PNG")
                written.append(path)
    with open(stamp, "w", encoding="utf-8") as f:
        f.write("\n".join(written) + "\n")


if __name__ == "__main__":
    main(sys.argv)

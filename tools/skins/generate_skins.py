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


def field_dark(draw, rect):
    l, t, r, b = rect
    draw.rectangle([l, t, r - 1, b - 1], fill=rgb("#0f0f0f"), outline=rgb("#3a4049"))


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
        elif kind == "field_dark":
            field_dark(draw, element["rect"])
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


def shade(c, k):
    return tuple(max(0, min(255, round(v * k))) for v in c)


def arrow(draw, box, direction, fill):
    """A small solid triangle in box (l, t, r, b) pointing up, down, left or right."""
    l, t, r, b = box
    cx, cy = (l + r - 1) / 2, (t + b - 1) / 2
    s = (r - l) / 4
    points = {
        "up": [(cx - s - 1, cy + s / 2 + 1), (cx + s + 1, cy + s / 2 + 1), (cx, cy - s)],
        "down": [(cx - s - 1, cy - s / 2), (cx + s + 1, cy - s / 2), (cx, cy + s + 1)],
        "left": [(cx + s / 2 + 1, cy - s - 1), (cx + s / 2 + 1, cy + s + 1), (cx - s, cy)],
        "right": [(cx - s / 2, cy - s - 1), (cx - s / 2, cy + s + 1), (cx + s + 1, cy)],
    }[direction]
    draw.polygon(points, fill=fill)


SCROLL_LOOKS = [
    # normal, hover, pressed: cell face, edge, arrow, thumb top, thumb bottom, thumb edge
    {"face": "#23272d", "edge": "#3a4049", "mark": "#aab2bb",
     "thumb": ("#4a525c", "#353b44"), "thumb_edge": "#5c6570"},
    {"face": "#2d3239", "edge": "#e0463a", "mark": "#ff8a7a",
     "thumb": ("#e0463a", "#b0241a"), "thumb_edge": "#ff8a7a"},
    {"face": "#15171b", "edge": "#d8941e", "mark": "#f4c45a",
     "thumb": ("#f4c45a", "#d8941e"), "thumb_edge": "#fff0b0"},
]


def draw_scrollbar(picture):
    """Cells of c x c: columns 0-3 vertical (up, down, thumb, track), 4-7 the same
    horizontal, 8 the corner; rows normal, hover, pressed."""
    w, h = picture["size"]
    c = w // 9
    image = Image.new("RGB", (w, h), rgb("#15171b"))
    draw = ImageDraw.Draw(image)
    for row, look in enumerate(SCROLL_LOOKS):
        y = row * c
        for group, (towards_min, towards_max) in enumerate((("up", "down"), ("left", "right"))):
            x0 = group * 4 * c
            vertical = group == 0
            for i, direction in enumerate((towards_min, towards_max)):
                x = x0 + i * c
                draw.rectangle([x, y, x + c - 1, y + c - 1], fill=rgb(look["face"]),
                               outline=rgb(look["edge"]))
                arrow(draw, (x, y, x + c, y + c), direction, rgb(look["mark"]))
            # Thumb: uniform along the axis so its middle tiles; caps at both ends.
            x = x0 + 2 * c
            top, bottom = (rgb(v) for v in look["thumb"])
            for k in range(c):
                t = k / (c - 1)
                col = tuple(round(top[j] + (bottom[j] - top[j]) * t) for j in range(3))
                if vertical:
                    draw.line([(x + k, y), (x + k, y + c - 1)], fill=col)
                else:
                    draw.line([(x, y + k), (x + c - 1, y + k)], fill=col)
            edge = rgb(look["thumb_edge"])
            if vertical:
                draw.line([(x + 2, y), (x + 2, y + c - 1)], fill=edge)
                draw.line([(x + c - 3, y), (x + c - 3, y + c - 1)], fill=shade(edge, 0.6))
                for k in (0, 1):
                    draw.line([(x, y + k), (x + c - 1, y + k)], fill=rgb("#0d0f12"))
                    draw.line([(x, y + c - 1 - k), (x + c - 1, y + c - 1 - k)], fill=rgb("#0d0f12"))
                draw.line([(x + 2, y + 2), (x + c - 3, y + 2)], fill=edge)
                draw.line([(x + 2, y + c - 3), (x + c - 3, y + c - 3)], fill=shade(edge, 0.6))
                draw.line([(x, y), (x + 1, y + c - 1)], fill=rgb("#0d0f12"))
                draw.rectangle([x, y, x + 1, y + c - 1], fill=rgb("#0d0f12"))
                draw.rectangle([x + c - 2, y, x + c - 1, y + c - 1], fill=rgb("#0d0f12"))
            else:
                draw.line([(x, y + 2), (x + c - 1, y + 2)], fill=edge)
                draw.line([(x, y + c - 3), (x + c - 1, y + c - 3)], fill=shade(edge, 0.6))
                for k in (0, 1):
                    draw.line([(x + k, y), (x + k, y + c - 1)], fill=rgb("#0d0f12"))
                    draw.line([(x + c - 1 - k, y), (x + c - 1 - k, y + c - 1)], fill=rgb("#0d0f12"))
                draw.line([(x + 2, y + 2), (x + 2, y + c - 3)], fill=edge)
                draw.line([(x + c - 3, y + 2), (x + c - 3, y + c - 3)], fill=shade(edge, 0.6))
                draw.rectangle([x, y, x + c - 1, y + 1], fill=rgb("#0d0f12"))
                draw.rectangle([x, y + c - 2, x + c - 1, y + c - 1], fill=rgb("#0d0f12"))
            # Track: a dark groove with a faint centre line along the axis.
            x = x0 + 3 * c
            draw.rectangle([x, y, x + c - 1, y + c - 1], fill=rgb("#0d0f12"))
            if vertical:
                draw.line([(x + c // 2, y), (x + c // 2, y + c - 1)], fill=rgb("#1f2329"))
            else:
                draw.line([(x, y + c // 2), (x + c - 1, y + c // 2)], fill=rgb("#1f2329"))
        # Corner pieces: row 0 right, row 1 left.
        x = 8 * c
        draw.rectangle([x, y, x + c - 1, y + c - 1], fill=rgb("#15171b"))
        if row == 0:
            draw.line([(x + c - 1, y + 4), (x + 4, y + c - 1)], fill=rgb("#3a4049"))
        elif row == 1:
            draw.line([(x, y + 4), (x + c - 5, y + c - 1)], fill=rgb("#3a4049"))
    return image


MARKER_LOOKS = {"normal": ("#8c959e", "#4c545e"), "select": ("#f4c45a", "#c8281e")}


def draw_marker(picture, state):
    w, h = picture["size"]
    fill, accent = (rgb(v) + (255,) for v in MARKER_LOOKS[state])
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    shape = picture["shape"]
    if shape == "up":
        draw.polygon([(w / 2 - 0.5, 1), (w - 2, h - 4), (1, h - 4)], fill=fill)
        draw.line([(3, h - 2), (w - 4, h - 2)], fill=accent, width=2)
    elif shape == "down":
        draw.polygon([(1, 3), (w - 2, 3), (w / 2 - 0.5, h - 2)], fill=fill)
        draw.line([(3, 1), (w - 4, 1)], fill=accent, width=2)
    else:
        draw.ellipse([1, 1, w - 2, h - 2], outline=fill, width=2)
        draw.line([(w / 2 - 0.5, 4), (w / 2 - 0.5, h / 2)], fill=accent, width=2)
        draw.line([(w / 2 - 0.5, h / 2), (w - 5, h / 2)], fill=fill, width=2)
    return image


def draw_menu_back(picture):
    """A light steel plate (the menu's texts are near black) in a dark frame with
    a red accent, on rounded, fully transparent corners."""
    w, h = picture["size"]
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=7, fill=255)
    body = Image.new("RGBA", (w, h))
    bd = ImageDraw.Draw(body)
    gradient(bd, (0, 0, w, h), rgb("#eef1f3"), rgb("#c9d0d7"))
    bd.rounded_rectangle([0, 0, w - 1, h - 1], radius=7, outline=rgb("#23272d"), width=2)
    bd.line([(7, 2), (w - 8, 2)], fill=rgb("#c8281e"))
    bd.line([(7, h - 3), (w - 8, h - 3)], fill=rgb("#c8281e"))
    image.paste(body, (0, 0), mask)
    return image


FLAGS = {
    "chinese": [("fill", "#de2910"), ("star", "#ffde00")],
    "english": [("fill", "#012169"), ("cross", "#ffffff", 3), ("cross", "#c8102e", 1)],
    "french": [("vstripes", ["#0055a4", "#ffffff", "#ef4135"])],
    "german": [("hstripes", ["#000000", "#dd0000", "#ffce00"])],
    "korean": [("fill", "#ffffff"), ("disc", "#cd2e3a", "#0047a0")],
    "italian": [("vstripes", ["#009246", "#ffffff", "#ce2b37"])],
    "spanish": [("hstripes", ["#aa151b", "#f1bf00", "#f1bf00", "#aa151b"])],
    "dutch": [("hstripes", ["#ae1c28", "#ffffff", "#21468b"])],
    "portuguese": [("split", "#006600", "#ff0000", 7)],
    "russian": [("hstripes", ["#ffffff", "#0039a6", "#d52b1e"])],
    "ukrainian": [("hstripes", ["#0057b7", "#ffd700"])],
    "trad_chinese": [("fill", "#fe0000"), ("canton", "#000095", "#ffffff")],
}


def draw_flag(picture):
    w, h = picture["size"]
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    for part in FLAGS[picture["flag"]]:
        kind = part[0]
        if kind == "fill":
            draw.rectangle([0, 0, w - 1, h - 1], fill=rgb(part[1]))
        elif kind == "hstripes":
            n = len(part[1])
            for i, c in enumerate(part[1]):
                draw.rectangle([0, round(i * h / n), w - 1, round((i + 1) * h / n) - 1], fill=rgb(c))
        elif kind == "vstripes":
            n = len(part[1])
            for i, c in enumerate(part[1]):
                draw.rectangle([round(i * w / n), 0, round((i + 1) * w / n) - 1, h - 1], fill=rgb(c))
        elif kind == "split":
            draw.rectangle([0, 0, w - 1, h - 1], fill=rgb(part[2]))
            draw.rectangle([0, 0, part[3] - 1, h - 1], fill=rgb(part[1]))
        elif kind == "cross":
            t = part[2]
            draw.line([(0, 0), (w - 1, h - 1)], fill=rgb(part[1]), width=t)
            draw.line([(0, h - 1), (w - 1, 0)], fill=rgb(part[1]), width=t)
            draw.rectangle([w // 2 - t // 2 - 1, 0, w // 2 + t // 2 + 1, h - 1], fill=rgb(part[1]))
            draw.rectangle([0, h // 2 - t // 2 - 1, w - 1, h // 2 + t // 2 + 1], fill=rgb(part[1]))
        elif kind == "star":
            draw.polygon([(4, 1), (5, 3), (7, 3), (5.5, 4.5), (6, 7), (4, 5.5), (2, 7), (2.5, 4.5),
                          (1, 3), (3, 3)], fill=rgb(part[1]))
        elif kind == "disc":
            cx, cy = w // 2, h // 2
            draw.pieslice([cx - 3, cy - 3, cx + 3, cy + 3], 180, 360, fill=rgb(part[1]))
            draw.pieslice([cx - 3, cy - 3, cx + 3, cy + 3], 0, 180, fill=rgb(part[2]))
            for x in (2, w - 4):
                for y in (2, h - 4):
                    draw.rectangle([x, y, x + 1, y + 1], fill=rgb("#000000"))
        elif kind == "canton":
            draw.rectangle([0, 0, w // 2 - 1, h // 2], fill=rgb(part[1]))
            draw.ellipse([w // 4 - 2, h // 4 - 2, w // 4 + 2, h // 4 + 2], fill=rgb(part[2]))
    # A dark rim with the corner pixels cut away.
    draw.rectangle([0, 0, w - 1, h - 1], outline=(27, 30, 35, 255))
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        image.putpixel((x, y), (0, 0, 0, 0))
    return image


def draw_icon(picture, size):
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    k = size / 16
    if picture["symbol"] == "power":
        draw.ellipse([1 * k, 1 * k, 15 * k - 1, 15 * k - 1], fill=(27, 30, 35, 255),
                     outline=(200, 40, 30, 255), width=max(1, round(k)))
        draw.arc([4 * k, 4 * k, 12 * k - 1, 12 * k - 1], 300, 240, fill=(240, 240, 240, 255),
                 width=max(1, round(1.5 * k)))
        draw.line([(8 * k - 0.5, 3 * k), (8 * k - 0.5, 8 * k)], fill=(240, 240, 240, 255),
                  width=max(1, round(1.5 * k)))
    else:
        # A mouse with a lit wheel.
        draw.rounded_rectangle([3 * k, 1 * k, 13 * k - 1, 15 * k - 1], radius=4 * k,
                               fill=(53, 59, 68, 255), outline=(20, 22, 26, 255))
        draw.line([(3 * k, 6 * k), (13 * k - 1, 6 * k)], fill=(20, 22, 26, 255))
        draw.line([(8 * k - 0.5, 1 * k), (8 * k - 0.5, 6 * k)], fill=(20, 22, 26, 255))
        draw.rectangle([7 * k, 2 * k, 9 * k - 1, 5 * k], fill=(224, 70, 58, 255))
    return image


def save_icon(path, images):
    """An icon file with 32-bit DIB entries (no PNG entries, which older
    systems cannot read)."""
    import struct
    entries, blobs = [], []
    for image in images:
        w, h = image.size
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = image.getpixel((x, y))
                pixels += bytes((b, g, r, a))
        stride = ((w + 31) // 32) * 4
        mask = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                if image.getpixel((x, y))[3] == 0:
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        blobs.append(header + bytes(pixels) + bytes(mask))
        entries.append((w, h))
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    for (w, h), blob in zip(entries, blobs):
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


ROW_LOOKS = {
    "normal": {"top": "#1d2126", "bottom": "#15181c", "edge": "#262b31", "bar": None},
    "over": {"top": "#3a1512", "bottom": "#221010", "edge": "#c8281e", "bar": "#e0463a"},
    "down": {"top": "#0b0d10", "bottom": "#111418", "edge": "#158cb9", "bar": "#158cb9"},
}


def draw_menu_row(picture, state):
    w, h = picture["size"]
    look = ROW_LOOKS[state]
    image = Image.new("RGB", (w, h))
    draw = ImageDraw.Draw(image)
    gradient(draw, (0, 0, w, h), rgb(look["top"]), rgb(look["bottom"]))
    draw.line([(0, h - 1), (w - 1, h - 1)], fill=rgb(look["edge"]))
    if look["bar"]:
        draw.rectangle([0, 2, 2, h - 3], fill=rgb(look["bar"]))
    if picture.get("sub"):
        arrow(draw, (w - 16, h // 2 - 6, w - 4, h // 2 + 6), "right",
              rgb(look["bar"] or "#8c959e"))
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
            kind = picture["kind"]
            if kind == "thumb":
                image = draw_thumb(picture)
            elif kind == "scrollbar":
                image = draw_scrollbar(picture)
            elif kind == "marker":
                image = draw_marker(picture, state)
            elif kind == "menu_back":
                image = draw_menu_back(picture)
            elif kind == "flag":
                image = draw_flag(picture)
            elif kind == "icon":
                image = draw_icon(picture, 16)
            elif kind == "menu_row":
                image = draw_menu_row(picture, state)
            else:
                image = draw_picture(picture, state, theme)
            assert image.size == tuple(picture["size"]), picture["name"]
            # One state may be saved under several names (a skins file and a
            # resource face of the same picture).
            for name in names if isinstance(names, list) else [names]:
                # Files of the program's folder start with "skins/"; the rest are
                # compiled into the resources.
                base = out_dir if name.startswith("skins/") else bitmap_dir
                path = os.path.join(base, *name.split("/"))
                os.makedirs(os.path.dirname(path), exist_ok=True)
                if name.lower().endswith(".bmp") and picture.get("bits") == 8:
                    image.convert("RGB").convert("P", palette=Image.ADAPTIVE, colors=256).save(
                        path, "BMP")
                elif name.lower().endswith(".bmp"):
                    image.convert("RGB").save(path, "BMP")
                elif name.endswith(".ico"):
                    save_icon(path, [image, draw_icon(picture, 32)])
                else:
                    image.save(path, "PNG")
                written.append(path)
    with open(stamp, "w", encoding="utf-8") as f:
        f.write("\n".join(written) + "\n")


if __name__ == "__main__":
    main(sys.argv)

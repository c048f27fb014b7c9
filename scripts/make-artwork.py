#!/usr/bin/python3
"""Draws Dextrel's images into resources/images/.

Run with Debian's Python and python3-pil:  /usr/bin/python3 scripts/make-artwork.py
The build does not run this script; it embeds the committed PNG files. Everything is drawn
at four times the final size and scaled down, which gives smooth edges.

Button images sit on the panel colour so that they look right whether or not the code that
draws them honours transparency; menu images and window icons keep a transparent background.
"""

import math
import os
import sys

from PIL import Image, ImageDraw, ImageEnhance, ImageFilter, ImageFont

SS = 4  # supersampling factor
PANEL = (236, 233, 216)
FONT_DIR = "/usr/share/fonts/truetype/dejavu"
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "images")
# The program's icon for the desktop's icon theme, installed into share/icons/hicolor.
ICON_THEME_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources",
                              "icons", "hicolor")
THEME_ICON_SIZES = [16, 22, 24, 32, 48, 64, 128, 256]


def font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


# ---------------------------------------------------------------- drawing helpers


class Pen:
    """Draws in a 100 x 100 unit square mapped onto a box of a supersampled image."""

    def __init__(self, image, box):
        self.image = image
        self.draw = ImageDraw.Draw(image)
        self.x0, self.y0, x1, y1 = box
        self.unit = (x1 - self.x0) / 100.0

    def p(self, x, y):
        return (self.x0 + x * self.unit, self.y0 + y * self.unit)

    def pts(self, points):
        return [self.p(x, y) for x, y in points]

    def w(self, units):
        # never thinner than one final pixel, so small images keep their outlines
        return max(int(round(units * self.unit)), SS)

    def poly(self, points, fill, outline=None, width=3):
        self.draw.polygon(self.pts(points), fill=fill)
        if outline is not None:
            pts = self.pts(points)
            self.draw.line(pts + [pts[0]], fill=outline, width=self.w(width), joint="curve")

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=3, radius=0):
        a, b = self.p(x0, y0), self.p(x1, y1)
        if radius > 0:
            self.draw.rounded_rectangle([a, b], radius=radius * self.unit, fill=fill,
                                        outline=outline, width=self.w(width) if outline else 0)
        else:
            self.draw.rectangle([a, b], fill=fill, outline=outline,
                                width=self.w(width) if outline else 0)

    def circle(self, cx, cy, r, fill, outline=None, width=3):
        a, b = self.p(cx - r, cy - r), self.p(cx + r, cy + r)
        self.draw.ellipse([a, b], fill=fill, outline=outline,
                          width=self.w(width) if outline else 0)

    def line(self, points, fill, width=3):
        self.draw.line(self.pts(points), fill=fill, width=self.w(width), joint="curve")
        r = self.w(width) / 2.0
        for x, y in (self.p(*points[0]), self.p(*points[-1])):
            self.draw.ellipse([x - r + 0.5, y - r + 0.5, x + r - 0.5, y + r - 0.5], fill=fill)

    def text(self, x, y, string, face, size_units, fill, anchor="mm"):
        f = font(face, max(int(size_units * self.unit), 4))
        self.draw.text(self.p(x, y), string, font=f, fill=fill, anchor=anchor)


def vertical_gradient(size, top, bottom):
    w, h = size
    grad = Image.new("RGBA", (1, h))
    for y in range(h):
        t = y / max(h - 1, 1)
        grad.putpixel((0, y), tuple(int(top[i] + (bottom[i] - top[i]) * t) for i in range(3))
                      + (255,))
    return grad.resize((w, h))


def rounded_mask(size, box, radius):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle(box, radius=radius, fill=255)
    return mask


def curve(fn, x0, x1, steps=60):
    return [(x0 + (x1 - x0) * i / steps, fn(i / steps)) for i in range(steps + 1)]


def shade(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour[:3]) + tuple(colour[3:])


# ---------------------------------------------------------------- glyphs (100 x 100 units)

OUTLINE = (45, 50, 65)


def glyph_open(pen):
    brown = (130, 85, 20)
    pen.poly([(6, 18), (36, 18), (44, 27), (90, 27), (90, 80), (6, 80)], (205, 150, 40), brown)
    pen.rect(18, 32, 80, 66, (255, 255, 255), (150, 150, 150), 2)
    for y in (41, 49, 57):
        pen.line([(26, y), (72, y)], (170, 180, 200), 2)
    pen.poly([(20, 44), (98, 44), (86, 86), (4, 86)], (250, 205, 80), brown)
    pen.line([(24, 50), (90, 50)], (255, 232, 160), 3)


def glyph_save(pen):
    blue, dark = (45, 90, 170), (20, 40, 90)
    pen.poly([(10, 8), (78, 8), (90, 20), (90, 92), (10, 92)], blue, dark, 4)
    pen.rect(28, 8, 70, 36, (205, 210, 222), dark, 2)
    pen.rect(56, 13, 64, 31, blue)
    pen.rect(20, 50, 80, 92, (250, 250, 250), dark, 2)
    for y in (62, 71, 80):
        pen.line([(28, y), (72, y)], (150, 160, 185), 2)


def glyph_print(pen):
    dark = (60, 60, 70)
    pen.rect(26, 6, 74, 40, (255, 255, 255), (140, 140, 150), 2)
    for y in (16, 24, 32):
        pen.line([(33, y), (67, y)], (120, 140, 190), 2)
    pen.rect(6, 36, 94, 76, (160, 165, 178), dark, 3, radius=8)
    pen.rect(8, 38, 92, 48, (200, 205, 215))
    pen.rect(20, 62, 80, 68, (50, 50, 55))
    pen.circle(82, 54, 4, (60, 200, 80), (30, 100, 40), 1)
    pen.rect(24, 66, 76, 94, (255, 255, 255), (140, 140, 150), 2)
    for y in (76, 84):
        pen.line([(31, y), (69, y)], (120, 140, 190), 2)


def glyph_capture(pen):
    body = (70, 75, 88)
    pen.poly([(30, 28), (37, 15), (63, 15), (70, 28)], body, (20, 20, 25), 3)
    pen.rect(6, 26, 94, 84, body, (20, 20, 25), 3, radius=10)
    pen.rect(10, 30, 90, 38, (100, 106, 120))
    pen.circle(50, 56, 23, (35, 35, 40), (190, 190, 200), 4)
    pen.circle(50, 56, 14, (50, 100, 185), (20, 40, 80), 2)
    pen.circle(45, 51, 4, (235, 240, 255))
    pen.rect(74, 32, 87, 40, (255, 240, 170), (120, 110, 60), 1)
    pen.circle(16, 33, 3, (230, 60, 50))


def draw_axes(pen):
    ink = (50, 55, 70)
    pen.rect(12, 8, 94, 86, (255, 255, 255, 190))
    for y in (27, 47, 67):
        pen.line([(16, y), (92, y)], (205, 210, 222), 1)
    pen.line([(12, 6), (12, 88), (96, 88)], ink, 4)
    pen.poly([(12, 0), (6, 10), (18, 10)], ink)
    pen.poly([(100, 88), (90, 82), (90, 94)], ink)


def glyph_flowgraph(pen):
    draw_axes(pen)
    pts = curve(lambda t: 52 - 26 * math.sin(t * 2.2 * math.pi) * (1 - 0.35 * t), 14, 92)
    pen.line(pts, (25, 85, 200), 7)


def glyph_volumegraph(pen):
    draw_axes(pen)
    pts = curve(lambda t: 84 - 66 * (t - math.sin(2 * math.pi * t) / (2 * math.pi)), 14, 92)
    pen.poly(pts + [(92, 86), (14, 86)], (140, 205, 145, 200))
    pen.line(pts, (25, 130, 55), 7)


def glyph_pressuregraph(pen):
    draw_axes(pen)
    pts = curve(lambda t: 72 - 10 * math.sin(t * 5 * math.pi) - 8 * t, 14, 92)
    pen.line(pts, (205, 40, 40), 6)
    pen.circle(62, 36, 26, (255, 255, 255), (50, 55, 70), 4)
    for k in range(7):
        a = math.radians(210 - k * 40)
        pen.line([(62 + 18 * math.cos(a), 36 - 18 * math.sin(a)),
                  (62 + 22 * math.cos(a), 36 - 22 * math.sin(a))], (50, 55, 70), 2)
    a = math.radians(40)
    pen.line([(62, 36), (62 + 18 * math.cos(a), 36 - 18 * math.sin(a))], (205, 30, 30), 4)
    pen.circle(62, 36, 4, (50, 55, 70))


def magnifier(pen):
    pen.line([(62, 62), (90, 90)], (90, 60, 30), 15)
    pen.line([(62, 62), (90, 90)], (150, 100, 50), 8)
    pen.circle(40, 40, 30, (215, 235, 255), (45, 55, 80), 8)
    pen.circle(31, 29, 7, (255, 255, 255))


def glyph_zoomin(pen):
    magnifier(pen)
    pen.line([(26, 40), (54, 40)], (20, 120, 40), 8)
    pen.line([(40, 26), (40, 54)], (20, 120, 40), 8)


def glyph_zoomout(pen):
    magnifier(pen)
    pen.line([(26, 40), (54, 40)], (190, 40, 30), 8)


def glyph_measure(pen):
    ink = (40, 45, 60)
    pen.circle(50, 50, 32, None, (210, 40, 40), 6)
    pen.line([(4, 50), (38, 50)], ink, 5)
    pen.line([(62, 50), (96, 50)], ink, 5)
    pen.line([(50, 4), (50, 38)], ink, 5)
    pen.line([(50, 62), (50, 96)], ink, 5)
    pen.circle(50, 50, 5, (210, 40, 40))


def glyph_grid(pen):
    pen.rect(8, 8, 92, 92, (255, 255, 255), OUTLINE, 5)
    for v in (29, 50, 71):
        pen.line([(v, 10), (v, 90)], (90, 120, 190), 3)
        pen.line([(10, v), (90, v)], (90, 120, 190), 3)


def glyph_samples(pen):
    pts = [(8, 78), (26, 44), (44, 62), (62, 26), (80, 50), (94, 34)]
    pen.line(pts, (40, 90, 190), 4)
    for x, y in pts:
        pen.circle(x, y, 8, (250, 150, 30), (120, 60, 10), 3)


def glyph_filter(pen):
    dark = (25, 60, 110)
    pen.poly([(6, 12), (94, 12), (58, 52), (58, 84), (42, 94), (42, 52)], (70, 135, 210), dark, 4)
    pen.poly([(6, 12), (94, 12), (84, 22), (16, 22)], (150, 195, 245))
    pen.line([(6, 12), (94, 12)], dark, 4)


def glyph_live(pen):
    pen.circle(50, 50, 38, (215, 30, 30), (130, 10, 10), 4)
    pen.circle(50, 50, 30, (235, 55, 50))
    pen.circle(38, 36, 11, (255, 170, 160))
    pen.circle(36, 34, 5, (255, 235, 230))


def glyph_stop(pen):
    pen.rect(16, 16, 84, 84, (45, 55, 80), (15, 20, 35), 4, radius=8)
    pen.rect(22, 22, 78, 46, (85, 100, 135), radius=6)


def glyph_settings(pen):
    teeth, outer, inner = 9, 44, 33
    pts = []
    for k in range(teeth * 4):
        a = 2 * math.pi * k / (teeth * 4) + 0.15
        r = outer if (k % 4) in (1, 2) else inner
        pts.append((50 + r * math.cos(a), 50 + r * math.sin(a)))
    pen.poly(pts, (125, 135, 155), (40, 45, 60), 3)
    pen.circle(50, 50, 24, (160, 170, 188))
    pen.circle(50, 50, 12, (0, 0, 0, 0), (40, 45, 60), 3)


def glyph_clear(pen):
    dark = (40, 45, 60)
    pen.poly([(20, 26), (80, 26), (73, 94), (27, 94)], (120, 135, 160), dark, 3)
    for x0, x1 in ((36, 38), (50, 50), (64, 62)):
        pen.line([(x0, 36), (x1, 86)], (70, 80, 105), 4)
    pen.rect(12, 14, 88, 26, (150, 165, 190), dark, 3, radius=3)
    pen.rect(38, 5, 62, 14, None, dark, 3, radius=3)
    pen.line([(28, 40), (72, 80)], (205, 35, 35), 7)
    pen.line([(72, 40), (28, 80)], (205, 35, 35), 7)


def glyph_download(pen):
    pen.rect(6, 42, 94, 84, (60, 65, 78), (20, 20, 25), 3, radius=4)
    pen.rect(12, 48, 88, 78, (120, 180, 235))
    pen.rect(42, 84, 58, 91, (90, 95, 105))
    pen.rect(28, 90, 72, 96, (90, 95, 105), (20, 20, 25), 2, radius=2)
    green, dark = (40, 175, 60), (15, 90, 25)
    pen.poly([(40, 2), (60, 2), (60, 34), (74, 34), (50, 64), (26, 34), (40, 34)], green, dark, 3)


def glyph_tip_hover(pen):
    # a button tile under the mouse, with the help bubble that appears
    pen.rect(4, 26, 66, 88, (252, 252, 250), (140, 150, 170), 2, radius=10)
    sub = Pen(pen.image, (pen.p(12, 34)[0], pen.p(12, 34)[1], pen.p(58, 80)[0], pen.p(58, 80)[1]))
    glyph_open(sub)
    pen.poly([(34, 50), (34, 90), (43, 81), (50, 96), (57, 93), (50, 78), (62, 78)],
             (255, 255, 255), (0, 0, 0), 3)
    pen.rect(46, 2, 98, 36, (255, 250, 190), (150, 130, 40), 2, radius=8)
    pen.poly([(58, 34), (70, 34), (56, 46)], (255, 250, 190))
    pen.line([(58, 35), (56, 46), (70, 35)], (150, 130, 40), 2)
    pen.text(72, 19, "?", "DejaVuSans-Bold.ttf", 28, (40, 70, 160))


GLYPHS = {
    "open": glyph_open, "save": glyph_save, "print": glyph_print, "capture": glyph_capture,
    "flowgraph": glyph_flowgraph, "volumegraph": glyph_volumegraph,
    "pressuregraph": glyph_pressuregraph,
    "zoomin": glyph_zoomin, "zoomout": glyph_zoomout, "measure": glyph_measure,
    "grid": glyph_grid, "samples": glyph_samples, "filter": glyph_filter,
    "live": glyph_live, "stop": glyph_stop, "settings": glyph_settings, "clear": glyph_clear,
    "download": glyph_download,
}


# ---------------------------------------------------------------- composition


def glyph_layer(size, box, glyph):
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    glyph(Pen(layer, box))
    return layer


def button_image(width, height, glyph, variant):
    """A raised tile with the glyph; hover glows, pressed is sunken and darker."""
    size = (width * SS, height * SS)
    w, h = size
    margin = (2 if min(width, height) < 40 else 3) * SS
    tile = (margin, margin, w - margin - 1, h - margin - 1)
    radius = min(w, h) * 0.16
    image = Image.new("RGBA", size, PANEL + (255,))

    if variant == "hover":
        glow = Image.new("RGBA", size, (0, 0, 0, 0))
        ImageDraw.Draw(glow).rounded_rectangle(tile, radius=radius, fill=(255, 170, 40, 255))
        glow = glow.filter(ImageFilter.GaussianBlur(2.2 * SS))
        image.alpha_composite(glow)
        top, bottom, edge = (255, 255, 255), (230, 238, 252), (235, 140, 30)
    elif variant == "pressed":
        top, bottom, edge = (176, 184, 202), (214, 219, 230), (95, 105, 130)
    else:
        top, bottom, edge = (253, 253, 251), (212, 218, 232), (145, 155, 178)

    image.paste(vertical_gradient(size, top, bottom), (0, 0), rounded_mask(size, tile, radius))
    if variant == "pressed":
        shadow = Image.new("RGBA", size, (0, 0, 0, 0))
        sd = ImageDraw.Draw(shadow)
        sd.rounded_rectangle(tile, radius=radius, outline=(40, 45, 70, 150), width=3 * SS)
        shadow = shadow.filter(ImageFilter.GaussianBlur(1.5 * SS))
        inner = Image.new("RGBA", size, (0, 0, 0, 0))
        inner.paste(shadow, (SS, SS), rounded_mask(size, tile, radius))
        image.alpha_composite(inner)
    ImageDraw.Draw(image).rounded_rectangle(tile, radius=radius, outline=edge, width=SS)

    side = min(tile[2] - tile[0], tile[3] - tile[1]) * 0.80
    cx, cy = (tile[0] + tile[2]) / 2, (tile[1] + tile[3]) / 2
    shift = SS if variant == "pressed" else 0
    box = (cx - side / 2 + shift, cy - side / 2 + shift, cx + side / 2 + shift,
           cy + side / 2 + shift)
    layer = glyph_layer(size, box, glyph)
    if variant == "pressed":
        layer = ImageEnhance.Brightness(layer).enhance(0.82)
    elif variant == "hover":
        layer = ImageEnhance.Brightness(layer).enhance(1.08)
    image.alpha_composite(layer)
    return image.resize((width, height), Image.LANCZOS).convert("RGB")


def plain_glyph(width, height, glyph):
    size = (width * SS, height * SS)
    side = min(size)
    box = ((size[0] - side) / 2, (size[1] - side) / 2, (size[0] + side) / 2,
           (size[1] + side) / 2)
    return glyph_layer(size, box, glyph).resize((width, height), Image.LANCZOS)


def wave_points(x0, x1, y, amplitude, periods, steps=120):
    return [(x0 + (x1 - x0) * i / steps,
             y - amplitude * math.sin(2 * math.pi * periods * i / steps)) for i in range(steps + 1)]


def version_logo():
    width, height = 98, 60
    size = (width * SS, height * SS)
    image = Image.new("RGBA", size, PANEL + (255,))
    box = (SS, SS, size[0] - SS - 1, size[1] - SS - 1)
    image.paste(vertical_gradient(size, (35, 85, 170), (15, 40, 95)), (0, 0),
                rounded_mask(size, box, 8 * SS))
    d = ImageDraw.Draw(image)
    d.rounded_rectangle(box, radius=8 * SS, outline=(10, 25, 60), width=SS)
    d.text((size[0] / 2, 24 * SS), "Dextrel", font=font("DejaVuSans-Bold.ttf", 19 * SS),
           fill=(255, 255, 255), anchor="mm")
    d.line(wave_points(14 * SS, 84 * SS, 44 * SS, 5 * SS, 2), fill=(90, 220, 255),
           width=2 * SS, joint="curve")
    return image.resize((width, height), Image.LANCZOS).convert("RGB")


def app_icon(side):
    size = (side * SS, side * SS)
    s = size[0]
    image = Image.new("RGBA", size, (0, 0, 0, 0))
    box = (s * 0.04, s * 0.04, s * 0.96, s * 0.96)
    image.paste(vertical_gradient(size, (45, 115, 215), (15, 45, 110)), (0, 0),
                rounded_mask(size, box, s * 0.2))
    d = ImageDraw.Draw(image)
    d.rounded_rectangle(box, radius=s * 0.2, outline=(10, 25, 60), width=max(SS, s // 40))
    d.line([(s * 0.2, s * 0.2), (s * 0.2, s * 0.8), (s * 0.82, s * 0.8)],
           fill=(200, 220, 255), width=int(s * 0.05))
    wave = wave_points(s * 0.22, s * 0.82, s * 0.52, s * 0.17, 1.5, steps=240)
    width = int(s * 0.09)
    d.line(wave, fill=(255, 255, 255), width=width)
    # round every joint: wide lines of many short segments show notches otherwise
    for x, y in wave:
        d.ellipse([x - width / 2, y - width / 2, x + width / 2, y + width / 2],
                  fill=(255, 255, 255))
    # the latest sample, at the end of the trace
    d.ellipse([s * 0.74, s * 0.44, s * 0.90, s * 0.60], fill=(255, 90, 60),
              outline=(255, 255, 255), width=max(SS, s // 48))
    return image.resize((side, side), Image.LANCZOS)


def splash():
    width, height = 640, 540
    size = (width * SS, height * SS)
    w, h = size
    image = vertical_gradient(size, (18, 40, 92), (6, 14, 38))
    d = ImageDraw.Draw(image)

    # chart motif: grid, a filled flow trace and a pressure trace
    left, right, top, bottom = 60 * SS, 580 * SS, 250 * SS, 450 * SS
    for k in range(11):
        x = left + (right - left) * k / 10
        d.line([(x, top), (x, bottom)], fill=(40, 70, 130), width=SS)
    for k in range(6):
        y = top + (bottom - top) * k / 5
        d.line([(left, y), (right, y)], fill=(40, 70, 130), width=SS)

    def flow(t):
        envelope = math.exp(-(((t - 0.42) / 0.3) ** 4))
        return bottom - (bottom - top) * (0.15 + 0.6 * envelope + 0.07 * math.sin(t * 40))

    pts = [(left + (right - left) * i / 300, flow(i / 300)) for i in range(301)]
    fill = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(fill).polygon(pts + [(right, bottom), (left, bottom)], fill=(60, 170, 255, 70))
    glow = Image.new("RGBA", size, (0, 0, 0, 0))
    ImageDraw.Draw(glow).line(pts, fill=(80, 200, 255, 255), width=10 * SS, joint="curve")
    glow = glow.filter(ImageFilter.GaussianBlur(6 * SS))
    image.alpha_composite(fill)
    image.alpha_composite(glow)
    d = ImageDraw.Draw(image)
    d.line(pts, fill=(170, 235, 255), width=3 * SS, joint="curve")
    pressure = [(left + (right - left) * i / 300,
                 bottom - (bottom - top) * (0.35 + 0.12 * math.sin(i / 300 * 9) + 0.1 * i / 300))
                for i in range(301)]
    d.line(pressure, fill=(255, 150, 60), width=3 * SS, joint="curve")
    d.line([(left, top), (left, bottom), (right, bottom)], fill=(150, 180, 230), width=2 * SS)

    # texts
    d.text((w / 2, 95 * SS), "Dextrel 4.8", font=font("DejaVuSans-Bold.ttf", 72 * SS),
           fill=(255, 255, 255), anchor="mm")
    d.text((w / 2, 165 * SS), "Flow Monitoring", font=font("DejaVuSans.ttf", 34 * SS),
           fill=(140, 210, 255), anchor="mm")
    d.line([(170 * SS, 200 * SS), (470 * SS, 200 * SS)], fill=(80, 140, 220), width=SS)
    d.text((w - 30 * SS, h - 40 * SS), "Vendrix", font=font("DejaVuSans-Bold.ttf", 28 * SS),
           fill=(255, 170, 80), anchor="rm")
    d.text((30 * SS, h - 40 * SS), "USB flow & pressure logger",
           font=font("DejaVuSans.ttf", 16 * SS), fill=(150, 175, 220), anchor="lm")
    return image.resize((width, height), Image.LANCZOS).convert("RGB")


def tip_hover():
    width = height = 70
    size = (width * SS, height * SS)
    image = Image.new("RGBA", size, PANEL + (255,))
    image.alpha_composite(glyph_layer(size, (0, 0, size[0], size[1]), glyph_tip_hover))
    return image.resize((width, height), Image.LANCZOS).convert("RGB")


# ---------------------------------------------------------------- settings dialog pictures

CONNECTION_STATES = {
    # name: (band top, band bottom, mark colour, caption, the cable is cut)
    "settings_read": ((40, 110, 200), (18, 52, 120), (70, 200, 110), "Setari citite", False),
    "settings_failed": ((170, 50, 40), (95, 20, 15), (255, 90, 70), "Dispozitiv negasit", True),
    "settings_sent": ((30, 140, 90), (12, 75, 45), (120, 235, 150), "Setari trimise", False),
}


def connection_logger(d, x, y):
    """The logger: a small case with its display and a connector, at its top-left corner."""
    d.rounded_rectangle([x, y, x + 40 * SS, y + 50 * SS], radius=6 * SS, fill=(225, 228, 235),
                        outline=(40, 45, 60), width=SS)
    d.rectangle([x + 6 * SS, y + 7 * SS, x + 34 * SS, y + 22 * SS], fill=(150, 190, 120),
                outline=(40, 60, 40), width=SS)
    d.text((x + 20 * SS, y + 15 * SS), "12.5", font=font("DejaVuSansMono-Bold.ttf", 9 * SS),
           fill=(20, 40, 20), anchor="mm")
    for k in range(3):
        d.ellipse([x + (8 + 10 * k) * SS, y + 30 * SS, x + (14 + 10 * k) * SS, y + 36 * SS],
                  fill=(90, 100, 120))
    d.text((x + 20 * SS, y + 43 * SS), "Vendrix", font=font("DejaVuSans-Bold.ttf", 6 * SS),
           fill=(40, 45, 60), anchor="mm")


def connection_computer(d, x, y):
    """A small monitor on its stand, at its top-left corner."""
    d.rounded_rectangle([x, y, x + 46 * SS, y + 34 * SS], radius=3 * SS, fill=(50, 55, 70),
                        outline=(20, 22, 30), width=SS)
    d.rectangle([x + 4 * SS, y + 4 * SS, x + 42 * SS, y + 29 * SS], fill=(120, 190, 245))
    d.line(wave_points(x + 7 * SS, x + 39 * SS, y + 17 * SS, 6 * SS, 1.5), fill=(255, 255, 255),
           width=2 * SS, joint="curve")
    d.rectangle([x + 19 * SS, y + 34 * SS, x + 27 * SS, y + 41 * SS], fill=(50, 55, 70))
    d.rounded_rectangle([x + 10 * SS, y + 41 * SS, x + 36 * SS, y + 45 * SS], radius=2 * SS,
                        fill=(50, 55, 70))


def connection_mark(d, cx, cy, colour, failed):
    r = 10 * SS
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=colour, outline=(255, 255, 255), width=SS)
    if failed:
        k = 5 * SS
        d.line([(cx - k, cy - k), (cx + k, cy + k)], fill=(255, 255, 255), width=3 * SS)
        d.line([(cx - k, cy + k), (cx + k, cy - k)], fill=(255, 255, 255), width=3 * SS)
    else:
        d.line([(cx - 5 * SS, cy), (cx - SS, cy + 5 * SS), (cx + 6 * SS, cy - 5 * SS)],
               fill=(255, 255, 255), width=3 * SS, joint="curve")


def connection_picture(name):
    """280 x 70: the logger and the computer joined by the USB cable, the state between them
    and a caption."""
    top, bottom, mark, caption, cut = CONNECTION_STATES[name]
    width, height = 280, 70
    size = (width * SS, height * SS)
    image = Image.new("RGBA", size, PANEL + (255,))
    box = (SS, SS, size[0] - SS - 1, size[1] - SS - 1)
    image.paste(vertical_gradient(size, top, bottom), (0, 0), rounded_mask(size, box, 8 * SS))
    d = ImageDraw.Draw(image)
    d.rounded_rectangle(box, radius=8 * SS, outline=shade(bottom, 0.6), width=SS)

    connection_logger(d, 10 * SS, 10 * SS)
    connection_computer(d, 104 * SS, 12 * SS)
    cable_y = 35 * SS
    if cut:
        d.line([(50 * SS, cable_y), (64 * SS, cable_y)], fill=(20, 20, 25), width=3 * SS)
        d.line([(90 * SS, cable_y), (104 * SS, cable_y)], fill=(20, 20, 25), width=3 * SS)
    else:
        d.line([(50 * SS, cable_y), (104 * SS, cable_y)], fill=(20, 20, 25), width=3 * SS)
    connection_mark(d, 77 * SS, cable_y, mark, cut)

    d.text((212 * SS, 35 * SS), caption, font=font("DejaVuSans-Bold.ttf", 11 * SS),
           fill=(255, 255, 255), anchor="mm")
    return image.resize((width, height), Image.LANCZOS).convert("RGB")


# ---------------------------------------------------------------- the image set

BUTTON_SETS = [
    ((50, 50), ["open", "save", "print", "capture", "flowgraph", "volumegraph", "pressuregraph"]),
    ((35, 30), ["zoomin", "zoomout", "measure", "grid", "samples", "filter"]),
    ((70, 70), ["live", "stop", "settings", "clear", "download"]),
]
MENU_IMAGES = ["open", "save", "print"]


def make_all():
    images = {}
    for (width, height), names in BUTTON_SETS:
        for name in names:
            for variant in ("normal", "hover", "pressed"):
                images[f"{name}_{variant}"] = button_image(width, height, GLYPHS[name], variant)
    for name in MENU_IMAGES:
        images[f"menu_{name}"] = plain_glyph(16, 15, GLYPHS[name])
    images["version"] = version_logo()
    images["splash"] = splash()
    images["icon48"] = app_icon(48)
    images["icon32"] = app_icon(32)
    images["tip_hover"] = tip_hover()
    for name in CONNECTION_STATES:
        images[name] = connection_picture(name)
    return images


def theme_icons():
    return {side: app_icon(side) for side in THEME_ICON_SIZES}


def save_theme_icons(icons):
    for side, image in icons.items():
        folder = os.path.join(ICON_THEME_DIR, f"{side}x{side}", "apps")
        os.makedirs(folder, exist_ok=True)
        image.save(os.path.join(folder, "dextrel.png"), optimize=True)


def contact_sheet(images, path, zoom=3):
    names = sorted(images, key=lambda n: (-images[n].size[0] * images[n].size[1], n))
    wide = [n for n in names if n in CONNECTION_STATES]
    small = [n for n in names if n != "splash" and n not in wide]
    columns, cell = 6, 100 * zoom + 20
    rows = (len(small) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * cell, rows * (cell + 14) + 10), (255, 255, 255))
    d = ImageDraw.Draw(sheet)
    label = font("DejaVuSans.ttf", 12)
    for k, name in enumerate(small):
        im = images[name]
        big = im.resize((im.size[0] * zoom, im.size[1] * zoom), Image.NEAREST)
        x, y = (k % columns) * cell + 10, (k // columns) * (cell + 14) + 4
        back = Image.new("RGBA", big.size, (200, 200, 200, 255))
        back.alpha_composite(big.convert("RGBA"))
        sheet.paste(back.convert("RGB"), (x, y))
        d.text((x, y + big.size[1] + 1), f"{name} {im.size[0]}x{im.size[1]}", font=label,
               fill=(0, 0, 0))
    sheet.save(path)
    images["splash"].save(path.replace(".png", "-splash.png"))
    strip = Image.new("RGB", (280 * 2 + 20, len(wide) * (140 + 10) + 10), (255, 255, 255))
    for k, name in enumerate(wide):
        strip.paste(images[name].resize((560, 140), Image.NEAREST), (10, 10 + k * 150))
    strip.save(path.replace(".png", "-connection.png"))


def main():
    images = make_all()
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, image in images.items():
        image.save(os.path.join(OUT_DIR, name + ".png"), optimize=True)
    icons = theme_icons()
    save_theme_icons(icons)
    if len(sys.argv) > 1:
        contact_sheet(images, sys.argv[1])
    print(f"{len(images)} images written to {os.path.normpath(OUT_DIR)}")
    print(f"{len(icons)} theme icons written to {os.path.normpath(ICON_THEME_DIR)}")


if __name__ == "__main__":
    main()

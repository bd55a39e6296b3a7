"""Roman capitals drawn as geometry, so lettering looks the same whatever fonts a machine has.

Glyphs live on a grid with the cap height 100 (y down, 0 = cap line, 100 = base line). A glyph is a
width and a list of strokes; a style gives the stroke weights, which is how the same letters serve as
chiselled capitals with thick and thin strokes on the title and as sturdy small letters on a tiny bust.
"""
import math
from svg import f, path, group, ellipse

# Stroke weights per style, in grid units.
STYLES = {
    # Chiselled capitals: strong contrast, serifs.
    "roman": {"thick": 17, "thin": 7, "mid": 12, "serif": True},
    # Small sizes: little contrast so thin strokes survive at a few pixels.
    "small": {"thick": 19, "thin": 14, "mid": 16, "serif": True},
    # Chalk and gilding: one weight, no serifs.
    "mono": {"thick": 12, "thin": 12, "mid": 12, "serif": False},
}


def _band_d(cx, cy, ro, ri, a0, a1):
    """Filled crescent between two ellipses from angle a0 round the left to a1 (degrees)."""
    (rxo, ryo), (rxi, ryi) = ro, ri
    p = lambda rx, ry, a: (cx + rx * math.cos(math.radians(a)), cy + ry * math.sin(math.radians(a)))
    x0, y0 = p(rxo, ryo, a0)
    x1, y1 = p(rxo, ryo, a1)
    x2, y2 = p(rxi, ryi, a1)
    x3, y3 = p(rxi, ryi, a0)
    return (f"M{f(x0)},{f(y0)} A{f(rxo)},{f(ryo)} 0 1 0 {f(x1)},{f(y1)} L{f(x2)},{f(y2)} "
            f"A{f(rxi)},{f(ryi)} 0 1 1 {f(x3)},{f(y3)} Z")


# ("l", x1, y1, x2, y2, weight) straight stroke; ("bar", x1, x2, y, weight) horizontal stroke whose
# outer edge lies on y ("top"/"bot") or is centred on a number; ("serif", x1, x2, "top"/"bot");
# ("p", d, weight) stroked path; ("ring", cx, cy, rxo, ryo, rxi, ryi); ("band", cx, cy, rxo, ryo, rxi, ryi, a0, a1).
GLYPHS = {
    "I": (30, [("l", 15, 0, 15, 100, "thick"), ("serif", 3, 27, "top"), ("serif", 3, 27, "bot")]),
    "L": (58, [("l", 14, 0, 14, 100, "thick"), ("bar", 14, 56, "bot", "thin"), ("l", 55, 80, 55, 100, "thin"),
               ("serif", 2, 26, "top"), ("serif", 2, 16, "bot")]),
    "E": (56, [("l", 14, 0, 14, 100, "thick"), ("bar", 14, 52, "top", "thin"), ("bar", 14, 44, 50, "thin"),
               ("bar", 14, 54, "bot", "thin"), ("l", 51, 0, 51, 17, "thin"), ("l", 43, 42, 43, 58, "thin"),
               ("l", 53, 82, 53, 100, "thin"), ("serif", 2, 16, "top"), ("serif", 2, 16, "bot")]),
    "X": (66, [("l", 9, 0, 57, 100, "thick"), ("l", 57, 0, 9, 100, "thin"), ("serif", 0, 20, "top"),
               ("serif", 47, 66, "top"), ("serif", 0, 19, "bot"), ("serif", 46, 66, "bot")]),
    "O": (78, [("ring", 39, 50, 38, 51, 24, 43.5)]),
    "R": (66, [("l", 14, 0, 14, 100, "thick"), ("p", "M14,{t} H35 C53,{t} 58,12 58,27 C58,43 52,51 35,51 H14", "mid"),
               ("l", 33, 51, 59, 100, "thick"), ("serif", 2, 26, "top"), ("serif", 2, 26, "bot"),
               ("serif", 51, 66, "bot")]),
    "V": (66, [("l", 7, 0, 33, 100, "thick"), ("l", 59, 0, 33, 100, "thin"), ("serif", 0, 19, "top"),
               ("serif", 50, 66, "top")]),
    "A": (68, [("l", 34, 0, 8, 100, "thin"), ("l", 34, 0, 60, 100, "thick"), ("bar", 18, 51, 68, "thin"),
               ("serif", 0, 16, "bot"), ("serif", 52, 68, "bot")]),
    "C": (66, [("band", 38, 50, 37, 51, 23, 43.5, -52, 52), ("l", 61, 6, 61, 26, "thin")]),
    "T": (62, [("bar", 2, 60, "top", "thin"), ("l", 31, 0, 31, 100, "thick"), ("l", 3, 0, 3, 16, "thin"),
               ("l", 59, 0, 59, 16, "thin"), ("serif", 19, 43, "bot")]),
    "S": (56, [("p", "M51,17 C47,6 39,2 29,2 C16,2 8,10 8,23 C8,38 22,44 30,48 C43,54 50,61 50,76 "
                     "C50,91 40,98 27,98 C16,98 8,93 6,81", "thick-s"), ("l", 52, 2, 52, 20, "thin"),
               ("l", 6, 80, 6, 98, "thin")]),
    "N": (70, [("l", 12, 0, 12, 100, "thin"), ("l", 58, 0, 58, 100, "thin"), ("l", 12, 0, 58, 100, "thick"),
               ("serif", 2, 22, "top"), ("serif", 48, 68, "top"), ("serif", 2, 22, "bot")]),
    "M": (86, [("l", 10, 0, 10, 100, "thin"), ("l", 76, 0, 76, 100, "thick"), ("l", 10, 0, 43, 100, "thick"),
               ("l", 43, 100, 76, 0, "thin"), ("serif", 0, 20, "bot"), ("serif", 66, 86, "bot")]),
    " ": (34, []),
}


def _band(x1, y1, x2, y2, w):
    """A straight stroke of width w as a parallelogram whose ends are cut level (steep strokes) or
    plumb (flat ones), the way a chisel ends a stroke on the cap and base lines."""
    dx, dy = x2 - x1, y2 - y1
    length = math.hypot(dx, dy)
    if abs(dy) >= abs(dx):
        h = w / 2 * length / abs(dy)
        return [(x1 - h, y1), (x1 + h, y1), (x2 + h, y2), (x2 - h, y2)]
    h = w / 2 * length / abs(dx)
    return [(x1, y1 - h), (x1, y1 + h), (x2, y2 + h), (x2, y2 - h)]


def _weight(style, cls):
    st = STYLES[style]
    if cls == "thick-s":
        return (st["thick"] + st["mid"]) / 2
    return st[cls]


def _glyph_parts(ch, style, colour, extra):
    """Elements of one glyph; extra widens every stroke on both sides (for outlines and shadows)."""
    st = STYLES[style]
    width, strokes = GLYPHS[ch]
    out = []
    stroke = lambda d, w: path(d, fill="none", stroke=colour, stroke_width=w + 2 * extra, stroke_linecap="butt",
                               stroke_linejoin="round")

    def band(x1, y1, x2, y2, w):
        pts = " ".join(f"{f(x)},{f(y)}" for x, y in _band(x1, y1, x2, y2, w))
        if extra:
            return f'<polygon points="{pts}" fill="{colour}" stroke="{colour}" stroke-width="{f(2 * extra)}"/>'
        return f'<polygon points="{pts}" fill="{colour}"/>'

    thin = st["thin"]
    for s in strokes:
        kind = s[0]
        if kind == "l":
            _, x1, y1, x2, y2, cls = s
            out.append(band(x1, y1, x2, y2, _weight(style, cls)))
        elif kind == "bar":
            _, x1, x2, pos, cls = s
            w = _weight(style, cls)
            y = w / 2 if pos == "top" else 100 - w / 2 if pos == "bot" else pos
            out.append(band(x1, y, x2, y, w))
        elif kind == "serif":
            if not st["serif"]:
                continue
            _, x1, x2, pos = s
            y = thin / 2 if pos == "top" else 100 - thin / 2
            out.append(band(x1, y, x2, y, thin))
        elif kind == "p":
            _, d, cls = s
            w = _weight(style, "mid" if cls == "mid" else cls)
            out.append(stroke(d.replace("{t}", f(w / 2 if cls == "mid" else thin / 2)), w))
        elif kind == "ring":
            _, cx, cy, rxo, ryo, rxi, ryi = s
            if style == "mono":
                out.append(ellipse(cx, cy, (rxo + rxi) / 2, (ryo + ryi) / 2, fill="none", stroke=colour,
                                   stroke_width=st["mid"] + 2 * extra))
            else:
                d = (f"M{f(cx - rxo)},{f(cy)} a{f(rxo)},{f(ryo)} 0 1 0 {f(2 * rxo)},0 a{f(rxo)},{f(ryo)} 0 1 0 {f(-2 * rxo)},0 Z "
                     f"M{f(cx - rxi)},{f(cy)} a{f(rxi)},{f(ryi)} 0 1 0 {f(2 * rxi)},0 a{f(rxi)},{f(ryi)} 0 1 0 {f(-2 * rxi)},0 Z")
                out.append(path(d, fill=colour, fill_rule="evenodd", stroke=colour if extra else None,
                                stroke_width=2 * extra if extra else None))
        elif kind == "band":
            _, cx, cy, rxo, ryo, rxi, ryi, a0, a1 = s
            if style == "mono":
                rx, ry = (rxo + rxi) / 2, (ryo + ryi) / 2
                p0 = (cx + rx * math.cos(math.radians(a0)), cy + ry * math.sin(math.radians(a0)))
                p1 = (cx + rx * math.cos(math.radians(a1)), cy + ry * math.sin(math.radians(a1)))
                out.append(stroke(f"M{f(p0[0])},{f(p0[1])} A{f(rx)},{f(ry)} 0 1 0 {f(p1[0])},{f(p1[1])}", st["mid"]))
            else:
                out.append(path(_band_d(cx, cy, (rxo, ryo), (rxi, ryi), a0, a1), fill=colour,
                                stroke=colour if extra else None, stroke_width=2 * extra if extra else None,
                                stroke_linejoin="round"))
    return width, out


def measure(text, spacing=12):
    return sum(GLYPHS[c][0] for c in text) + spacing * (len(text) - 1)


def text(s, x, y, height, fill, style="roman", spacing=12, anchor="start", outline=None, outline_w=0.0,
         shadow=None, shadow_dx=0.0, shadow_dy=0.0, shadow_w=0.0):
    """Letters of cap height `height` with the cap line at y. outline_w and shadow_w are in pixels."""
    k = height / 100
    total = measure(s, spacing) * k
    x0 = x - total / 2 if anchor == "middle" else x
    layers = []
    if shadow:
        layers.append((shadow, shadow_w / k if shadow_w else 0, shadow_dx, shadow_dy))
    if outline:
        layers.append((outline, outline_w / k, 0, 0))
    layers.append((fill, 0, 0, 0))
    out = []
    for colour, extra, dx, dy in layers:
        cx = 0.0
        parts = []
        for ch in s:
            w, glyph = _glyph_parts(ch, style, colour, extra)
            if glyph:
                parts.append(group(glyph, transform=f"translate({f(cx)},0)"))
            cx += w + spacing
        out.append(group(parts, transform=f"translate({f(x0 + dx)},{f(y + dy)}) scale({f(k)})"))
    return group(out)

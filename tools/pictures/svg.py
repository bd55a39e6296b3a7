"""Small SVG writer shared by the picture scripts.

Output is plain SVG Tiny 1.2 as QtSvg reads it: shapes, paths, gradients and transforms, no filters,
masks, style sheets or fonts. No clip paths either: QtSvg 6.4 ignores them and paints the whole shape.
"""
import math

# One palette for every picture. Light falls from the upper left everywhere.
INK = "#2b231c"          # outlines
INK_SOFT = "#5b5246"     # outlines inside reliefs, where a full black would look drawn on
MARBLE_HI = "#fcfaf4"
MARBLE = "#ebe5d8"
MARBLE_MID = "#d3cbba"
MARBLE_SH = "#a89f8c"
MARBLE_DK = "#7e7566"
RELIEF_BG = "#c9c1b0"    # recessed ground of the reliefs
BLUE = "#0000ff"         # player 1's ground, the colour of its bar
RED = "#ff0000"          # player 2's ground, the colour of its bar
GOLD = "#d8ab2e"
GOLD_HI = "#f6dc7a"
GOLD_DK = "#8f6a12"
LAUREL = "#4f7f2c"
LAUREL_HI = "#86b34e"
LAUREL_DK = "#2c4f17"
LETTER_RED = "#c8171b"
PARCHMENT = "#fffdf4"
SKIN = "#e7b48f"
SKIN_HI = "#f5d3b6"
SKIN_SH = "#c4876a"
SKIN_DK = "#8d5640"
TOGA = "#f3efe4"
TOGA_SH = "#cfc6b2"
PURPLE = "#6d2a6a"


def f(v):
    """Compact number for coordinates."""
    if isinstance(v, str):
        return v
    s = f"{v:.3f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def attrs(**kw):
    out = []
    for k, v in kw.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        out.append(f'{k}="{f(v) if not isinstance(v, str) else v}"')
    return " ".join(out)


class Svg:
    def __init__(self, w, h, stretch=False):
        self.w, self.h = w, h
        self.stretch = stretch
        self.defs = []
        self.body = []
        self._ids = 0
        self._paints = {}

    def uid(self, stem):
        self._ids += 1
        return f"{stem}{self._ids}"

    def add(self, text):
        self.body.append(text)
        return self

    # Paint servers and clips ------------------------------------------------
    def _paint(self, kind, geometry, stops):
        """One definition per distinct gradient, however often a drawing asks for it."""
        body = geometry + ">" + "".join(self._stop(o, c) for o, c in stops)
        key = (kind, body)
        if key not in self._paints:
            gid = self.uid("g")
            self.defs.append(f'<{kind} id="{gid}"{body}</{kind}>')
            self._paints[key] = f"url(#{gid})"
        return self._paints[key]

    def linear(self, stops, x1=0, y1=0, x2=1, y2=0, user=False):
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        return self._paint("linearGradient", f' x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}"{units}', stops)

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        foc = f' fx="{f(fx)}" fy="{f(fy)}"' if fx is not None else ""
        return self._paint("radialGradient", f' cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}"{foc}{units}', stops)

    @staticmethod
    def _stop(o, c):
        if isinstance(c, tuple):
            return f'<stop offset="{f(o)}" stop-color="{c[0]}" stop-opacity="{f(c[1])}"/>'
        return f'<stop offset="{f(o)}" stop-color="{c}"/>'

    def text(self):
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                f'width="{self.w}" height="{self.h}" viewBox="0 0 {self.w} {self.h}"')
        if self.stretch:
            head += ' preserveAspectRatio="none"'
        head += ">\n"
        defs = ("<defs>\n" + "\n".join(self.defs) + "\n</defs>\n") if self.defs else ""
        return head + defs + "\n".join(self.body) + "\n</svg>\n"


# Element builders (return strings) --------------------------------------------
def rect(x, y, w, h, **kw):
    return f'<rect {attrs(x=x, y=y, width=w, height=h, **kw)}/>'


def ellipse(cx, cy, rx, ry, **kw):
    return f'<ellipse {attrs(cx=cx, cy=cy, rx=rx, ry=ry, **kw)}/>'


def circle(cx, cy, r, **kw):
    return f'<circle {attrs(cx=cx, cy=cy, r=r, **kw)}/>'


def path(d, **kw):
    return f'<path {attrs(d=d, **kw)}/>'


def line(x1, y1, x2, y2, **kw):
    return f'<line {attrs(x1=x1, y1=y1, x2=x2, y2=y2, **kw)}/>'


def group(children, **kw):
    a = attrs(**kw)
    return f"<g {a}>" + "".join(children) + "</g>" if a else "<g>" + "".join(children) + "</g>"


def poly(points, **kw):
    pts = " ".join(f"{f(x)},{f(y)}" for x, y in points)
    return f'<polygon {attrs(points=pts, **kw)}/>'


def polyline(points, **kw):
    pts = " ".join(f"{f(x)},{f(y)}" for x, y in points)
    return f'<polyline {attrs(points=pts, **kw)}/>'


def leaf_d(length, width):
    """A pointed leaf along +x from the origin."""
    L, w = length, width
    return f"M0,0 Q{f(L * 0.45)},{f(-w)} {f(L)},0 Q{f(L * 0.45)},{f(w)} 0,0 Z"


def leaf(x, y, angle, length, width, fill, stroke=None, sw=None, vein=None):
    parts = [path(leaf_d(length, width), fill=fill, stroke=stroke, stroke_width=sw)]
    if vein:
        parts.append(line(length * 0.1, 0, length * 0.85, 0, stroke=vein, stroke_width=max(0.3, width * 0.18)))
    return group(parts, transform=f"translate({f(x)},{f(y)}) rotate({f(angle)})")


def laurel_branch(svg, x0, y0, radius, a_from, a_to, n, size, outline=INK, sw=0.5, berries=True):
    """A laurel twig along an arc (degrees, 0 = right, 90 = down) from a_from to its tip at a_to: a stem
    with leaves alternating outwards and inwards, shrinking towards the tip."""
    fill = svg.linear([(0, LAUREL_HI), (1, LAUREL_DK)], 0, 0, 1, 1)
    way = 1 if a_to > a_from else -1
    pts = [arc_point(x0, y0, radius, radius, a_from + (a_to - a_from) * i / 16) for i in range(17)]
    out = [polyline(pts, fill="none", stroke=LAUREL_DK, stroke_width=max(0.3, size * 0.09), stroke_linecap="round")]
    for i in range(n):
        for k, turn in ((0.2, -36), (0.7, 36)):
            t = (i + k) / n
            a = a_from + (a_to - a_from) * t
            px, py = arc_point(x0, y0, radius, radius, a)
            length = size * (1 - 0.35 * t)
            out.append(leaf(px, py, a + 90 * way + turn * way, length, length * 0.3, fill, outline, sw, vein=LAUREL_DK))
        if berries and i % 3 == 1:
            bx, by = arc_point(x0, y0, radius - size * 0.25, radius - size * 0.25, a_from + (a_to - a_from) * (i + 0.45) / n)
            out.append(circle(bx, by, size * 0.13, fill="#3b2a5a", stroke=outline, stroke_width=sw * 0.6))
    tx, ty = pts[-1]
    out.append(leaf(tx, ty, a_to + 90 * way, size * 0.6, size * 0.18, fill, outline, sw))
    return out


def arc_point(cx, cy, rx, ry, deg):
    a = math.radians(deg)
    return cx + rx * math.cos(a), cy + ry * math.sin(a)

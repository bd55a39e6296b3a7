"""The board's pieces: the players' busts, columns and bases, the relief bands, the title and the balloons."""
import math
import random

import letters
from svg import *

# The column is 34 wide; the shaft runs from x 7 to 27 in the capital, in the shaft pieces and in the base,
# so the pieces stack into one column whatever height the shaft is stretched to.
SX0, SX1 = 7.0, 27.0


def marble_x(svg):
    """Marble lit from the left, for round things seen from the front."""
    return svg.linear([(0, MARBLE_MID), (0.22, MARBLE_HI), (0.62, MARBLE), (1, MARBLE_SH)])


def shaft(svg, y0, y1):
    g = svg.linear([(0, MARBLE_SH), (0.18, MARBLE_HI), (0.5, MARBLE), (0.82, MARBLE_MID), (1, MARBLE_DK)])
    out = [rect(SX0, y0, SX1 - SX0, y1 - y0, fill=g)]
    # Flutes: a groove and its lit edge, vertical only, so stretching keeps them sharp.
    for i in range(1, 7):
        x = SX0 + (SX1 - SX0) * i / 7
        out.append(rect(x - 0.55, y0, 1.1, y1 - y0, fill=MARBLE_DK, fill_opacity=0.42))
        out.append(rect(x + 0.55, y0, 0.5, y1 - y0, fill=MARBLE_HI, fill_opacity=0.75))
    out.append(rect(SX0, y0, 0.8, y1 - y0, fill=INK))
    out.append(rect(SX1 - 0.8, y0, 0.8, y1 - y0, fill=INK))
    return out


def capital(svg, top=33.0, bottom=44.0):
    """Ionic capital: abacus at `top`, shaft stub down to `bottom`."""
    m = marble_x(svg)
    t = top
    out = shaft(svg, t + 8.2, bottom)
    out.append(rect(6.2, t + 7.0, 21.6, 1.6, rx=0.8, fill=MARBLE_MID, stroke=INK, stroke_width=0.5))
    out.append(path(f"M5,{f(t + 4)} L29,{f(t + 4)} Q28.6,{f(t + 6.8)} 27.4,{f(t + 7.1)} L6.6,{f(t + 7.1)} "
                    f"Q5.4,{f(t + 6.8)} 5,{f(t + 4)} Z", fill=m, stroke=INK, stroke_width=0.5))
    for x in (11, 15, 19, 23):
        out.append(ellipse(x, t + 5.4, 1.45, 1.1, fill=MARBLE_SH, stroke=MARBLE_DK, stroke_width=0.35))
        out.append(ellipse(x - 0.35, t + 5.1, 0.6, 0.45, fill=MARBLE_HI))
    out.append(rect(4, t + 1.6, 26, 2.6, fill=m, stroke=INK, stroke_width=0.5))
    for x, d in ((5.3, 1), (28.7, -1)):
        out.append(circle(x, t + 4.4, 2.5, fill=MARBLE, stroke=INK, stroke_width=0.55))
        out.append(path(f"M{f(x + 1.6 * d)},{f(t + 4.4)} A1.6,1.6 0 1 {1 if d > 0 else 0} {f(x)},{f(t + 2.8)} "
                        f"A1.1,1.1 0 1 {1 if d > 0 else 0} {f(x - 0.9 * d)},{f(t + 4.6)}",
                        fill="none", stroke=MARBLE_DK, stroke_width=0.5))
        out.append(circle(x, t + 4.4, 0.55, fill=MARBLE_DK))
    out.append(rect(3, t, 28, 1.8, fill=MARBLE_HI, stroke=INK, stroke_width=0.5))
    return out


def ground(w, h, colour):
    return rect(0, 0, w, h, fill=colour)


# The head ----------------------------------------------------------------------------------------
def head(svg, cx, cy, yaw=0.0, pitch=0.0, eyes="open"):
    """A marble head, centre (cx, cy), about 11 x 13. yaw -1 looks to the picture's left, +1 to its right;
    pitch -1 nods down, +1 looks up."""
    if abs(yaw) >= 0.5:
        return turned_head(svg, cx, cy, 1 if yaw > 0 else -1, eyes)
    rx, ry = 5.4, 6.6
    fy = cy + 0.6 - 1.7 * pitch         # the features slide down the face as it nods, up as it looks up
    skin = svg.linear([(0, MARBLE_HI), (0.55, MARBLE), (1, MARBLE_SH)], 0, 0, 1, 0.4)
    hair_fill = svg.linear([(0, MARBLE), (1, MARBLE_SH)], 0, 0, 1, 1)
    out = []
    ear_y = cy + 0.9 + 0.9 * pitch
    for x in (cx - rx + 0.1, cx + rx - 0.1):
        out.append(group([ellipse(x, ear_y, 1.15, 1.9, fill=MARBLE_MID, stroke=INK, stroke_width=0.5),
                          path(f"M{f(x + 0.2)},{f(ear_y - 1)} Q{f(x - 0.5)},{f(ear_y)} {f(x + 0.2)},{f(ear_y + 1)}",
                               fill="none", stroke=MARBLE_DK, stroke_width=0.4)]))
    out.append(ellipse(cx, cy, rx, ry, fill=skin, stroke=INK, stroke_width=0.7))
    # Under the chin when the head is raised.
    if pitch > 0.5:
        out.append(path(f"M{f(cx - 3)},{f(cy + ry - 1.2)} Q{f(cx)},{f(cy + ry + 0.8)} {f(cx + 3)},{f(cy + ry - 1.2)}",
                        fill="none", stroke=MARBLE_SH, stroke_width=0.8))
    # Hair: a cap of curls over the back of the skull down to a hairline above the brows.
    a0, a1 = 166, 374
    pts = []
    n = 22
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        r = 1.06 if i % 2 else 1.0
        pts.append((cx + rx * r * math.cos(a), cy + ry * r * math.sin(a) - 0.2))
    hl = fy - 3.5                      # hairline over the middle of the forehead
    right_temple = (cx + rx * 0.86, cy - 0.8)
    left_temple = (cx - rx * 0.86, cy - 0.8)
    d = f"M{f(pts[0][0])},{f(pts[0][1])} " + " ".join(f"L{f(x)},{f(y)}" for x, y in pts[1:])
    # Forehead locks, the classical row of commas.
    d += (f" L{f(right_temple[0])},{f(right_temple[1])} Q{f(cx + 3)},{f(hl - 0.4)} {f(cx + 1.6)},{f(hl + 0.5)}"
          f" Q{f(cx + 0.9)},{f(hl - 0.7)} {f(cx)},{f(hl + 0.6)} Q{f(cx - 0.9)},{f(hl - 0.7)} {f(cx - 1.6)},{f(hl + 0.5)}"
          f" Q{f(cx - 3)},{f(hl - 0.4)} {f(left_temple[0])},{f(left_temple[1])} Z")
    out.append(path(d, fill=hair_fill, stroke=INK, stroke_width=0.55, stroke_linejoin="round"))
    for i in range(4):
        a = math.radians(a0 + 25 + (a1 - a0 - 50) * (i + 0.5) / 4)
        x, y = cx + rx * 0.62 * math.cos(a), cy + ry * 0.66 * math.sin(a)
        if y < hl - 0.5:
            out.append(path(f"M{f(x - 0.9)},{f(y + 0.3)} q0.9,-1.2 1.8,0", fill="none", stroke=MARBLE_DK, stroke_width=0.4))
    # The face: brows, eyes (or shut lids), nose, mouth.
    ey = fy - 0.2
    for x in (cx - 2.3, cx + 2.3):
        out.append(line(x - 1.2, ey - 1.35, x + 1.2, ey - 1.5, stroke=MARBLE_DK, stroke_width=0.6, stroke_linecap="round"))
        if eyes == "open":
            out.append(ellipse(x, ey, 0.85, 0.62, fill="#3a3129"))
        else:
            out.append(path(f"M{f(x - 0.9)},{f(ey)} Q{f(x)},{f(ey + 0.7)} {f(x + 0.9)},{f(ey)}",
                            fill="none", stroke="#3a3129", stroke_width=0.5))
    out.append(poly([(cx + 0.15, ey - 0.2), (cx + 1.05, ey + 2.5), (cx - 0.35, ey + 2.7)], fill=MARBLE_SH))
    out.append(path(f"M{f(cx - 0.2)},{f(ey - 0.4)} L{f(cx - 0.8)},{f(ey + 2.5)} L{f(cx + 0.9)},{f(ey + 2.7)}",
                    fill="none", stroke=INK, stroke_width=0.4, stroke_linejoin="round"))
    my = fy + 3.7 + (0.2 if pitch > 0.5 else 0)
    if eyes == "open":
        out.append(line(cx - 1.3, my, cx + 1.3, my, stroke="#5e5447", stroke_width=0.6, stroke_linecap="round"))
    else:
        out.append(ellipse(cx, my + 0.2, 0.7, 0.55, fill="#3a3129"))
    return out


def turned_head(svg, cx, cy, side, eyes="open"):
    """The head turned almost into profile, nose to the picture's left (side -1) or right (+1)."""
    rx, ry = 5.4, 6.6
    ey = cy + 0.4
    skin = svg.linear([(0, MARBLE_HI), (0.55, MARBLE), (1, MARBLE_SH)], 0, 0, 1, 0.4)
    hair_fill = svg.linear([(0, MARBLE), (1, MARBLE_SH)], 0, 0, 1, 1)
    # Drawn looking left; mirrored for the right.
    out = [ellipse(cx, cy, rx, ry, fill=skin, stroke=INK, stroke_width=0.7)]
    # Brow, nose and chin stand out of the outline on the side the face looks to.
    front = cx - rx
    out.append(path(f"M{f(front + 1.4)},{f(ey - 2.6)} L{f(front - 0.5)},{f(ey - 1.2)} L{f(front - 1.6)},{f(ey + 2.4)} "
                    f"L{f(front + 0.3)},{f(ey + 2.9)} L{f(front + 1.6)},{f(ey + 3.0)} Z", fill=MARBLE_HI, stroke="none"))
    out.append(path(f"M{f(front + 0.1)},{f(ey - 2.2)} L{f(front - 0.5)},{f(ey - 1.2)} L{f(front - 1.6)},{f(ey + 2.4)} "
                    f"L{f(front + 0.3)},{f(ey + 2.9)}", fill="none", stroke=INK, stroke_width=0.55, stroke_linejoin="round"))
    # Hair over the crown and the back of the head, down to the nape.
    a0, a1 = 214, 384
    pts = []
    n = 20
    for i in range(n + 1):
        a = math.radians(a0 + (a1 - a0) * i / n)
        r = 1.07 if i % 2 else 1.0
        pts.append((cx + rx * r * math.cos(a), cy + ry * r * math.sin(a) - 0.2))
    d = f"M{f(pts[0][0])},{f(pts[0][1])} " + " ".join(f"L{f(x)},{f(y)}" for x, y in pts[1:])
    d += (f" Q{f(cx + 2.4)},{f(ey + 2.6)} {f(cx + 1.2)},{f(ey + 1.8)} L{f(cx + 0.4)},{f(ey - 1)}"
          f" Q{f(cx - 1.2)},{f(ey - 2.2)} {f(cx - 2.2)},{f(ey - 2.9)} Q{f(cx - 3.2)},{f(ey - 4.2)} {f(cx - 4.1)},{f(ey - 3.3)}"
          f" Q{f(cx - 4.3)},{f(ey - 4.6)} {f(pts[0][0])},{f(pts[0][1])} Z")
    out.append(path(d, fill=hair_fill, stroke=INK, stroke_width=0.55, stroke_linejoin="round"))
    for x, y in ((cx - 1, cy - 4.2), (cx + 2.2, cy - 3), (cx + 3.2, cy + 0.4)):
        out.append(path(f"M{f(x - 0.9)},{f(y + 0.3)} q0.9,-1.2 1.8,0", fill="none", stroke=MARBLE_DK, stroke_width=0.4))
    # Ear in the middle of the side of the head.
    out.append(ellipse(cx + 0.9, ey + 0.6, 1.2, 1.9, fill=MARBLE_MID, stroke=INK, stroke_width=0.5))
    out.append(path(f"M{f(cx + 1.3)},{f(ey - 0.4)} Q{f(cx + 0.4)},{f(ey + 0.6)} {f(cx + 1.2)},{f(ey + 1.6)}",
                    fill="none", stroke=MARBLE_DK, stroke_width=0.4))
    # The near eye under its brow, the mouth towards the front.
    ex = front + 2.4
    out.append(line(ex - 1.3, ey - 1.5, ex + 0.9, ey - 1.2, stroke=MARBLE_DK, stroke_width=0.6, stroke_linecap="round"))
    if eyes == "open":
        out.append(path(f"M{f(ex - 0.9)},{f(ey)} L{f(ex + 0.6)},{f(ey - 0.55)} L{f(ex + 0.6)},{f(ey + 0.55)} Z", fill="#3a3129"))
    else:
        out.append(line(ex - 0.9, ey + 0.1, ex + 0.7, ey + 0.1, stroke="#3a3129", stroke_width=0.5))
    out.append(line(cx - 3.7, ey + 4.0, cx - 2.1, ey + 3.9, stroke="#5e5447", stroke_width=0.6, stroke_linecap="round"))
    if side > 0:
        out = [group(out, transform=f"translate({f(2 * cx)},0) scale(-1,1)")]
    return out


def bust_body(svg):
    """Toga-draped chest and neck on its small pedestal, for a head centred at (17, 10.5)."""
    toga = svg.linear([(0, MARBLE_HI), (0.5, MARBLE), (1, MARBLE_SH)], 0, 0, 1, 0.5)
    neck = svg.linear([(0, MARBLE), (1, MARBLE_SH)])
    return [
        path(f"M13.9,15 L20.1,15 L21.2,21.6 L12.8,21.6 Z", fill=neck, stroke=INK, stroke_width=0.6),
        path("M4.4,27.5 C4.4,23.1 7.5,21 11.6,20.3 Q17,22.4 22.4,20.3 C26.5,21 29.6,23.1 29.6,27.5 "
             "C26,30.4 21,31 17,31 C13,31 8,30.4 4.4,27.5 Z", fill=toga, stroke=INK, stroke_width=0.7),
        # Folds of the toga, from the left shoulder across the chest.
        path("M8.2,22.6 C11.5,25.7 16.5,27.6 23.8,29.4", fill="none", stroke=MARBLE_SH, stroke_width=0.75),
        path("M6.4,25.4 C10.2,28.2 14.3,29.6 18.6,30.4", fill="none", stroke=MARBLE_SH, stroke_width=0.6),
        path("M22.3,21.4 C24,24 26,25.6 28.8,26.1", fill="none", stroke=MARBLE_SH, stroke_width=0.6),
        path("M11.6,20.3 Q17,22.4 22.4,20.3", fill="none", stroke=MARBLE_DK, stroke_width=0.6),
    ]


def socle(svg):
    m = marble_x(svg)
    return [path("M13.4,33.05 L20.6,33.05 L19.3,31.3 L18.4,30.4 L15.6,30.4 L14.7,31.3 Z", fill=m, stroke=INK,
                 stroke_width=0.5),
            ellipse(17, 32.3, 3.5, 0.75, fill="none", stroke=MARBLE_DK, stroke_width=0.4)]


# Animation: at rest, then turn left, nod down, turn right, look up; cycled 0..4 it reads as a lively head.
FRAMES = [(0.0, 0.0, 0.0), (-1.0, 0.0, -4.0), (0.0, -1.0, 0.0), (1.0, 0.0, 4.0), (0.0, 1.0, 0.0)]


def bust_frame(svg, frame, w, colour):
    yaw, pitch, tilt = FRAMES[frame]
    cy = 10.5 + (0.9 if pitch < 0 else -0.7 if pitch > 0 else 0)
    hd = head(svg, 17 + 0.5 * yaw, cy, yaw, pitch)
    if tilt:
        hd = [group(hd, transform=f"rotate({f(tilt)} 17 16)")]
    return [ground(w, 44, colour)] + capital(svg) + socle(svg) + bust_body(svg) + hd


def slumped(svg, colour, mirror):
    """The error pose: the bust has slid sideways on its pedestal, head hanging on the shoulder, eyes shut."""
    body = bust_body(svg)
    hd = group(head(svg, 17, 11.6, 0, -0.4, eyes="shut"), transform="rotate(-52 17 18)")
    figure = group(body + [hd], transform="rotate(-15 17 31)")
    top = socle(svg) + [figure]
    if mirror:
        top = [group(top, transform="translate(34,0) scale(-1,1)")]
    return [ground(34, 44, colour)] + capital(svg) + top


def defeated(svg, colour):
    """The empty capital under the words VAE VICTIS."""
    out = [ground(34, 44, colour)] + capital(svg)
    # The pedestal's footprint: the bust was here.
    out.append(ellipse(17, 32.6, 3.6, 0.55, fill=MARBLE_SH))
    for word, y, hgt in (("VAE", 5.5, 8.5), ("VICTIS", 18.0, 8.0)):
        out.append(letters.text(word, 17, y, hgt, GOLD_HI, style="small", spacing=14, anchor="middle",
                                shadow=INK, shadow_dx=0.55, shadow_dy=0.6, shadow_w=0.15))
    return out


def toppled_head(svg, mirror):
    """The head alone, fallen on its side, broken off at the neck."""
    neck = svg.linear([(0, MARBLE), (1, MARBLE_SH)])
    parts = [path("M13.9,15 L20.1,15 L20.6,19.2 L19.6,18.4 L18.8,19.6 L17.6,18.6 L16.5,19.7 L15.4,18.5 L14.3,19.5 L13.4,18.6 Z",
                  fill=neck, stroke=INK, stroke_width=0.55, stroke_linejoin="round")]
    parts += head(svg, 17, 10.5, 0, 0.3, eyes="shut")
    # Upright the head spans y 3.9..19.7 around x 17; lay it on its left cheek, crown to the left.
    g = group(parts, transform="translate(12.3,10.5) rotate(-82) scale(1.22) translate(-17,-11.8)")
    if mirror:
        g = group([g], transform="translate(25,0) scale(-1,1)")
    return [g]


# Column shaft and base -----------------------------------------------------------------------------
def column_piece(svg, colour):
    return [ground(34, 31, colour)] + shaft(svg, 0, 31)


def base_piece(svg, colour):
    m = marble_x(svg)
    out = [ground(34, 26, colour)]
    out += shaft(svg, 0, 2.2)
    # Apophyge: the shaft flares into a fillet.
    out.append(path("M7,1.6 Q7.1,3 5.6,3.6 L28.4,3.6 Q26.9,3 27,1.6 Z", fill=m, stroke=INK, stroke_width=0.5))
    out.append(rect(4.6, 3.6, 24.8, 4.6, rx=2.3, fill=m, stroke=INK, stroke_width=0.6))          # upper torus
    out.append(path("M6.6,8.2 L27.4,8.2 Q25.6,9.9 27.4,11.6 L6.6,11.6 Q8.4,9.9 6.6,8.2 Z",
                    fill=MARBLE_SH, stroke=INK, stroke_width=0.5))                                # scotia
    out.append(rect(8.4, 9.6, 17.2, 0.6, fill=MARBLE_DK, fill_opacity=0.6))
    out.append(rect(2.8, 11.6, 28.4, 5.8, rx=2.9, fill=m, stroke=INK, stroke_width=0.6))         # lower torus
    out.append(rect(6, 12.6, 20, 1, rx=0.5, fill=MARBLE_HI, fill_opacity=0.8))
    plinth = svg.linear([(0, MARBLE_HI), (0.4, MARBLE), (1, MARBLE_SH)], 0, 0, 0, 1)
    out.append(rect(1.6, 17.4, 30.8, 8.1, fill=plinth, stroke=INK, stroke_width=0.6))
    out.append(rect(1.9, 24.2, 30.2, 1, fill=MARBLE_DK, fill_opacity=0.5))
    return out


# Relief helpers ---------------------------------------------------------------------------------
def relief(svg, shapes, dx=0.8, dy=1.0):
    """Shapes carved in relief: a shadow cast down-right, then the shapes themselves.
    `shapes` is a list of (builder, fill) where builder(fill, stroke) returns an element."""
    out = []
    for build, _ in shapes:
        out.append(group([build(MARBLE_DK, None)], transform=f"translate({f(dx)},{f(dy)})", opacity=0.55))
    for build, fill in shapes:
        out.append(build(fill, INK_SOFT))
    return out


def mask(svg, cx, cy, s, comic):
    """A theatre mask, s = height."""
    k = s / 28
    face = svg.linear([(0, MARBLE_HI), (1, MARBLE_MID)], 0, 0, 1, 1)
    parts = []
    # Curls framing the face.
    for i in range(9):
        a = math.radians(200 + i * 17.5)
        x, y = 13 * math.cos(a), 14 * math.sin(a) - 1
        parts.append(circle(x, y, 3.3, fill=MARBLE_MID, stroke=INK_SOFT, stroke_width=0.5))
    parts.append(ellipse(0, 1, 10.5, 13.5, fill=face, stroke=INK_SOFT, stroke_width=0.6))
    brow = "M-7.5,-4 Q-4,-7 -1,-4.5 M1,-4.5 Q4,-7 7.5,-4" if comic else "M-7.5,-6 Q-4,-4 -1,-3.6 M1,-3.6 Q4,-4 7.5,-6"
    parts.append(path(brow, fill="none", stroke=INK_SOFT, stroke_width=0.9))
    parts.append(ellipse(-4, -1.6, 2.1, 1.6, fill="#4d463c"))
    parts.append(ellipse(4, -1.6, 2.1, 1.6, fill="#4d463c"))
    parts.append(path("M0,-2 L1.6,4.2 L-1.2,4.6 Z", fill=MARBLE_SH))
    if comic:
        parts.append(path("M-5.5,7 Q0,13 5.5,7 Q0,9.5 -5.5,7 Z", fill="#4d463c", stroke=INK_SOFT, stroke_width=0.4))
    else:
        parts.append(path("M-4.5,10.5 Q0,5.5 4.5,10.5 Q0,8.8 -4.5,10.5 Z", fill="#4d463c", stroke=INK_SOFT, stroke_width=0.4))
    return [group([ellipse(0, 1, 12.5, 15.5, fill=MARBLE_DK)], transform=f"translate({f(cx + 1)},{f(cy + 1.2)}) scale({f(k)})",
                  opacity=0.45),
            group(parts, transform=f"translate({f(cx)},{f(cy)}) scale({f(k)})")]


def fruit(svg, kind, x, y, s):
    """One piece of the garland: apple, grapes, pomegranate, pine cone, pear."""
    out = []
    sh = lambda el: group([el], transform="translate(0.7,0.9)", opacity=0.5)
    lit = svg.radial([(0, MARBLE_HI), (0.7, MARBLE), (1, MARBLE_SH)], 0.35, 0.3, 0.75)
    if kind == "apple":
        out.append(sh(circle(x, y, 3.3 * s, fill=MARBLE_DK)))
        out.append(circle(x, y, 3.3 * s, fill=lit, stroke=INK_SOFT, stroke_width=0.45))
        out.append(path(f"M{f(x)},{f(y - 3 * s)} q0.6,-1.3 1.4,-1.6", fill="none", stroke=INK_SOFT, stroke_width=0.5))
    elif kind == "grapes":
        for dx, dy in ((-2, -2.4), (0, -2.6), (2, -2.4), (-1, -0.6), (1, -0.6), (-2.1, -0.3), (2.1, -0.3), (0, 1.3),
                       (-1, 3), (1, 3), (0, 4.6)):
            out.append(sh(circle(x + dx * s, y + dy * s, 1.25 * s, fill=MARBLE_DK)))
        for dx, dy in ((-2, -2.4), (0, -2.6), (2, -2.4), (-1, -0.6), (1, -0.6), (-2.1, -0.3), (2.1, -0.3), (0, 1.3),
                       (-1, 3), (1, 3), (0, 4.6)):
            out.append(circle(x + dx * s, y + dy * s, 1.25 * s, fill=lit, stroke=INK_SOFT, stroke_width=0.35))
    elif kind == "pomegranate":
        out.append(sh(circle(x, y, 3.1 * s, fill=MARBLE_DK)))
        out.append(circle(x, y, 3.1 * s, fill=lit, stroke=INK_SOFT, stroke_width=0.45))
        out.append(path(f"M{f(x - 1.2 * s)},{f(y - 2.7 * s)} l0.4,-1.4 0.8,0.8 0.8,-0.8 0.4,1.4",
                        fill=MARBLE, stroke=INK_SOFT, stroke_width=0.4))
    elif kind == "cone":
        out.append(sh(ellipse(x, y, 2.3 * s, 3.6 * s, fill=MARBLE_DK)))
        out.append(ellipse(x, y, 2.3 * s, 3.6 * s, fill=lit, stroke=INK_SOFT, stroke_width=0.45))
        for j in range(3):
            yy = y - 2 * s + j * 1.6 * s
            out.append(path(f"M{f(x - 1.8 * s)},{f(yy)} l{f(1.8 * s)},{f(1.1 * s)} l{f(1.8 * s)},{f(-1.1 * s)}",
                            fill="none", stroke=MARBLE_DK, stroke_width=0.4))
    return out


def barrone(svg):
    W, H = 46, 416
    out = [rect(0, 0, W, H, fill=svg.linear([(0, MARBLE_MID), (0.5, MARBLE), (1, MARBLE_SH)]))]
    # Frame mouldings down both edges: stretch-proof vertical stripes.
    for x0, sgn in ((0, 1), (W, -1)):
        for off, wdt, col in ((0, 1.0, MARBLE_DK), (1.0, 1.4, MARBLE_HI), (2.4, 1.4, MARBLE_MID), (3.8, 0.8, MARBLE_DK)):
            x = x0 + sgn * off - (wdt if sgn < 0 else 0)
            out.append(rect(x, 0, wdt, H, fill=col))
    field = svg.linear([(0, MARBLE_SH), (0.12, RELIEF_BG), (0.9, RELIEF_BG), (1, MARBLE_MID)])
    out.append(rect(4.6, 0, W - 9.2, H, fill=field))
    out.append(rect(4.6, 0, 1.2, H, fill=MARBLE_DK, fill_opacity=0.5))  # the field lies deeper than the frame
    rng = random.Random(7)
    masks = [40, 208, 376]
    # Ribbons hanging from each mask.
    for i, my in enumerate(masks):
        for sgn in (-1, 1):
            d = (f"M{f(23 + 6 * sgn)},{f(my + 10)} C{f(23 + 14 * sgn)},{f(my + 18)} {f(23 + 6 * sgn)},{f(my + 26)} "
                 f"{f(23 + 13 * sgn)},{f(my + 34)}")
            out.append(path(d, fill="none", stroke=MARBLE_DK, stroke_width=2.2, transform="translate(0.7,0.9)",
                            stroke_opacity=0.5))
            out.append(path(d, fill="none", stroke=MARBLE_HI, stroke_width=1.6))
            out.append(path(d, fill="none", stroke=INK_SOFT, stroke_width=0.35))
    # The garland between the masks: a rope of laurel leaves carrying fruit, swinging from side to side.
    kinds = ["apple", "grapes", "pomegranate", "cone", "grapes", "apple"]
    leaf_fill = svg.linear([(0, MARBLE_HI), (1, MARBLE_SH)], 0, 0, 1, 1)
    for i in range(len(masks) - 1):
        y0, y1 = masks[i] + 17, masks[i + 1] - 17
        span = y1 - y0
        sway = lambda y: 23 + 6.5 * math.sin(math.pi * 2 * (y - y0) / span) * (1 if i % 2 == 0 else -1)
        y = y0
        j = 0
        while y <= y1:
            x = sway(y)
            for sgn in (-1, 1):
                ang = 90 + sgn * (68 + rng.uniform(-8, 8))
                size = 8.6 + rng.uniform(-1, 1.2)
                lf = lambda fill, stroke, x=x, y=y, ang=ang, size=size: leaf(x, y, ang + 180, size, size * 0.32, fill, stroke, 0.4,
                                                                          vein=MARBLE_SH if stroke else None)
                out += relief(svg, [(lf, leaf_fill)])
            # An inner layer of shorter leaves, pointing down the rope, thickens the bundle.
            if j % 2 == 0:
                for sgn in (-1, 1):
                    ang = 90 + sgn * (30 + rng.uniform(-6, 6))
                    size = 6.4 + rng.uniform(-0.6, 0.8)
                    lf = lambda fill, stroke, x=x, y=y + 2.1, ang=ang, size=size: leaf(x, y, ang + 180, size, size * 0.34, fill, stroke, 0.4)
                    out += relief(svg, [(lf, leaf_fill)])
            y += 4.2
            j += 1
        # Fruit over the rope.
        n = 6
        for k in range(n):
            yy = y0 + span * (k + 0.5) / n
            kind = kinds[(k + i * 2) % len(kinds)]
            out += fruit(svg, kind, sway(yy) + rng.uniform(-1.2, 1.2), yy, 1.35)
    for i, my in enumerate(masks):
        out += mask(svg, 23, my, 28, comic=(i % 2 == 0))
    return out


def spiral_d(cx, cy, r0, turns, direction=1, steps=40, start=0.0):
    pts = []
    for i in range(steps + 1):
        t = i / steps
        a = start + direction * t * turns * 2 * math.pi
        r = r0 * (1 - 0.82 * t)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return "M" + " L".join(f"{f(x)},{f(y)}" for x, y in pts)


def arapacis(svg):
    W, H = 180, 70
    out = [rect(0, 0, W, H, fill=svg.linear([(0, MARBLE_HI), (0.5, MARBLE), (1, MARBLE_MID)], 0, 0, 0.3, 1))]
    # Recessed field inside a frame.
    out.append(rect(4, 4, W - 8, H - 8, fill=RELIEF_BG))
    out.append(path(f"M4,4 H{W - 4} L{W - 5},5 H5 V{H - 5} L4,{H - 4} Z", fill=MARBLE_DK))
    out.append(path(f"M{W - 4},4 V{H - 4} H4 L5,{H - 5} H{W - 5} V5 Z", fill=MARBLE_HI))
    out.append(rect(0.5, 0.5, W - 1, H - 1, fill="none", stroke=INK_SOFT, stroke_width=1))
    # Acanthus scrolls: tendrils rolling out from a central stem, as on the altar's lower frieze.
    scrolls = []
    for sgn in (-1, 1):
        for k, (cx, cy, r) in enumerate(((90 + 30 * sgn, 36, 13), (90 + 62 * sgn, 33, 14))):
            scrolls.append((cx, cy, r, sgn, k))
    tendril = []
    for cx, cy, r, sgn, k in scrolls:
        d = spiral_d(cx, cy, r, 1.15, direction=sgn * (1 if k == 0 else -1), start=math.pi / 2 if k == 0 else -math.pi / 2)
        tendril.append(d)
    # Stem tendrils joining the scrolls.
    tendril.append("M90,64 C90,52 78,50 76,49")
    tendril.append("M90,64 C90,52 102,50 104,49")
    tendril.append("M62,49 C50,56 36,52 28,47")
    tendril.append("M118,49 C130,56 144,52 152,47")
    for d in tendril:
        out.append(path(d, fill="none", stroke=MARBLE_DK, stroke_width=3.2, transform="translate(0.8,1)",
                        stroke_opacity=0.6, stroke_linecap="round"))
    for d in tendril:
        out.append(path(d, fill="none", stroke=MARBLE_HI, stroke_width=2.4, stroke_linecap="round"))
        out.append(path(d, fill="none", stroke=MARBLE_SH, stroke_width=0.5, stroke_linecap="round",
                        transform="translate(0.5,0.6)"))
    leaf_fill = svg.linear([(0, MARBLE_HI), (1, MARBLE_SH)], 0, 0, 1, 1)
    rng = random.Random(3)
    for cx, cy, r, sgn, k in scrolls:
        for j in range(7):
            a = j * 51 + rng.uniform(-10, 10)
            x, y = arc_point(cx, cy, r * 1.02, r * 1.02, a)
            lf = lambda fill, stroke, x=x, y=y, a=a: leaf(x, y, a + 60 * sgn, 6.5, 2.4, fill, stroke, 0.45,
                                                        vein=MARBLE_SH if stroke else None)
            out += relief(svg, [(lf, leaf_fill)])
        # A rosette in each scroll's eye.
        for p in range(6):
            lf = lambda fill, stroke, p=p, cx=cx, cy=cy: leaf(cx, cy, p * 60, 4.2, 1.7, fill, stroke, 0.4)
            out += relief(svg, [(lf, leaf_fill)])
        out.append(circle(cx, cy, 1.2, fill=MARBLE_SH, stroke=INK_SOFT, stroke_width=0.4))
    # Acanthus crown at the foot of the stem.
    for a in (-150, -120, -90, -60, -30):
        lf = lambda fill, stroke, a=a: leaf(90, 65, a, 11, 3, fill, stroke, 0.45, vein=MARBLE_SH if stroke else None)
        out += relief(svg, [(lf, leaf_fill)])
    # Dentils along the top edge.
    x = 6
    while x < W - 8:
        out.append(rect(x + 0.5, 5.6, 3, 2.6, fill=MARBLE_DK, fill_opacity=0.55))
        out.append(rect(x, 5, 3, 2.6, fill=MARBLE, stroke=INK_SOFT, stroke_width=0.3))
        x += 5
    # The name, painted red on the stone with a dark edge and a cast shadow.
    out.append(letters.text("LEXORIO", W / 2, 20, 30, LETTER_RED, style="roman", spacing=14, anchor="middle",
                            outline=INK, outline_w=0.55, shadow=MARBLE_DK, shadow_dx=1.3, shadow_dy=1.5, shadow_w=0.55))
    return out


# Speech balloons ---------------------------------------------------------------------------------
def balloon(svg, body_d, tail_d, fill=None, stroke=INK, sw=3.0):
    """A balloon drawn as one outlined shape: outlines of body and tail first, then both fills over them.
    Without a fill the paper darkens a little towards the lower right, one gradient over the whole picture."""
    if fill is None:
        fill = svg.linear([(0, PARCHMENT), (0.6, "#fffbeb"), (1, "#efe5c8")], 0, 0, svg.w, svg.h, user=True)
    return [path(tail_d, fill=stroke, stroke=stroke, stroke_width=sw * 2, stroke_linejoin="round"),
            path(body_d, fill=stroke, stroke=stroke, stroke_width=sw * 2, stroke_linejoin="round"),
            path(tail_d, fill=fill), path(body_d, fill=fill)]


def cloud_body(x0, y0, x1, y1, r):
    """Rounded, slightly bulging body: a rectangle whose sides swell outwards."""
    bx = (x1 - x0) * 0.025
    by = (y1 - y0) * 0.05
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    return (f"M{f(x0 + r)},{f(y0)} Q{f(mx)},{f(y0 - by)} {f(x1 - r)},{f(y0)} Q{f(x1)},{f(y0)} {f(x1)},{f(y0 + r)} "
            f"Q{f(x1 + bx)},{f(my)} {f(x1)},{f(y1 - r)} Q{f(x1)},{f(y1)} {f(x1 - r)},{f(y1)} "
            f"Q{f(mx)},{f(y1 + by)} {f(x0 + r)},{f(y1)} Q{f(x0)},{f(y1)} {f(x0)},{f(y1 - r)} "
            f"Q{f(x0 - bx)},{f(my)} {f(x0)},{f(y0 + r)} Q{f(x0)},{f(y0)} {f(x0 + r)},{f(y0)} Z")


def fumetto(svg, w, h, body, tail_to, tail_root, width, sw):
    """Balloon of size w x h; body = (x0, y0, x1, y1, r); the tail leaves the body's lower edge around
    tail_root (x) with the given width and curves to the point tail_to."""
    x0, y0, x1, y1, r = body
    tx, ty = tail_to
    a, b = tail_root - width / 2, tail_root + width / 2
    yb = y1 - 6
    bend = 1 if tx < tail_root else -1
    tail = (f"M{f(a)},{f(yb)} Q{f((a + tx) / 2 + 4 * bend)},{f((yb + ty) / 2 + 6)} {f(tx)},{f(ty)} "
            f"Q{f((b + tx) / 2 + 10 * bend)},{f((yb + ty) / 2 - 4)} {f(b)},{f(yb)} Z")
    return balloon(svg, cloud_body(x0, y0, x1, y1, r), tail, sw=sw)


def nuvola(svg, tail_right):
    W, H = 143, 70
    out = [rect(0, 0, W, H, fill=RED)]
    if tail_right:
        body = cloud_body(3.5, 4, 123, 66, 24)
        tail = "M114,30 Q128,36 140,44 Q128,48 112,50 Z"
    else:
        body = cloud_body(20, 4, 139.5, 66, 24)
        tail = "M31,30 Q15,36 3,44 Q15,48 31,50 Z"
    out += balloon(svg, body, tail, fill="#ffffff", stroke=INK, sw=1.2)
    return out

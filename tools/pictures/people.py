"""Portraits of the six authors, the About portrait, the button picture and the icon.

Every portrait is drawn on the same 70 x 70 plan (face centred at 35,31, shoulders from y 50) and each
author carries one attribute that tells him apart at a glance.
"""
import math

import letters
from svg import *


# Shared parts ------------------------------------------------------------------------------------
def panel(svg, light, dark, w=70, h=70):
    """Painted ground inside a thin gilt frame, like a panel portrait."""
    g = svg.radial([(0, light), (1, dark)], 0.5, 0.38, 0.75)
    return [rect(0, 0, w, h, fill=g)]


def frame(w=70, h=70):
    return [rect(1.6, 1.6, w - 3.2, h - 3.2, fill="none", stroke=GOLD, stroke_width=1.0),
            rect(0.5, 0.5, w - 1, h - 1, fill="none", stroke=INK, stroke_width=1.0)]


def skin_fill(svg, tone=SKIN):
    return svg.linear([(0, SKIN_HI), (0.45, tone), (1, SKIN_SH)], 0, 0, 1, 0.6)


def face_d(cx, cy, w, jaw, chin, top=17):
    """Face outline: w half width at the cheekbones, jaw half width near the mouth, chin below the centre."""
    return (f"M{f(cx - w)},{f(cy - 3)} C{f(cx - w)},{f(cy - top + 3)} {f(cx - w * 0.55)},{f(cy - top)} {f(cx)},{f(cy - top)} "
            f"C{f(cx + w * 0.55)},{f(cy - top)} {f(cx + w)},{f(cy - top + 3)} {f(cx + w)},{f(cy - 3)} "
            f"C{f(cx + w)},{f(cy + 5)} {f(cx + jaw)},{f(cy + chin - 2)} {f(cx)},{f(cy + chin)} "
            f"C{f(cx - jaw)},{f(cy + chin - 2)} {f(cx - w)},{f(cy + 5)} {f(cx - w)},{f(cy - 3)} Z")


def neck(svg, cx=35, top=40, bottom=54, half=5.5):
    return [path(f"M{f(cx - half)},{f(top)} L{f(cx + half)},{f(top)} L{f(cx + half + 1)},{f(bottom)} L{f(cx - half - 1)},{f(bottom)} Z",
                 fill=svg.linear([(0, SKIN), (1, SKIN_SH)]), stroke=INK, stroke_width=0.8),
            path(f"M{f(cx - half)},{f(top + 3)} Q{f(cx)},{f(top + 6)} {f(cx + half)},{f(top + 3)}", fill="none",
                 stroke=SKIN_SH, stroke_width=1.2, stroke_opacity=0.8)]


def ears(svg, cx, cy, w, tone=SKIN):
    out = []
    for s in (-1, 1):
        x = cx + s * (w - 0.3)
        out.append(ellipse(x, cy + 1, 2.4, 4, fill=tone, stroke=INK, stroke_width=0.8))
        out.append(path(f"M{f(x + s * 0.6)},{f(cy - 1.5)} Q{f(x - s * 1)},{f(cy + 1)} {f(x + s * 0.5)},{f(cy + 3.5)}",
                        fill="none", stroke=SKIN_DK, stroke_width=0.6))
    return out


def eyes(cx, ey, gap=5, iris="#4a3222", look=0.0, lid=0.0, brow=0.0, brow_tilt=0.0, brow_w=1.1, brow_col=None,
         size=1.0):
    """Two eyes; look shifts the irises sideways, lid droops the upper lids, brow raises (+) the brows and
    brow_tilt lifts their inner ends (+, worried) or lowers them (-, stern)."""
    out = []
    bc = brow_col or INK
    for s in (-1, 1):
        x = cx + s * gap
        rx, ry = 2.5 * size, 1.5 * size
        out.append(ellipse(x, ey, rx, ry, fill="#fbf7ef", stroke=INK, stroke_width=0.5))
        out.append(circle(x + look * 1.1, ey + 0.1, 1.25 * size, fill=iris))
        out.append(circle(x + look * 1.1, ey + 0.1, 0.55 * size, fill="#140d08"))
        out.append(circle(x + look * 1.1 - 0.45, ey - 0.4, 0.35 * size, fill="#ffffff"))
        # Upper lid: a firm line, lowered over the eye when tired.
        out.append(path(f"M{f(x - rx - 0.3)},{f(ey + 0.2)} Q{f(x)},{f(ey - ry * 1.6 + lid * 2.2)} {f(x + rx + 0.3)},{f(ey + 0.2)}",
                        fill=SKIN if lid else "none", stroke=INK, stroke_width=0.85))
        by = ey - 3.4 - brow
        inner, outer = x - s * 2.6, x + s * 3.0
        out.append(path(f"M{f(inner)},{f(by - brow_tilt)} Q{f(x)},{f(by - 1.3)} {f(outer)},{f(by + 0.6 + 0.3 * brow_tilt)}",
                        fill="none", stroke=bc, stroke_width=brow_w, stroke_linecap="round"))
    return out


def nose(cx, top, tip, w=2.2, hook=0.0):
    return [path(f"M{f(cx - 0.6)},{f(top)} Q{f(cx + 1.4 + hook)},{f((top + tip) / 2)} {f(cx + 1.0 + hook)},{f(tip)} "
                 f"Q{f(cx)},{f(tip + 1.2)} {f(cx - w * 0.5)},{f(tip + 0.3)}", fill="none", stroke=SKIN_DK, stroke_width=0.9,
                 stroke_linecap="round"),
            path(f"M{f(cx - w)},{f(tip - 0.4)} q-0.8,1 0.2,1.5", fill="none", stroke=SKIN_DK, stroke_width=0.7),
            path(f"M{f(cx + w + 0.4)},{f(tip - 0.4)} q0.8,1 -0.2,1.5", fill="none", stroke=SKIN_DK, stroke_width=0.7)]


def mouth(cx, my, w=4.0, smile=1.0, open_=0.0, lip="#b9604f"):
    out = []
    if open_:
        out.append(path(f"M{f(cx - w)},{f(my)} Q{f(cx)},{f(my + smile + open_ * 2)} {f(cx + w)},{f(my)} "
                        f"Q{f(cx)},{f(my + smile * 0.3)} {f(cx - w)},{f(my)} Z", fill="#5a2018", stroke=INK, stroke_width=0.7))
        out.append(path(f"M{f(cx - w * 0.7)},{f(my + 0.3)} Q{f(cx)},{f(my + smile * 0.55)} {f(cx + w * 0.7)},{f(my + 0.3)}",
                        fill="none", stroke="#ffffff", stroke_width=0.9))
    else:
        out.append(path(f"M{f(cx - w)},{f(my - smile * 0.4)} Q{f(cx)},{f(my + smile)} {f(cx + w)},{f(my - smile * 0.4)}",
                        fill="none", stroke=INK, stroke_width=0.9, stroke_linecap="round"))
        out.append(path(f"M{f(cx - w * 0.55)},{f(my + 1.3 + smile * 0.3)} Q{f(cx)},{f(my + 2.3 + smile * 0.3)} "
                        f"{f(cx + w * 0.55)},{f(my + 1.3 + smile * 0.3)}", fill="none", stroke=lip, stroke_width=0.8,
                        stroke_opacity=0.8))
    return out


def cheeks(cx, cy, gap=7.5, colour="#e27a6e", opacity=0.35):
    return [ellipse(cx - gap, cy, 2.6, 1.7, fill=colour, fill_opacity=opacity),
            ellipse(cx + gap, cy, 2.6, 1.7, fill=colour, fill_opacity=opacity)]


def drape(svg, colour, shade, stripe=None):
    """Toga over both shoulders, a fold across the chest from the left shoulder."""
    g = svg.linear([(0, colour), (1, shade)], 0, 0, 1, 1)
    out = [path("M3,70 C4,60 13,53 27,51.5 Q35,55 43,51.5 C57,53 66,60 67,70 Z", fill=g, stroke=INK, stroke_width=0.9),
           path("M27,51.5 Q35,58 43,51.5", fill="none", stroke=INK, stroke_width=0.8),
           path("M14,55 C26,60 40,64 52,70", fill="none", stroke=shade, stroke_width=1.6),
           path("M9,60 C20,64 31,67 38,70", fill="none", stroke=shade, stroke_width=1.2),
           path("M46,53 C50,57 56,60 63,62", fill="none", stroke=shade, stroke_width=1.1)]
    if stripe:
        out.insert(1, path("M20,52.8 C30,60 42,64 55,70", fill="none", stroke=stripe, stroke_width=3.2))
    return out


# The six authors --------------------------------------------------------------------------------------
def cicero(svg):
    """The orator: toga with the purple border, a scroll raised in his hand, receding grey hair."""
    cx, cy = 36, 30
    out = panel(svg, "#e8c06a", "#a8741e")
    out += drape(svg, TOGA, TOGA_SH, stripe=PURPLE)
    out += neck(svg, cx, 40, 54, 5.2)
    out += ears(svg, cx, cy, 11.3)
    out.append(path(face_d(cx, cy, 11.5, 6.5, 17), fill=skin_fill(svg), stroke=INK, stroke_width=0.9))
    # Hair only at the sides and a thin crown: a high, lined forehead.
    hair = "#857664"
    out.append(path(f"M{cx - 11.8},{cy - 1} C{cx - 13},{cy - 9} {cx - 10},{cy - 14} {cx - 6},{cy - 15} "
                    f"C{cx - 8},{cy - 11} {cx - 10},{cy - 7} {cx - 10.2},{cy - 1} Z", fill=hair, stroke=INK, stroke_width=0.7))
    out.append(path(f"M{cx + 11.8},{cy - 1} C{cx + 13},{cy - 9} {cx + 10},{cy - 14} {cx + 6},{cy - 15} "
                    f"C{cx + 8},{cy - 11} {cx + 10},{cy - 7} {cx + 10.2},{cy - 1} Z", fill=hair, stroke=INK, stroke_width=0.7))
    out.append(path(f"M{cx - 7},{cy - 15.2} Q{cx},{cy - 18.5} {cx + 7},{cy - 15.2} Q{cx},{cy - 16.4} {cx - 7},{cy - 15.2} Z",
                    fill=hair, stroke=INK, stroke_width=0.5))
    for dy in (0, 2.6):
        out.append(path(f"M{cx - 5},{cy - 10 + dy} Q{cx},{cy - 11.6 + dy} {cx + 5},{cy - 10 + dy}", fill="none",
                        stroke=SKIN_SH, stroke_width=0.7))
    out += eyes(cx, cy, gap=5, iris="#5a4630", brow=0.8, brow_tilt=0.6, brow_col="#6d6050")
    out += nose(cx, cy, cy + 7.5, hook=0.8)
    out += [path(f"M{cx - 5.5},{cy + 6} Q{cx - 6.5},{cy + 9} {cx - 4.6},{cy + 11}", fill="none", stroke=SKIN_SH, stroke_width=0.7),
            path(f"M{cx + 5.5},{cy + 6} Q{cx + 6.5},{cy + 9} {cx + 4.6},{cy + 11}", fill="none", stroke=SKIN_SH, stroke_width=0.7)]
    out += mouth(cx, cy + 11.2, w=3.4, smile=0.6, open_=1.0)
    # The scroll, raised in the right hand as he speaks.
    out.append(group([
        rect(-3.2, -12, 6.4, 24, rx=1.2, fill=svg.linear([(0, "#fff3d2"), (0.5, "#efdcab"), (1, "#c6ad72")]),
             stroke=INK, stroke_width=0.8),
        ellipse(0, -12, 3.4, 1.3, fill="#8a5a2b", stroke=INK, stroke_width=0.6),
        ellipse(0, 12, 3.4, 1.3, fill="#8a5a2b", stroke=INK, stroke_width=0.6),
        line(-1.5, -6, 1.5, -6, stroke="#a88b55", stroke_width=0.5), line(-1.5, -3, 1.5, -3, stroke="#a88b55", stroke_width=0.5),
        path("M-5,2 C-5,-2 5,-2 5,2 L5,7 C5,9 -5,9 -5,7 Z", fill=SKIN, stroke=INK, stroke_width=0.8),
        path("M-5,4.3 H3 M-5,6.5 H3", fill="none", stroke=SKIN_DK, stroke_width=0.6),
    ], transform="translate(13,54) rotate(-18)"))
    return out + frame()


def caesar(svg):
    """The general: laurel wreath, red cloak with a gold brooch over the cuirass, lean stern face."""
    cx, cy = 35, 31
    out = panel(svg, "#8a5aa6", "#351848")
    bronze = svg.linear([(0, "#f0c878"), (0.5, "#c8913a"), (1, "#7c5218")], 0, 0, 1, 1)
    out.append(path("M16,70 C17,60 24,54 35,54 C46,54 53,60 54,70 Z", fill=bronze, stroke=INK, stroke_width=0.8))
    out.append(path("M26,62 Q35,66 44,62 M29,68 Q35,70 41,68", fill="none", stroke="#7c5218", stroke_width=0.8))
    cloak = svg.linear([(0, "#d23a2c"), (1, "#7d1612")], 0, 0, 1, 1)
    out.append(path("M3,70 C4,60 12,53 26,51.5 C22,56 20,62 21,70 Z", fill=cloak, stroke=INK, stroke_width=0.9))
    out.append(path("M67,70 C66,60 58,53 44,51.5 C48,56 50,62 49,70 Z", fill=cloak, stroke=INK, stroke_width=0.9))
    out.append(path("M9,62 C12,60 16,60 19,62 M8,67 C12,65 15,65 20,66", fill="none", stroke="#7d1612", stroke_width=0.9))
    out += neck(svg, cx, 41, 55, 5)
    out.append(circle(23, 55, 3.4, fill=svg.radial([(0, GOLD_HI), (1, GOLD_DK)], 0.35, 0.35, 0.7), stroke=INK,
                      stroke_width=0.7))
    out.append(circle(23, 55, 1.2, fill="#b3261e"))
    out += ears(svg, cx, cy, 10.6)
    out.append(path(face_d(cx, cy, 10.8, 5.5, 17.5), fill=skin_fill(svg, "#dba582"), stroke=INK, stroke_width=0.9))
    # Short hair combed forward in a fringe.
    hair = svg.linear([(0, "#7a5a40"), (1, "#3e2a1c")], 0, 0, 0, 1)
    out.append(path(f"M{cx - 11.4},{cy - 2} C{cx - 12.5},{cy - 15} {cx - 5},{cy - 19.5} {cx},{cy - 19.2} "
                    f"C{cx + 6},{cy - 19.5} {cx + 12.5},{cy - 15} {cx + 11.4},{cy - 2} L{cx + 9.8},{cy - 8} "
                    f"L{cx + 7},{cy - 10.6} L{cx + 4},{cy - 9.8} L{cx + 1.2},{cy - 11} L{cx - 1.8},{cy - 9.8} "
                    f"L{cx - 4.8},{cy - 10.8} L{cx - 7.6},{cy - 9.6} L{cx - 9.8},{cy - 8} Z",
                    fill=hair, stroke=INK, stroke_width=0.7, stroke_linejoin="round"))
    # The laurel wreath, both branches meeting over the brow.
    out += laurel_branch(svg, cx, cy - 2, 13.6, 168, 262, 7, 6.2, sw=0.45, berries=False)
    out += laurel_branch(svg, cx, cy - 2, 13.6, 12, -82, 7, 6.2, sw=0.45, berries=False)
    out += eyes(cx, cy, gap=4.8, iris="#3c3026", brow=-0.2, brow_tilt=-0.9, brow_w=1.3)
    out += nose(cx, cy, cy + 7.5, hook=0.4)
    # Lean cheeks.
    out += [path(f"M{cx - 7.8},{cy + 3} Q{cx - 7},{cy + 8} {cx - 5},{cy + 11}", fill="none", stroke=SKIN_SH, stroke_width=0.8),
            path(f"M{cx + 7.8},{cy + 3} Q{cx + 7},{cy + 8} {cx + 5},{cy + 11}", fill="none", stroke=SKIN_SH, stroke_width=0.8)]
    out += mouth(cx, cy + 11.5, w=3.6, smile=-0.3)
    return out + frame()


def catullus(svg):
    """The young poet: tousled black curls, flushed cheeks, Lesbia's sparrow on his shoulder."""
    cx, cy = 35, 32
    out = panel(svg, "#eaa0aa", "#9c4255")
    tunic = svg.linear([(0, "#f0b24a"), (1, "#b86f16")], 0, 0, 1, 1)
    out.append(path("M4,70 C5,60 14,53 28,52 L35,60 L42,52 C56,53 65,60 66,70 Z", fill=tunic, stroke=INK, stroke_width=0.9))
    out.append(path("M28,52 L35,60 L42,52", fill="none", stroke="#8a520f", stroke_width=1.2))
    out += neck(svg, cx, 41, 56, 5)
    out.append(path("M31,54 L35,59.5 L39,54 Z", fill=SKIN, stroke="none"))
    out += ears(svg, cx, cy, 10.8)
    out.append(path(face_d(cx, cy, 11, 7, 16), fill=skin_fill(svg, "#ecbb96"), stroke=INK, stroke_width=0.9))
    # Tousled curls: a mop of locks, some falling over the brow, a few sticking out.
    hair = svg.linear([(0, "#4a3428"), (1, "#15100c")], 0, 0, 0.6, 1)
    locks = []
    for i in range(15):
        a = math.radians(150 + i * 17)
        r = 14.5 + (2.5 if i % 2 else 0)
        locks.append((cx + r * math.cos(a), cy - 3 + r * 0.95 * math.sin(a)))
    d = f"M{f(cx - 12)},{f(cy + 1)} " + " ".join(f"Q{f((x + cx) / 2 + (x - cx) * 0.5)},{f((y + cy - 3) / 2 + (y - cy + 3) * 0.55)} {f(x)},{f(y)}"
                                                  for x, y in locks)
    d += (f" L{f(cx + 12)},{f(cy + 1)} Q{f(cx + 11)},{f(cy - 6)} {f(cx + 7)},{f(cy - 8)} Q{f(cx + 6)},{f(cy - 5)} {f(cx + 3)},{f(cy - 6)} "
          f"Q{f(cx + 1)},{f(cy - 9)} {f(cx - 2)},{f(cy - 6.5)} Q{f(cx - 4)},{f(cy - 4.5)} {f(cx - 6)},{f(cy - 7.5)} "
          f"Q{f(cx - 10)},{f(cy - 6)} {f(cx - 12)},{f(cy + 1)} Z")
    out.append(path(d, fill=hair, stroke=INK, stroke_width=0.7, stroke_linejoin="round"))
    for x, y, a in ((cx - 7, cy - 13, 20), (cx + 2, cy - 14.5, -10), (cx + 9, cy - 11, -40), (cx - 12, cy - 6, 70)):
        out.append(path(f"M{f(x)},{f(y)} q2,-1 3,1 q-1,1.5 -2.5,0.5", fill="none", stroke="#6b5040", stroke_width=0.7,
                        transform=f"rotate({a} {f(x)} {f(y)})"))
    out += cheeks(cx, cy + 5, 7, opacity=0.5)
    out += eyes(cx, cy, gap=4.8, iris="#2f4c66", look=0.4, brow=0.6, brow_tilt=1.2, brow_col="#2a1e16")
    out += nose(cx, cy + 0.5, cy + 7)
    out += mouth(cx, cy + 11, w=3.2, smile=0.3, lip="#c4505a")
    # Lesbia's sparrow.
    bird = group([
        path("M-6,2 L-12,5 L-11,1 Z", fill="#6d4a2e", stroke=INK, stroke_width=0.6),
        ellipse(0, 0, 6.5, 4.6, fill=svg.linear([(0, "#b98a5a"), (1, "#6d4a2e")], 0, 0, 0, 1), stroke=INK, stroke_width=0.7),
        ellipse(0, 2.2, 4.4, 2.2, fill="#e9dcc4"),
        path("M-3,-2 C0,-3 3,-1 2,2 C0,1 -2,0.5 -3,-2 Z", fill="#5b3c24", stroke=INK, stroke_width=0.5),
        circle(5.5, -3.5, 3.2, fill="#8f6440", stroke=INK, stroke_width=0.7),
        ellipse(6.2, -2.3, 1.6, 1.2, fill="#e9dcc4"),
        path("M8.4,-4 L11,-3.3 L8.5,-2.6 Z", fill="#e0a030", stroke=INK, stroke_width=0.4),
        circle(6.6, -4.3, 0.65, fill="#140d08"),
        path("M-1,4.5 L-1.5,6.5 M1.5,4.5 L1.2,6.5", stroke="#7a4a20", stroke_width=0.7),
    ], transform="translate(55,47.5)")
    out.append(bird)
    return out + frame()


def vergilius(svg):
    """The epic poet: dark wavy hair, a thoughtful look, the book of the Aeneid held to his chest."""
    cx, cy = 35, 30
    out = panel(svg, "#5fb0a5", "#1f5a55")
    out += drape(svg, "#f1ead6", "#c9bc9a")
    out += neck(svg, cx, 40, 54, 5.2)
    out += ears(svg, cx, cy, 10.8)
    out.append(path(face_d(cx, cy, 10.9, 6, 17), fill=skin_fill(svg), stroke=INK, stroke_width=0.9))
    hair = svg.linear([(0, "#5a3a24"), (1, "#2a190e")], 0, 0, 0.5, 1)
    out.append(path(f"M{cx - 11.5},{cy + 4} C{cx - 15},{cy - 6} {cx - 12},{cy - 19} {cx},{cy - 19} "
                    f"C{cx + 12},{cy - 19} {cx + 15},{cy - 6} {cx + 11.5},{cy + 4} C{cx + 10.5},{cy - 2} {cx + 10},{cy - 7} {cx + 6},{cy - 10} "
                    f"C{cx + 3},{cy - 8} {cx - 1},{cy - 11} {cx - 3},{cy - 9.5} C{cx - 6},{cy - 11} {cx - 9},{cy - 8} {cx - 10},{cy - 4} "
                    f"C{cx - 10.5},{cy - 1} {cx - 11},{cy + 1} {cx - 11.5},{cy + 4} Z", fill=hair, stroke=INK, stroke_width=0.7))
    for x, y in ((cx - 8, cy - 14), (cx - 2, cy - 16), (cx + 5, cy - 15), (cx + 10, cy - 9)):
        out.append(path(f"M{x - 2},{y + 1} Q{x},{y - 1.5} {x + 2},{y + 1}", fill="none", stroke="#7a5638", stroke_width=0.7))
    out += eyes(cx, cy, gap=4.8, iris="#3e2c1e", look=-0.5, lid=0.35, brow=0.2, brow_tilt=0.3, brow_col="#2a190e")
    out += nose(cx, cy, cy + 7.5, hook=0.2)
    out += mouth(cx, cy + 11.2, w=3.2, smile=0.2)
    # The book: red cover, gilt border and title.
    cover = svg.linear([(0, "#b23a2e"), (1, "#6a1a14")], 0, 0, 1, 1)
    book = [
        rect(-1, 1, 28, 18, rx=1.2, fill="#e9dfc4", stroke=INK, stroke_width=0.7),
        rect(-2.5, -0.5, 28, 18, rx=1.4, fill=cover, stroke=INK, stroke_width=0.9),
        rect(-0.5, 1.5, 24, 14, fill="none", stroke=GOLD, stroke_width=0.7),
        letters.text("AENEIS", 11.5, 5.4, 4.4, GOLD_HI, style="small", spacing=14, anchor="middle"),
        path("M4,13 H19", stroke=GOLD, stroke_width=0.6),
    ]
    out.append(group(book, transform="translate(23,53) rotate(-4)"))
    # Hands holding it.
    for x, y in ((21.5, 66), (49.5, 64.5)):
        out.append(ellipse(x, y, 3, 3.6, fill=SKIN, stroke=INK, stroke_width=0.8))
        out.append(path(f"M{x - 1.6},{y - 1} h3 M{x - 1.6},{y + 1} h3", stroke=SKIN_DK, stroke_width=0.5))
    return out + frame()


def horatius(svg):
    """The lyric poet: round cheerful face, short curls, the lyre at his side."""
    cx, cy = 37, 31
    out = panel(svg, "#6f95d0", "#243d6c")
    tunic = svg.linear([(0, "#9bb04c"), (1, "#566b1c")], 0, 0, 1, 1)
    out.append(path("M4,70 C5,60 14,53 28,52 Q37,57 46,52 C60,53 67,60 67,70 Z", fill=tunic, stroke=INK, stroke_width=0.9))
    out.append(path("M28,52 Q37,57 46,52", fill="none", stroke="#45561a", stroke_width=1.1))
    out += neck(svg, cx, 42, 55, 5.8)
    out += ears(svg, cx, cy + 1, 12.2)
    out.append(path(face_d(cx, cy + 1, 12.4, 9.5, 16), fill=skin_fill(svg, "#eab38c"), stroke=INK, stroke_width=0.9))
    # Short curls all round, a little grey.
    hair = "#3f2e22"
    curls = []
    for i in range(11):
        a = math.radians(175 + i * 19)
        curls.append(circle(cx + 12 * math.cos(a), cy - 3 + 12.5 * math.sin(a), 3.3, fill=hair, stroke=INK, stroke_width=0.6))
    out += curls
    out.append(path(f"M{cx - 10},{cy - 6} Q{cx},{cy - 17} {cx + 10},{cy - 6} Q{cx},{cy - 11} {cx - 10},{cy - 6} Z", fill=hair))
    out += cheeks(cx, cy + 6, 8, opacity=0.45)
    out += eyes(cx, cy + 0.5, gap=5.2, iris="#3c2a1a", brow=0.6, brow_col="#3f2e22", size=0.9, lid=0.25)
    out += nose(cx, cy + 1, cy + 7.5, w=2.6)
    out += mouth(cx, cy + 11, w=4.8, smile=2.2, open_=1.2)
    out.append(path(f"M{cx - 4},{cy + 16.6} Q{cx},{cy + 18} {cx + 4},{cy + 16.6}", fill="none", stroke=SKIN_SH, stroke_width=0.8))
    # The lyre: tortoise-shell sound box, two curved gilt arms, a yoke and strings.
    gold = svg.linear([(0, GOLD_HI), (1, GOLD_DK)], 0, 0, 1, 0)
    lyre = [
        path("M-7,2 C-10,-6 -12,-14 -8,-22 C-7,-24 -4,-24 -5,-21 C-7,-15 -5,-8 -3,-1 Z", fill=gold, stroke=INK, stroke_width=0.7),
        path("M7,2 C10,-6 12,-14 8,-22 C7,-24 4,-24 5,-21 C7,-15 5,-8 3,-1 Z", fill=gold, stroke=INK, stroke_width=0.7),
        rect(-9, -20.5, 18, 2.2, rx=1.1, fill=gold, stroke=INK, stroke_width=0.7),
        ellipse(0, 4, 8.5, 6.5, fill=svg.radial([(0, "#c08a4a"), (1, "#5c3412")]), stroke=INK, stroke_width=0.8),
        path("M-5,1 L-2,5 L2,5 L5,1 M-2,5 L-3,9 M2,5 L3,9", fill="none", stroke="#3a200a", stroke_width=0.6),
        rect(-4.5, 0.2, 9, 1.4, fill=gold, stroke=INK, stroke_width=0.4),
    ]
    for x in (-3, -1, 1, 3):
        lyre.append(line(x, -18.3, x * 1.1, 0.4, stroke="#f8f0d8", stroke_width=0.45))
    out.append(group(lyre, transform="translate(16.5,56) rotate(-7)"))
    out.append(ellipse(23.5, 58.5, 3, 3.5, fill=SKIN, stroke=INK, stroke_width=0.8))
    return out + frame()


def seneca(svg):
    """The philosopher: bald crown, long grey beard, furrowed brow and sunken cheeks."""
    cx, cy = 35, 30
    out = panel(svg, "#8a97a8", "#363e4c")
    out += drape(svg, "#b9ad98", "#7d725f")
    out += neck(svg, cx, 40, 54, 5)
    out += ears(svg, cx, cy, 10.6, tone="#d9a383")
    out.append(path(face_d(cx, cy, 10.8, 6.5, 17, top=18), fill=skin_fill(svg, "#d9a383"), stroke=INK, stroke_width=0.9))
    # The bald crown catches the light.
    out.append(ellipse(cx - 4, cy - 13.5, 3.6, 1.8, fill="#ffffff", fill_opacity=0.55, transform=f"rotate(-20 {cx - 4} {cy - 13.5})"))
    grey = svg.linear([(0, "#f2efe8"), (1, "#a9a398")], 0, 0, 0.4, 1)
    for s in (-1, 1):
        out.append(path(f"M{cx + s * 11.2},{cy + 3} C{cx + s * 12.6},{cy - 3} {cx + s * 12.4},{cy - 8} {cx + s * 9.5},{cy - 11} "
                        f"C{cx + s * 10.4},{cy - 6} {cx + s * 10.2},{cy - 2} {cx + s * 9.2},{cy + 3} Z", fill=grey, stroke=INK,
                        stroke_width=0.6))
    for dy in (0, 2.4, 4.8):
        out.append(path(f"M{cx - 6 + dy * 0.3},{cy - 12.5 + dy} Q{cx},{cy - 14 + dy} {cx + 6 - dy * 0.3},{cy - 12.5 + dy}",
                        fill="none", stroke=SKIN_DK, stroke_width=0.6, stroke_opacity=0.8))
    out += [path(f"M{cx - 7.6},{cy + 2} Q{cx - 7.8},{cy + 5} {cx - 6.8},{cy + 7}", fill="none", stroke=SKIN_DK, stroke_width=0.8),
            path(f"M{cx + 7.6},{cy + 2} Q{cx + 7.8},{cy + 5} {cx + 6.8},{cy + 7}", fill="none", stroke=SKIN_DK, stroke_width=0.8)]
    out += eyes(cx, cy, gap=4.8, iris="#4c4a3a", lid=0.55, brow=-0.2, brow_tilt=1.0, brow_w=1.9, brow_col="#d8d4cc")
    out += nose(cx, cy, cy + 7.6, hook=1.0)
    # Long beard and moustache over the mouth.
    out.append(path(f"M{cx - 10.6},{cy + 2} C{cx - 10},{cy + 10} {cx - 8},{cy + 17} {cx - 4},{cy + 22} L{cx - 2},{cy + 19.5} "
                    f"L{cx},{cy + 24} L{cx + 2},{cy + 19.5} L{cx + 4},{cy + 22} C{cx + 8},{cy + 17} {cx + 10},{cy + 10} {cx + 10.6},{cy + 2} "
                    f"C{cx + 8},{cy + 8} {cx + 5},{cy + 10} {cx},{cy + 12.4} C{cx - 5},{cy + 10} {cx - 8},{cy + 8} {cx - 10.6},{cy + 2} Z",
                    fill=grey, stroke=INK, stroke_width=0.7, stroke_linejoin="round"))
    out.append(path(f"M{cx - 5.5},{cy + 11.5} C{cx - 3},{cy + 8.4} {cx - 1},{cy + 9} {cx},{cy + 9.6} C{cx + 1},{cy + 9} {cx + 3},{cy + 8.4} "
                    f"{cx + 5.5},{cy + 11.5} C{cx + 3},{cy + 10.6} {cx + 1},{cy + 11} {cx},{cy + 11.6} C{cx - 1},{cy + 11} {cx - 3},{cy + 10.6} "
                    f"{cx - 5.5},{cy + 11.5} Z", fill="#ddd8cf", stroke=INK, stroke_width=0.6))
    for x in (-5, -2.5, 0, 2.5, 5):
        out.append(path(f"M{cx + x},{cy + 14} q{-x * 0.1},4 {x * 0.15},8", fill="none", stroke="#9c968a", stroke_width=0.6))
    return out + frame()


# About box and icons ---------------------------------------------------------------------------------
def autore(svg):
    """Our Latin teacher at the blackboard: glasses, a kind smile, a bow tie."""
    W, H = 140, 174
    out = [rect(0, 0, W, H, fill=svg.linear([(0, "#8a5a32"), (1, "#5a3418")], 0, 0, 1, 1))]
    board = svg.radial([(0, "#3f6a52"), (1, "#203a2c")], 0.5, 0.4, 0.8)
    out.append(rect(6, 6, W - 12, 116, fill=board, stroke="#3a200c", stroke_width=1.2))
    chalk = "#eef2e6"
    out.append(group([letters.text("ROSA ROSAE", 70, 11, 9, chalk, style="mono", spacing=16, anchor="middle")], opacity=0.85))
    out.append(group([letters.text("AMO AMAS AMAT", 70, 23.5, 7, chalk, style="mono", spacing=16, anchor="middle")], opacity=0.75))
    out.append(rect(6, 120, W - 12, 4, fill="#6d4220", stroke="#3a200c", stroke_width=0.8))
    out.append(rect(100, 117.5, 9, 2.6, rx=1, fill="#ffffff"))
    # The teacher, drawn on the portraits' plan at twice their scale.
    cx, cy = 70, 77
    k = 2.3
    jacket = svg.linear([(0, "#9a7a52"), (1, "#5e4428")], 0, 0, 1, 1)
    body = [
        path("M8,174 C10,150 28,138 52,134 L70,150 L88,134 C112,138 130,150 132,174 Z", fill=jacket, stroke=INK, stroke_width=1.2),
        path("M52,134 L70,168 L88,134 L80,131 L70,146 L60,131 Z", fill="#fbfaf6", stroke=INK, stroke_width=1),
        path("M52,134 L62,160 L70,168 M88,134 L78,160 L70,168", fill="none", stroke="#4a3420", stroke_width=1.4),
        # Lapels.
        path("M52,134 L60,131 L66,150 L58,156 Z", fill="#7c5c38", stroke=INK, stroke_width=1),
        path("M88,134 L80,131 L74,150 L82,156 Z", fill="#7c5c38", stroke=INK, stroke_width=1),
        # Bow tie.
        path("M70,142 L60,137 L60,147 Z M70,142 L80,137 L80,147 Z", fill="#b3261e", stroke=INK, stroke_width=1),
        circle(70, 142, 2.2, fill="#8a1a14", stroke=INK, stroke_width=0.8),
        # Breast pocket with the red pen of every Latin teacher.
        rect(99.5, 146, 2.4, 12, rx=1, fill="#c8171b", stroke=INK, stroke_width=0.6),
        rect(99.9, 145, 1.6, 3, fill=GOLD, stroke=INK, stroke_width=0.4),
        path("M94,152 L109,151 L109.6,160 L94.6,161 Z", fill="#6e5030", stroke=INK, stroke_width=0.8),
    ]
    head = []
    head += neck(svg, 35, 38, 54, 6)
    head += ears(svg, 35, 31, 11.2)
    head.append(path(face_d(35, 31, 11.4, 7.5, 16.5), fill=skin_fill(svg, "#ebb892"), stroke=INK, stroke_width=0.7))
    hair = svg.linear([(0, "#8a6a4a"), (1, "#4a3422")], 0, 0, 0.5, 1)
    head.append(path("M23.6,30 C21.5,18 26,12 35,12 C44,12 49,18 46.4,30 C46,25 45,22 43,20.5 C38,22.5 31,21 27.5,18.6 "
                     "C25.5,21 24.2,25 23.6,30 Z", fill=hair, stroke=INK, stroke_width=0.6))
    head += cheeks(35, 36, 7.6, opacity=0.4)
    head += eyes(35, 30, gap=4.9, iris="#3a5a78", brow=0.5, brow_col="#4a3422", size=0.9, lid=0.3)
    # Round spectacles.
    for s in (-1, 1):
        head.append(circle(35 + s * 4.9, 30, 3.9, fill="#ffffff", fill_opacity=0.12, stroke="#3b2f25", stroke_width=0.7))
    head.append(path("M33.4,29.6 Q35,28.6 36.6,29.6", fill="none", stroke="#3b2f25", stroke_width=0.6))
    head.append(path("M26.1,29.4 L23.8,28.6 M43.9,29.4 L46.2,28.6", stroke="#3b2f25", stroke_width=0.6))
    head += nose(35, 31, 37.2, w=2.1)
    # Trimmed beard round a broad smile.
    beard = "#6b5038"
    head.append(path("M24.2,33 C24.8,41 29,47.2 35,47.5 C41,47.2 45.2,41 45.8,33 C44,38 41,40 35,40.4 C29,40 26,38 24.2,33 Z",
                     fill=beard, stroke=INK, stroke_width=0.5))
    head += mouth(35, 41.2, w=4.2, smile=1.8, open_=1.0)
    head.append(path("M31,39.3 Q35,37.8 39,39.3", fill="none", stroke=beard, stroke_width=1.3))
    out.append(group(head, transform=f"translate({cx - 35 * k},{cy - 31 * k}) scale({k})"))
    # Shoulders drawn after the head so the collar covers the foot of the neck.
    out.append(group(body, transform="translate(70,174) scale(1.12) translate(-70,-174)"))
    out.append(rect(0.6, 0.6, W - 1.2, H - 1.2, fill="none", stroke=INK, stroke_width=1.2))
    return out


def bottone(svg):
    """A gilt cameo: a white profile head on red, inside a laurel wreath."""
    out = []
    out += laurel_branch(svg, 16, 16, 13, 100, 250, 6, 5.2, sw=0.35, berries=False)
    out += laurel_branch(svg, 16, 16, 13, 80, -70, 6, 5.2, sw=0.35, berries=False)
    out.append(ellipse(16, 16, 8.6, 10, fill=svg.linear([(0, GOLD_HI), (1, GOLD_DK)], 0, 0, 1, 1), stroke=INK, stroke_width=0.7))
    out.append(ellipse(16, 16, 7, 8.4, fill="#a8302a", stroke=GOLD_DK, stroke_width=0.5))
    profile = ("M13.2,23.4 C13.4,21.2 12.8,20 11.8,19 C10.6,17.2 10.4,13.6 12.2,11.2 C13.8,9 17,8.6 19,10 "
               "C20.2,11 20.6,12.4 20.4,13.6 L21.6,15.8 L20.6,16.2 L20.8,17.4 L20.3,17.7 L20.6,18.5 C20.2,19.4 19,19.4 18,19.3 "
               "L18.4,21.6 C17.2,22.8 15,23.4 13.2,23.4 Z")
    out.append(path(profile, fill=MARBLE_HI, stroke=INK, stroke_width=0.45, stroke_linejoin="round"))
    out.append(path("M12.4,12.6 C13.6,10.4 16.4,9.6 18.6,10.4 C16.2,11 14.6,12.4 14.4,14.6 C13.6,13.8 12.8,13.4 12.4,12.6 Z",
                    fill=MARBLE_SH))
    out.append(circle(18.4, 13.6, 0.45, fill=INK))
    return out


def icon(svg):
    """The application's icon: a red Roman L on a marble disc inside a laurel wreath."""
    out = [circle(32, 32, 30.5, fill=svg.radial([(0, MARBLE_HI), (0.7, MARBLE), (1, MARBLE_SH)], 0.4, 0.35, 0.7),
                  stroke=INK, stroke_width=1.4),
           circle(32, 32, 27.5, fill="none", stroke=GOLD, stroke_width=1.2)]
    out += laurel_branch(svg, 32, 32, 23, 98, 255, 8, 8.5, sw=0.5, berries=True)
    out += laurel_branch(svg, 32, 32, 23, 82, -75, 8, 8.5, sw=0.5, berries=True)
    # The twigs tied with a red ribbon at the foot.
    out.append(path("M32,54 C28,51 24,51 24.5,54.5 C25,57.5 29,56.5 32,54 Z M32,54 C36,51 40,51 39.5,54.5 "
                    "C39,57.5 35,56.5 32,54 Z", fill=LETTER_RED, stroke=INK, stroke_width=0.6))
    out.append(path("M31,54.5 L27.5,61 L29.8,60.2 L30.6,62.4 L32.6,55 Z M33,54.5 L36.5,61 L34.2,60.2 L33.4,62.4 L31.4,55 Z",
                    fill="#a01014", stroke=INK, stroke_width=0.5, stroke_linejoin="round"))
    out.append(circle(32, 54.2, 1.6, fill=LETTER_RED, stroke=INK, stroke_width=0.6))
    out.append(letters.text("L", 32, 18.5, 27, LETTER_RED, style="roman", anchor="middle", outline=INK, outline_w=0.9,
                            shadow=MARBLE_DK, shadow_dx=1.4, shadow_dy=1.6, shadow_w=0.9))
    return out


def pictures():
    out = []
    for n, build in enumerate((cicero, caesar, catullus, vergilius, horatius, seneca), start=1):
        out.append((f"foto{n}", 70, 70, False, build))
    out.append(("autore", 140, 174, False, autore))
    out.append(("bottone", 32, 32, False, bottone))
    out.append(("lexorio", 64, 64, False, icon))
    return out

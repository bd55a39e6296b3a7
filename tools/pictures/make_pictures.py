#!/usr/bin/env python3
"""Writes every picture of the game as SVG into assets/pictures (or the folder given).

Usage: python3 tools/pictures/make_pictures.py [output folder]
The SVG files are committed; run this again after changing a drawing and look at the result with
tools/render_pictures.cpp.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import board  # noqa: E402
import people  # noqa: E402
from svg import BLUE, RED, Svg  # noqa: E402


def pictures():
    """(file name, width, height, stretchable, builder(svg) -> elements)."""
    out = []
    for prefix, colour, mirror in (("imr", BLUE, False), ("iml", RED, True)):
        for i in range(5):
            w = 33 if i == 4 else 34
            out.append((f"{prefix}{i}", w, 44, False, lambda s, i=i, w=w, c=colour: board.bust_frame(s, i, w, c)))
        out.append((f"{prefix}5", 34, 44, False, lambda s, c=colour: board.defeated(s, c)))
        out.append((f"{prefix}6", 34, 44, False, lambda s, c=colour, m=mirror: board.slumped(s, c, m)))
        out.append((f"{prefix}7", 25, 21, False, lambda s, m=mirror: board.toppled_head(s, m)))
    for n, colour in ((1, BLUE), (2, RED)):
        out.append((f"colonna{n}", 34, 31, True, lambda s, c=colour: board.column_piece(s, c)))
        out.append((f"base{n}", 34, 26, False, lambda s, c=colour: board.base_piece(s, c)))
    out.append(("barrone", 46, 416, True, board.barrone))
    out.append(("arapacis", 180, 70, False, board.arapacis))
    # Large balloons: the quote sits in the upper part, the tail sweeps down to the speaker's side.
    out.append(("fumetto1", 290, 288, False,
                lambda s: board.fumetto(s, 290, 288, (4, 4, 286, 150, 36), (8, 283), 92, 46, 2.2)))
    out.append(("fumetto2", 290, 288, False,
                lambda s: board.fumetto(s, 290, 288, (4, 4, 286, 150, 36), (282, 283), 198, 46, 2.2)))
    out.append(("fumetto3", 158, 161, False,
                lambda s: board.fumetto(s, 158, 161, (3, 3, 155, 100, 30), (6, 157), 52, 30, 1.8)))
    out.append(("fumetto4", 145, 158, False,
                lambda s: board.fumetto(s, 145, 158, (3, 3, 142, 100, 30), (139, 154), 95, 30, 1.8)))
    out.append(("nuvola1", 143, 70, False, lambda s: board.nuvola(s, tail_right=True)))
    out.append(("nuvola2", 143, 70, False, lambda s: board.nuvola(s, tail_right=False)))
    out += people.pictures()
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    dest = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "assets", "pictures")
    os.makedirs(dest, exist_ok=True)
    for name, w, h, stretch, build in pictures():
        svg = Svg(w, h, stretch)
        for element in build(svg):
            svg.add(element)
        with open(os.path.join(dest, name + ".svg"), "w", encoding="utf-8") as fh:
            fh.write(svg.text())
    return 0


if __name__ == "__main__":
    sys.exit(main())

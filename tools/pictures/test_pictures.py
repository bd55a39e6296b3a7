#!/usr/bin/env python3
"""Checks the committed pictures: the set of files and their sizes, the SVG features QtSvg can draw,
the grounds the board relies on, and that the files are what the generator writes.

Run: python3 tools/pictures/test_pictures.py
"""
import math
import os
import re
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.normpath(os.path.join(HERE, "..", "..", "assets", "pictures"))
sys.path.insert(0, HERE)

import letters  # noqa: E402
import make_pictures  # noqa: E402
from svg import Svg  # noqa: E402

NS = "{http://www.w3.org/2000/svg}"

EXPECTED = {"fumetto1": (290, 288), "fumetto2": (290, 288), "fumetto3": (158, 161), "fumetto4": (145, 158),
            "barrone": (46, 416), "arapacis": (180, 70), "colonna1": (34, 31), "colonna2": (34, 31),
            "base1": (34, 26), "base2": (34, 26), "nuvola1": (143, 70), "nuvola2": (143, 70),
            "autore": (140, 174), "bottone": (32, 32), "lexorio": (64, 64)}
for side in ("imr", "iml"):
    for i in range(7):
        EXPECTED[f"{side}{i}"] = (33 if i == 4 else 34, 44)
    EXPECTED[f"{side}7"] = (25, 21)
for i in range(1, 7):
    EXPECTED[f"foto{i}"] = (70, 70)

BLUE, RED = "#0000ff", "#ff0000"
GROUNDS = {**{f"imr{i}": BLUE for i in range(7)}, **{f"iml{i}": RED for i in range(7)},
           "colonna1": BLUE, "base1": BLUE, "colonna2": RED, "base2": RED, "nuvola1": RED, "nuvola2": RED}
TRANSPARENT = ["fumetto1", "fumetto2", "fumetto3", "fumetto4", "imr7", "iml7", "bottone", "lexorio"]

# What QtSvg 6.4 ignores or draws differently from machine to machine.
FORBIDDEN_ELEMENTS = {"style", "filter", "mask", "clipPath", "text", "textPath", "tspan", "image", "font", "pattern",
                      "foreignObject", "script", "use", "symbol"}
FORBIDDEN_ATTRIBUTES = {"style", "class", "filter", "mask", "clip-path", "font-family", "font-size"}


def load(name):
    return ET.parse(os.path.join(ASSETS, name + ".svg")).getroot()


def read(name):
    with open(os.path.join(ASSETS, name + ".svg"), encoding="utf-8") as fh:
        return fh.read()


def local(tag):
    return tag[len(NS):] if tag.startswith(NS) else tag


def drawn(root):
    """The drawing elements in painting order, defs left out."""
    out = []

    def walk(node):
        for child in node:
            t = local(child.tag)
            if t == "defs":
                continue
            if t == "g":
                walk(child)
            else:
                out.append(child)
    walk(root)
    return out


def covers(el, w, h):
    return (local(el.tag) == "rect" and float(el.get("x", 0)) <= 0 and float(el.get("y", 0)) <= 0
            and float(el.get("width")) >= w and float(el.get("height")) >= h)


class FilesAndFormat(unittest.TestCase):
    def test_every_picture_present_with_its_size(self):
        present = {n[:-4] for n in os.listdir(ASSETS) if n.endswith(".svg")}
        self.assertEqual(present, set(EXPECTED))
        for name, (w, h) in EXPECTED.items():
            with self.subTest(name):
                root = load(name)
                self.assertEqual((root.get("width"), root.get("height")), (str(w), str(h)))
                self.assertEqual(root.get("viewBox"), f"0 0 {w} {h}")

    def test_only_what_qtsvg_draws(self):
        for name in EXPECTED:
            with self.subTest(name):
                root = load(name)
                ids = {el.get("id") for el in root.iter() if el.get("id")}
                for el in root.iter():
                    self.assertNotIn(local(el.tag), FORBIDDEN_ELEMENTS)
                    self.assertFalse(FORBIDDEN_ATTRIBUTES & set(el.attrib))
                    for value in el.attrib.values():
                        for ref in re.findall(r"url\(#([^)]+)\)", value):
                            self.assertIn(ref, ids, "reference to a missing gradient")

    def test_committed_files_are_what_the_generator_draws(self):
        with tempfile.TemporaryDirectory() as tmp:
            sys.argv = ["make_pictures.py", tmp]
            make_pictures.main()
            made = sorted(os.listdir(tmp))
            self.assertEqual(made, sorted(n + ".svg" for n in EXPECTED))
            for n in made:
                with self.subTest(n), open(os.path.join(tmp, n), encoding="utf-8") as fh:
                    self.assertEqual(fh.read(), read(n[:-4]), "regenerate with tools/pictures/make_pictures.py")


class Grounds(unittest.TestCase):
    def test_board_pieces_stand_on_their_players_colour(self):
        for name, colour in GROUNDS.items():
            with self.subTest(name):
                root = load(name)
                w, h = EXPECTED[name]
                first = drawn(root)[0]
                self.assertTrue(covers(first, w, h), "the ground must fill the picture")
                self.assertEqual(first.get("fill").lower(), colour)

    def test_transparent_surrounds_have_no_ground(self):
        for name in TRANSPARENT:
            with self.subTest(name):
                w, h = EXPECTED[name]
                self.assertFalse(any(covers(el, w, h) for el in drawn(load(name))))

    def test_shaft_pieces_stretch_cleanly(self):
        # Stretched taller as the column grows: only full-height vertical bands, no aspect ratio kept.
        for name in ("colonna1", "colonna2"):
            with self.subTest(name):
                root = load(name)
                self.assertEqual(root.get("preserveAspectRatio"), "none")
                for el in drawn(root):
                    self.assertEqual(local(el.tag), "rect")
                    self.assertEqual((float(el.get("y")), float(el.get("height"))), (0.0, 31.0))
        self.assertEqual(load("barrone").get("preserveAspectRatio"), "none")

    def test_left_series_is_the_right_one_on_red_with_the_fall_mirrored(self):
        # Frames and the defeat pose match colour for colour; the slump and the fallen head lean the other way,
        # towards the middle of the board, where the head picture is placed.
        for i in range(8):
            with self.subTest(i):
                a, b = read(f"imr{i}"), read(f"iml{i}")
                if i < 6:
                    self.assertEqual(a.replace(BLUE, RED), b)
                else:
                    self.assertNotIn("scale(-1,1)", a)
                    self.assertIn("scale(-1,1)", b)


def path_points(d):
    """End and control points of a path made of absolute M, L, H, V, C, Q commands."""
    pts, x, y = [], 0.0, 0.0
    for cmd, args in re.findall(r"([MLHVCQ])([^MLHVCQZ]*)", d):
        nums = [float(v) for v in re.findall(r"-?\d+(?:\.\d+)?", args)]
        if cmd == "H":
            for x in nums:
                pts.append((x, y))
        elif cmd == "V":
            for y in nums:
                pts.append((x, y))
        else:
            for x, y in zip(nums[::2], nums[1::2]):
                pts.append((x, y))
    return pts


class Lettering(unittest.TestCase):
    def glyph_extent(self, ch, style):
        """Left, right, top and bottom of a glyph's ink in grid units, strokes' widths included."""
        width, strokes = letters.GLYPHS[ch]
        st = letters.STYLES[style]
        xs, ys = [], []
        for s in strokes:
            kind = s[0]
            if kind == "l":
                _, x1, y1, x2, y2, cls = s
                pts = letters._band(x1, y1, x2, y2, st[cls])
            elif kind == "bar":
                _, x1, x2, pos, cls = s
                w = st[cls]
                y = w / 2 if pos == "top" else 100 - w / 2 if pos == "bot" else pos
                pts = letters._band(x1, y, x2, y, w)
            elif kind == "serif":
                _, x1, x2, pos = s
                y = st["thin"] / 2 if pos == "top" else 100 - st["thin"] / 2
                pts = letters._band(x1, y, x2, y, st["thin"]) if st["serif"] else []
            elif kind == "p":
                half = letters._weight(style, "mid" if s[2] == "mid" else s[2]) / 2
                pts = [(x + dx, y) for x, y in path_points(s[1].replace("{t}", "4")) for dx in (-half, half)]
            elif kind == "band":
                cx, cy, rxo, ryo, _, _, a0, a1 = s[1:]
                pts = [(cx + rxo * math.cos(math.radians(a)), cy + ryo * math.sin(math.radians(a)))
                       for a in range(int(a1), int(a0) + 361)]
            else:  # ring
                cx, cy, rxo, ryo = s[1:5]
                pts = [(cx - rxo, cy - ryo), (cx + rxo, cy + ryo)]
            xs += [x for x, _ in pts]
            ys += [y for _, y in pts]
        return width, (min(xs), max(xs), min(ys), max(ys)) if xs else None

    def test_glyphs_keep_to_their_cells(self):
        # A glyph reaching into its neighbour's cell or past the cap and base lines would make lettering
        # collide or misalign at any size.
        for style in letters.STYLES:
            for ch in letters.GLYPHS:
                with self.subTest(style=style, ch=ch):
                    width, ext = self.glyph_extent(ch, style)
                    if ext is None:
                        continue
                    left, right, top, bottom = ext
                    # Letters are set at least 12 units apart: a few units of overhang never touch.
                    self.assertGreaterEqual(left, -4.5)
                    self.assertLessEqual(right, width + 4.5)
                    self.assertGreaterEqual(top, -2)
                    self.assertLessEqual(bottom, 102)

    def test_words_stay_inside_their_pictures(self):
        # Every inscription, at the height and place its picture uses, fits the picture's width.
        for word, height, spacing, width in (("LEXORIO", 30, 14, 180 - 16), ("VAE", 8.5, 14, 34), ("VICTIS", 8.0, 14, 34),
                                             ("AENEIS", 4.4, 14, 24), ("AMO AMAS AMAT", 7, 16, 128)):
            with self.subTest(word):
                self.assertLessEqual(letters.measure(word, spacing) * height / 100, width)

    def test_equal_gradients_are_defined_once(self):
        svg = Svg(10, 10)
        a = svg.linear([(0, "#000000"), (1, "#ffffff")])
        b = svg.linear([(0, "#000000"), (1, "#ffffff")])
        c = svg.linear([(0, "#000000"), (1, "#fffffe")])
        self.assertEqual(a, b)
        self.assertNotEqual(a, c)
        self.assertEqual(len(svg.defs), 2)


if __name__ == "__main__":
    unittest.main()

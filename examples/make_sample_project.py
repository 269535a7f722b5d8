#!/usr/bin/env python3
"""Writes the "Quest" sample project that Brindlework can be started on.

Usage: make_sample_project.py [target folder]   (default: Quest next to this script)

The project holds two character classes, four finished items (server data, description,
icon, and one appearance file) and a RESOURCES folder of pictures for starting new items.
Text files are single-byte ASCII with CR LF line ends. Icons are 32 x 32 uncompressed
24-bit Windows bitmaps whose bottom-left pixel is the magenta transparent colour.
Running the script again rewrites every file byte for byte the same.
"""

import math
import os
import struct
import sys

SIZE = 32
TRANSPARENT = (255, 0, 255)
OUTLINE = (40, 26, 30)

# Light falls from the upper left and slightly towards the viewer.
_LIGHT = (-0.55, -0.6, 0.58)
_LIGHT_LEN = math.sqrt(sum(c * c for c in _LIGHT))
LIGHT = tuple(c / _LIGHT_LEN for c in _LIGHT)


# ---------------------------------------------------------------- text files


def text_bytes(lines):
    """Joins lines into ASCII bytes, every line (the last one too) ended by CR LF."""
    return b"".join(line.encode("ascii") + b"\r\n" for line in lines)


def write_file(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- pixel canvas


class Canvas:
    """A 32 x 32 picture, row 0 at the top; None marks the transparent background."""

    def __init__(self):
        self.pixels = [[None] * SIZE for _ in range(SIZE)]

    def inside(self, x, y):
        return 0 <= x < SIZE and 0 <= y < SIZE

    def get(self, x, y):
        return self.pixels[y][x] if self.inside(x, y) else None

    def put(self, x, y, colour):
        if self.inside(x, y):
            self.pixels[y][x] = colour

    def points(self, colour, coords):
        for x, y in coords:
            self.put(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Draws a one pixel wide Bresenham line, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def thick_line(self, x0, y0, x1, y1, colour, width=2):
        for i in range(width):
            self.line(x0 + i, y0, x1 + i, y1, colour)

    def shape(self, test, paint):
        """Calls paint(x, y) for every pixel whose centre passes test(px, py)."""
        for y in range(SIZE):
            for x in range(SIZE):
                if test(x + 0.5, y + 0.5):
                    paint(x, y)

    def ellipse(self, cx, cy, rx, ry, colour):
        self.shape(lambda px, py: ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0,
                   lambda x, y: self.put(x, y, colour))

    def shaded_ellipse(self, cx, cy, rx, ry, ramp, clip=None):
        """Fills an ellipse lit like a sphere, picking colours from ramp (dark to light)."""

        def test(px, py):
            inside = ((px - cx) / rx) ** 2 + ((py - cy) / ry) ** 2 <= 1.0
            return inside and (clip is None or clip(px, py))

        def paint(x, y):
            nx, ny = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
            self.put(x, y, ramp_colour(ramp, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]))

        self.shape(test, paint)

    def polygon(self, corners, colour):
        self.shape(lambda px, py: point_in_polygon(px, py, corners), lambda x, y: self.put(x, y, colour))

    def outline(self, colour=OUTLINE):
        """Puts colour on every background pixel beside the drawing (left, right, above or below)."""
        steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        edge = [(x, y) for y in range(SIZE) for x in range(SIZE)
                if self.pixels[y][x] is None and any(self.get(x + dx, y + dy) is not None for dx, dy in steps)]
        self.points(colour, edge)

    def sprite(self, top_left, rows, palette):
        """Copies a small character picture; '.' leaves the pixel as it is."""
        x0, y0 = top_left
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.put(x0 + dx, y0 + dy, palette[ch])


def ramp_colour(ramp, intensity):
    """Maps a lighting intensity of about -1..1 to one colour of the ramp."""
    level = (intensity + 0.15) / 1.05
    index = int(level * len(ramp))
    return ramp[max(0, min(len(ramp) - 1, index))]


def point_in_polygon(px, py, corners):
    inside = False
    for i in range(len(corners)):
        (x0, y0), (x1, y1) = corners[i], corners[i - 1]
        if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


# ---------------------------------------------------------------- colours

RED = [(96, 12, 24), (150, 22, 34), (200, 40, 44), (236, 84, 72), (255, 160, 140)]
GOLD = [(110, 70, 16), (168, 116, 28), (218, 168, 44), (246, 210, 92), (255, 244, 180)]
BRONZE = [(88, 50, 24), (136, 82, 36), (182, 116, 52), (216, 156, 82), (244, 206, 140)]
STEEL = [(70, 78, 92), (112, 122, 138), (156, 166, 180), (200, 208, 218), (240, 244, 250)]
WOOD = [(74, 44, 22), (112, 68, 34), (150, 98, 52), (184, 132, 74)]
PARCHMENT = [(150, 112, 62), (196, 156, 96), (226, 196, 138), (244, 224, 174), (252, 242, 208)]
GLASS = [(120, 150, 170), (170, 200, 214), (210, 232, 240)]
BLUE = [(20, 40, 100), (34, 70, 160), (60, 110, 210), (110, 160, 240), (200, 226, 255)]
GREEN = [(24, 78, 30), (44, 122, 44), (78, 168, 60), (140, 210, 96)]
TEAL = [(10, 70, 70), (20, 120, 110), (40, 176, 150), (110, 224, 196), (210, 255, 240)]
WHITE = (255, 255, 255)
INK = (92, 52, 30)
INK_RED = (176, 30, 30)


# ---------------------------------------------------------------- item icons


def healing_draught():
    """A round red potion flask with a cork."""
    c = Canvas()
    c.shaded_ellipse(16, 21, 10, 9.5, GLASS)
    c.rect(13, 6, 18, 13, GLASS[1])
    c.rect(13, 6, 14, 13, GLASS[2])
    # The draught fills the lower part of the flask, with a lighter surface line.
    c.shaded_ellipse(16, 21, 8.6, 8.2, RED, clip=lambda px, py: py > 16)
    c.shape(lambda px, py: 16 < py < 18 and ((px - 16) / 8.6) ** 2 + ((py - 21) / 8.2) ** 2 <= 1.0,
            lambda x, y: c.put(x, y, RED[3]))
    c.rect(12, 4, 19, 6, GLASS[0])
    c.rect(13, 1, 18, 4, WOOD[2])
    c.rect(13, 1, 14, 3, WOOD[3])
    c.rect(17, 2, 18, 4, WOOD[1])
    c.outline()
    # Gleam on the glass and two rising bubbles.
    c.points(WHITE, [(9, 17), (9, 18), (10, 16), (11, 15), (9, 19)])
    c.points(RED[4], [(19, 21), (21, 19), (17, 24)])
    c.points(WHITE, [(14, 8), (14, 9), (14, 10)])
    return c


def ruby_ring():
    """A gold ring set with a red gem."""
    c = Canvas()
    c.shaded_ellipse(16, 20, 11, 10, GOLD)
    # Punch the hole with the background again, slightly off centre for a bit of depth.
    c.shape(lambda px, py: ((px - 16) / 6.8) ** 2 + ((py - 20.6) / 6.0) ** 2 <= 1.0,
            lambda x, y: c.put(x, y, None))
    c.rect(11, 8, 20, 11, GOLD[1])
    c.rect(11, 8, 20, 8, GOLD[3])
    c.polygon([(9, 5), (23, 5), (22, 6.5), (16, 14), (10, 6.5)], GOLD[2])
    c.sprite((11, 1), [
        "...1111...",
        "..143221..",
        ".14432221.",
        "1433222221",
        "1322222200",
        ".12222200.",
        "..122200..",
        "...1100...",
    ], {"0": RED[0], "1": RED[1], "2": RED[2], "3": RED[3], "4": RED[4]})
    c.outline()
    c.points(WHITE, [(13, 3), (6, 15), (7, 14)])
    c.points(GOLD[4], [(5, 17), (5, 18), (8, 13), (9, 12)])
    return c


def bronze_helm():
    """A rounded bronze helmet with eye holes, a nose guard and cheek pieces."""
    c = Canvas()
    c.shaded_ellipse(16, 18, 12, 15, BRONZE, clip=lambda px, py: py < 21 or px < 11 or px > 21)
    # Face opening between the cheek pieces, with the nose guard left standing.
    c.rect(11, 21, 20, 31, None)
    c.rect(15, 17, 16, 26, BRONZE[2])
    c.rect(15, 17, 15, 26, BRONZE[3])
    # Brow band and crest.
    c.rect(4, 14, 27, 16, BRONZE[1])
    c.rect(4, 14, 27, 14, BRONZE[3])
    c.rect(15, 3, 16, 13, BRONZE[0])
    c.rect(15, 3, 15, 13, BRONZE[4])
    c.outline()
    c.sprite((9, 18), [
        "..00000..00000..",
        ".000000..000000.",
        "..00000..00000..",
    ], {"0": OUTLINE})
    c.points(BRONZE[4], [(6, 15), (10, 15), (21, 15), (25, 15), (6, 22), (25, 22)])
    c.points(WHITE, [(9, 7), (10, 6), (8, 8)])
    return c


def ancient_map():
    """A parchment map between two rolled ends, with a trail to a red cross."""
    c = Canvas()
    c.rect(6, 6, 25, 25, PARCHMENT[3])
    c.rect(6, 6, 25, 6, PARCHMENT[2])
    c.rect(6, 25, 25, 25, PARCHMENT[1])
    for x0 in (2, 25):
        c.rect(x0, 4, x0 + 4, 27, PARCHMENT[2])
        c.rect(x0 + 1, 4, x0 + 1, 27, PARCHMENT[4])
        c.rect(x0 + 3, 4, x0 + 4, 27, PARCHMENT[1])
        c.rect(x0 + 1, 3, x0 + 3, 3, PARCHMENT[1])
        c.rect(x0 + 1, 28, x0 + 3, 28, PARCHMENT[0])
    c.outline()
    # Hills, a tree and a lake drawn in ink.
    c.sprite((8, 8), [
        "...0.....0....",
        "..0.0...0.0...",
        ".0...0.0...0..",
        "0.....0.....0.",
    ], {"0": INK})
    c.sprite((20, 18), [
        ".22.",
        "2222",
        ".22.",
        ".0..",
    ], {"0": INK, "2": GREEN[1]})
    c.sprite((9, 20), [
        ".3333.",
        "333333",
        ".3333.",
    ], {"3": BLUE[3]})
    c.points(BLUE[4], [(11, 21)])
    # Dotted trail from the lake to the cross.
    c.points(INK_RED, [(14, 19), (15, 17), (17, 16), (19, 15)])
    c.sprite((21, 9), [
        "3...3",
        ".3.3.",
        "..3..",
        ".3.3.",
        "3...3",
    ], {"3": INK_RED})
    return c


# ---------------------------------------------------------------- resource pictures


def staff():
    """A wizard's wooden staff whose forked head holds a glowing blue orb."""
    c = Canvas()
    c.thick_line(5, 29, 20, 12, WOOD[1], width=3)
    c.line(5, 29, 20, 12, WOOD[3])
    c.line(7, 29, 22, 12, WOOD[0])
    c.shaded_ellipse(23.5, 8.5, 5.5, 5.5, BLUE)
    # Two prongs of the fork hug the orb from the left and from below.
    c.points(WOOD[2], [(17, 6), (17, 7), (17, 8), (17, 9), (17, 10), (18, 11), (18, 12)])
    c.points(WOOD[1], [(20, 15), (21, 15), (22, 15), (23, 15), (24, 15), (25, 14)])
    c.rect(17, 13, 20, 15, GOLD[2])
    c.rect(17, 13, 18, 13, GOLD[3])
    c.outline()
    c.points(WHITE, [(21, 5), (20, 6), (22, 5)])
    c.points(BLUE[4], [(28, 1), (13, 5)])
    return c


def shield():
    """A blue heater shield with a silver rim and a golden cross."""
    c = Canvas()
    rim = [(3, 3), (28, 3), (28, 15), (24, 23), (16, 29.5), (8, 23), (3, 15)]
    face = [(5.5, 5.5), (25.5, 5.5), (25.5, 15), (22, 21.5), (16, 27), (10, 21.5), (5.5, 15)]
    c.polygon(rim, STEEL[2])
    c.polygon(face, BLUE[2])
    c.shape(lambda px, py: point_in_polygon(px, py, face) and px > 16,
            lambda x, y: c.put(x, y, BLUE[1]))
    c.rect(14, 6, 17, 26, GOLD[2])
    c.rect(6, 12, 25, 15, GOLD[2])
    c.rect(14, 6, 14, 26, GOLD[3])
    c.rect(6, 12, 25, 12, GOLD[3])
    c.rect(17, 6, 17, 26, GOLD[1])
    c.rect(6, 15, 25, 15, GOLD[1])
    c.rect(3, 3, 28, 3, STEEL[4])
    c.rect(3, 3, 3, 15, STEEL[3])
    c.outline()
    c.points(WHITE, [(7, 7), (8, 7), (7, 8)])
    return c


def axe():
    """A woodcutter's axe with a steel blade on a wooden haft."""
    c = Canvas()
    c.thick_line(7, 29, 21, 4, WOOD[1], width=3)
    c.line(7, 29, 21, 4, WOOD[3])
    c.polygon([(14, 6), (21, 9), (27, 2.5), (30, 10), (27, 18), (21, 12), (14, 13)], STEEL[2])
    c.shape(lambda px, py: point_in_polygon(px, py, [(14, 6), (21, 9), (27, 2.5), (30, 10), (27, 18), (21, 12),
                                                     (14, 13)]) and py > 10,
            lambda x, y: c.put(x, y, STEEL[1]))
    c.line(27, 3, 29, 10, STEEL[4])
    c.line(29, 10, 27, 17, STEEL[3])
    c.rect(15, 7, 18, 12, STEEL[0])
    c.outline()
    c.points(WOOD[0], [(9, 26), (11, 22), (10, 24)])
    c.points(WHITE, [(26, 5), (27, 7)])
    return c


def apple():
    """A shiny red apple with a stalk and a leaf."""
    c = Canvas()
    c.shaded_ellipse(16, 19, 12, 10.5, RED)
    # A shallow dip where the stalk grows out.
    c.shape(lambda px, py: ((px - 16) / 3.5) ** 2 + ((py - 7.5) / 2.5) ** 2 <= 1.0,
            lambda x, y: c.put(x, y, None))
    c.points(RED[1], [(15, 10), (16, 10), (17, 10), (14, 9), (18, 9)])
    c.line(16, 9, 17, 3, WOOD[1])
    c.line(17, 9, 18, 3, WOOD[0])
    c.polygon([(18, 6), (22, 2.5), (27, 3), (24, 7), (19, 7.5)], GREEN[2])
    c.line(19, 6, 25, 4, GREEN[0])
    c.outline()
    c.points(WHITE, [(8, 13), (9, 12), (8, 14), (10, 11)])
    c.points(RED[4], [(7, 16), (7, 17)])
    return c


def scroll():
    """An open scroll of spell writing between two wooden rods."""
    c = Canvas()
    c.rect(7, 6, 24, 25, PARCHMENT[3])
    c.rect(22, 6, 24, 25, PARCHMENT[2])
    for y0 in (2, 25):
        c.rect(5, y0, 26, y0 + 3, PARCHMENT[2])
        c.rect(5, y0 + 1, 26, y0 + 1, PARCHMENT[4])
        c.rect(5, y0 + 3, 26, y0 + 3, PARCHMENT[1])
        c.rect(3, y0 + 1, 4, y0 + 2, WOOD[1])
        c.rect(27, y0 + 1, 28, y0 + 2, WOOD[1])
    c.outline()
    for y, (x0, x1) in zip(range(9, 22, 3), [(9, 21), (9, 18), (9, 20), (9, 16), (9, 19)]):
        for x in range(x0, x1 + 1):
            if (x * 7 + y) % 5:
                c.put(x, y, INK)
    c.ellipse(20, 21, 2.6, 2.6, INK_RED)
    c.points(RED[4], [(19, 20)])
    return c


def gem():
    """A cut green-blue gem seen from the side."""
    c = Canvas()
    crown = [(9, 6), (23, 6), (29, 13), (3, 13)]
    pavilion = [(3, 13), (29, 13), (16, 29)]
    c.polygon(crown, TEAL[3])
    c.polygon(pavilion, TEAL[2])
    # Facets: lighter on the left, darker on the right.
    c.polygon([(9, 6), (14, 6), (11, 13), (3, 13)], TEAL[4])
    c.polygon([(18, 6), (23, 6), (29, 13), (21, 13)], TEAL[2])
    c.polygon([(3, 13), (11, 13), (16, 29)], TEAL[3])
    c.polygon([(21, 13), (29, 13), (16, 29)], TEAL[0])
    c.polygon([(16, 13), (21, 13), (16, 29)], TEAL[1])
    c.rect(3, 13, 28, 13, TEAL[4])
    c.outline()
    c.points(WHITE, [(8, 9), (9, 8), (10, 8), (7, 10)])
    c.points(TEAL[4], [(26, 2), (26, 3), (25, 3), (27, 3), (26, 4), (4, 24), (5, 23), (5, 24), (5, 25), (6, 24)])
    return c


# ---------------------------------------------------------------- bitmap file


def bmp_bytes(canvas):
    """Encodes the canvas as an uncompressed 24-bit bottom-up Windows bitmap."""
    row_size = (SIZE * 3 + 3) & ~3
    pixel_bytes = bytearray()
    for y in range(SIZE - 1, -1, -1):
        row = bytearray()
        for x in range(SIZE):
            r, g, b = canvas.pixels[y][x] or TRANSPARENT
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        pixel_bytes += row
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixel_bytes), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixel_bytes), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(pixel_bytes)


def icon_bytes(draw):
    canvas = draw()
    if canvas.pixels[SIZE - 1][0] is not None:
        raise ValueError(draw.__name__ + ": the bottom-left pixel must be the transparent background")
    return bmp_bytes(canvas)


# ---------------------------------------------------------------- project content

CLASSES = {
    "Warrior": ["Name=Warrior", "Strength=12", "Agility=8", "Intellect=4", "HP=120", "MP=20"],
    "Mage": ["Name=Mage", "Strength=5", "Agility=7", "Intellect=14", "HP=70", "MP=110"],
}

ITEMS = {
    "HealingDraught": {
        "server": ["Type=Potion", "Bonus=Normal Potion HP", "Price=25", "Class=ALL", "Stack=10"],
        "description": [
            "A warm red draught brewed from",
            "hearthroot and wild honey.",
            "Drink it to win back a good",
            "share of lost health.",
        ],
        "icon": healing_draught,
    },
    "RubyRing": {
        "server": ["Type=Ring", "Bonus=Attack+25,ResHeat+10", "Price=1500", "Class=ALL", "Weight=1", "Stack=1"],
        "description": [
            "A gold band set with a ruby that",
            "glows like a banked ember.",
            "It sharpens the wearer's blows",
            "and turns aside the worst heat.",
        ],
        "icon": ruby_ring,
    },
    "BronzeHelm": {
        "server": ["Type=Head", "Bonus=Defend+40,ResChill+15", "Price=800", "Class=Warrior", "Stack=1"],
        "description": [
            "A sturdy helm of beaten bronze,",
            "dented in many a border fight.",
            "Only a trained warrior bears",
            "its weight for long.",
        ],
        "icon": bronze_helm,
    },
    "AncientMap": {
        "server": ["Type=Quest", "Bonus=", "Price=0", "Class=ALL", "Stack=1"],
        "description": [
            "A brittle map on faded parchment.",
            "A trail of red ink winds past",
            "the lake to a mark in the hills.",
        ],
        "icon": ancient_map,
    },
}

APPEARANCES = {
    "WarriorBronzeHelm": ["Model=helm_bronze", "Texture=helm_bronze_diffuse", "Slot=Head", "Scale=1.0"],
}

RESOURCES = {
    "Staff": staff,
    "Shield": shield,
    "Axe": axe,
    "Apple": apple,
    "Scroll": scroll,
    "Gem": gem,
}


def project_files():
    """Returns every file of the project as (relative path parts, bytes), in a fixed order."""
    files = []
    for name, lines in CLASSES.items():
        files.append((("SERVER", name + ".CLS"), text_bytes(lines)))
    for name, item in ITEMS.items():
        files.append((("SERVER", name + ".ITM"), text_bytes(item["server"])))
        files.append((("CLIENT", name + ".ITM"), text_bytes(item["description"])))
        files.append((("CLIENT", name + ".BMP"), icon_bytes(item["icon"])))
    for name, lines in APPEARANCES.items():
        files.append((("CLIENT", name + ".FAP"), text_bytes(lines)))
    for name, draw in RESOURCES.items():
        files.append((("RESOURCES", name + ".bmp"), icon_bytes(draw)))
    return files


def main(argv):
    default = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Quest")
    target = argv[1] if len(argv) > 1 else default
    for parts, data in project_files():
        write_file(os.path.join(target, *parts), data)
    print("Sample project written to " + target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

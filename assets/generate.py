#!/usr/bin/env python3
"""Regenerates Zanfira's image assets into this folder.

Standard library only and fully deterministic: running it twice yields
byte-identical files, so the outputs can be committed next to it.
"""

import math
import random
import struct
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent

BACKGROUND_SIZE = (276, 315)
SEED = 20240611
# (cell size in base pixels, weight) per octave of value noise.
OCTAVES = ((56, 1.0), (28, 0.55), (14, 0.3), (7, 0.16), (3.5, 0.08))
BLUE_RANGE = (40, 150)

# The wrench is modelled lying flat along u (v across it), centred in a
# 256 x 256 box, then turned 45 degrees so the jaw points to the top right.
HANDLE = (4, 76, 13)  # centre u, half length, half width
JAW = (94, 42)  # centre u, radius
SLOT = (121, 31, 19)  # centre u, half length, half width
RING = (-98, 36, 19)  # centre u, outer radius, hole radius
# The outline lies wholly outside the shape, as an SVG stroke under the fill does.
OUTLINE = 8
OUTLINE_RGB = (64, 64, 64)
FILL_RGB = (180, 180, 180)

# Classic 16-colour VGA palette, in Windows' index order.
VGA16 = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
TRANSPARENT, OUTLINE_INDEX, FILL_INDEX, SHADOW_INDEX, HIGHLIGHT_INDEX = None, 0, 7, 8, 15

SVG_TEMPLATE = """\
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <g id="wrench" fill-rule="evenodd">
      <rect x="{handle_x}" y="{handle_y}" width="{handle_w}" height="{handle_h}"/>
      <path d="M{tip_x} {slot_top}A{jaw_r} {jaw_r} 0 1 0 {tip_x} {slot_bottom}H{slot_x}V{slot_top}Z"/>
      <path d="M{ring_left} 128A{ring_r} {ring_r} 0 1 0 {ring_right} 128A{ring_r} {ring_r} 0 1 0 {ring_left} 128Z
               M{hole_left} 128A{hole_r} {hole_r} 0 1 0 {hole_right} 128A{hole_r} {hole_r} 0 1 0 {hole_left} 128Z"/>
    </g>
  </defs>
  <g transform="rotate(-45 128 128)">
    <use xlink:href="#wrench" fill="{outline}" stroke="{outline}" stroke-width="{stroke}"/>
    <use xlink:href="#wrench" fill="{fill}"/>
  </g>
</svg>
"""

QRC = """\
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/">
    <file alias="background.png">background.png</file>
    <file alias="background@2x.png">background@2x.png</file>
    <file alias="icon-16.png">icons/16x16/zanfira.png</file>
    <file alias="icon-32.png">icons/32x32/zanfira.png</file>
    <file alias="icon-48.png">icons/48x48/zanfira.png</file>
    <file alias="icon-64.png">icons/64x64/zanfira.png</file>
    <file alias="icon-128.png">icons/128x128/zanfira.png</file>
    <file alias="icon-256.png">icons/256x256/zanfira.png</file>
  </qresource>
</RCC>
"""


def png_bytes(width, height, rows, colour_type):
    """Encodes rows of raw 8-bit samples (RGB: type 2, RGBA: type 6)."""
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        # The "Up" filter shrinks smooth images noticeably at no real cost.
        raw.append(2)
        raw.extend((a - b) & 0xFF for a, b in zip(row, previous))
        previous = row
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write(relative, data):
    path = HERE / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data.encode() if isinstance(data, str) else data)


# --- background --------------------------------------------------------------

def make_noise():
    rng = random.Random(SEED)
    reach = math.hypot(*BACKGROUND_SIZE)
    octaves = []
    for cell, weight in OCTAVES:
        # Turning each octave to its own angle hides the square lattice.
        angle = rng.random() * 2 * math.pi
        side = int(2 * reach / cell) + 3
        grid = [[rng.random() for _ in range(side)] for _ in range(side)]
        octaves.append((cell, weight, grid, math.cos(angle), math.sin(angle), reach))
    return octaves


def smoothstep(t):
    return t * t * (3 - 2 * t)


def noise_at(octaves, x, y):
    total = 0.0
    for cell, weight, grid, cos, sin, reach in octaves:
        gx = (x * cos - y * sin + reach) / cell
        gy = (x * sin + y * cos + reach) / cell
        ix, iy = int(gx), int(gy)
        fx, fy = smoothstep(gx - ix), smoothstep(gy - iy)
        top, bottom = grid[iy], grid[iy + 1]
        upper = top[ix] + (top[ix + 1] - top[ix]) * fx
        lower = bottom[ix] + (bottom[ix + 1] - bottom[ix]) * fx
        total += weight * (upper + (lower - upper) * fy)
    return total


def noise_image(octaves, scale):
    """Samples the field at pixel centres; coordinates are in base pixels."""
    width, height = BACKGROUND_SIZE
    return [[noise_at(octaves, (x + 0.5) / scale, (y + 0.5) / scale)
             for x in range(width * scale)] for y in range(height * scale)]


def background_png(values, low, high):
    lo_blue, hi_blue = BLUE_RANGE
    rows = []
    for line in values:
        row = bytearray()
        for value in line:
            t = min(max((value - low) / (high - low), 0.0), 1.0)
            blue = lo_blue + (hi_blue - lo_blue) * t
            row.extend((round(blue * 0.03), round(blue * 0.07), round(blue)))
        rows.append(bytes(row))
    return png_bytes(len(values[0]), len(values), rows, 2)


def make_backgrounds():
    octaves = make_noise()
    base = noise_image(octaves, 1)
    # The double-size image reuses the base image's range so both match in tone.
    low, high = min(map(min, base)), max(map(max, base))
    write("background.png", background_png(base, low, high))
    write("background@2x.png", background_png(noise_image(octaves, 2), low, high))


# --- wrench shape ------------------------------------------------------------

def box_distance(u, v, cu, half_u, half_v):
    qu, qv = abs(u - cu) - half_u, abs(v) - half_v
    return math.hypot(max(qu, 0.0), max(qv, 0.0)) + min(max(qu, qv), 0.0)


def circle_distance(u, v, cu, radius):
    return math.hypot(u - cu, v) - radius


def svg_text():
    """The same shape for scalable use; x, y here are 128 + u, 128 + v."""
    handle_u, half_length, half_width = HANDLE
    jaw_u, jaw_r = JAW
    slot_u, slot_half, slot_width = SLOT
    ring_u, ring_r, hole_r = RING

    def hexcolour(rgb):
        return "#" + bytes(rgb).hex()

    return SVG_TEMPLATE.format(
        handle_x=128 + handle_u - half_length, handle_y=128 - half_width,
        handle_w=2 * half_length, handle_h=2 * half_width,
        tip_x=f"{128 + jaw_u + math.sqrt(jaw_r ** 2 - slot_width ** 2):g}",
        slot_x=128 + slot_u - slot_half, slot_top=128 - slot_width,
        slot_bottom=128 + slot_width, jaw_r=jaw_r,
        ring_left=128 + ring_u - ring_r, ring_right=128 + ring_u + ring_r, ring_r=ring_r,
        hole_left=128 + ring_u - hole_r, hole_right=128 + ring_u + hole_r, hole_r=hole_r,
        outline=hexcolour(OUTLINE_RGB), fill=hexcolour(FILL_RGB), stroke=2 * OUTLINE)


def wrench_distance(x, y):
    """Signed distance (negative inside) at a point of the 256 x 256 box."""
    dx, dy = x - 128.0, y - 128.0
    u, v = (dx - dy) / math.sqrt(2), (dx + dy) / math.sqrt(2)
    handle = box_distance(u, v, *HANDLE)
    jaw = max(circle_distance(u, v, *JAW), -box_distance(u, v, *SLOT))
    ring_u, outer, hole = RING
    ring = max(circle_distance(u, v, ring_u, outer), -circle_distance(u, v, ring_u, hole))
    return min(handle, jaw, ring)


# --- full-colour icons -------------------------------------------------------

def shade(distance):
    if distance <= 0:
        return FILL_RGB
    return OUTLINE_RGB if distance <= OUTLINE else None


def smooth_pixel(x, y, unit, samples=4):
    """Straight (not premultiplied) RGBA from samples x samples points."""
    centre = wrench_distance((x + 0.5) * unit, (y + 0.5) * unit)
    # Far from every edge the pixel is uniform, so one sample is enough.
    if min(abs(centre), abs(centre - OUTLINE)) > unit:
        colour = shade(centre)
        return colour + (255,) if colour else (0, 0, 0, 0)
    sums, hits = [0, 0, 0], 0
    for sy in range(samples):
        for sx in range(samples):
            colour = shade(wrench_distance((x + (sx + 0.5) / samples) * unit,
                                           (y + (sy + 0.5) / samples) * unit))
            if colour:
                hits += 1
                sums = [s + c for s, c in zip(sums, colour)]
    if not hits:
        return (0, 0, 0, 0)
    alpha = round(255 * hits / samples ** 2)
    return tuple(round(s / hits) for s in sums) + (alpha,)


def smooth_icon(size):
    unit = 256 / size
    rows = [b"".join(bytes(smooth_pixel(x, y, unit)) for x in range(size))
            for y in range(size)]
    return png_bytes(size, size, rows, 6)


# --- 16-colour icons ---------------------------------------------------------

# At 16 x 16 the rasterised shape loses its jaw, so that size is drawn by hand.
WRENCH_16 = """
..........###...
.........####...
........####....
........####..##
........########
........########
.......########.
......########..
..########......
.########.......
########........
###..###........
###..###........
########........
.######.........
..####..........
"""


def hand_mask(drawing):
    return [[c == "#" for c in line] for line in drawing.split()]


def vector_mask(size):
    unit = 256 / size
    return [[wrench_distance((x + 0.5) * unit, (y + 0.5) * unit) <= OUTLINE
             for x in range(size)] for y in range(size)]


def pixel_icon(mask):
    """Palette indices: a one-pixel black rim, then silver lit from the top left."""
    size = len(mask)

    def solid(x, y):
        return 0 <= x < size and 0 <= y < size and mask[y][x]

    def body(x, y):
        return solid(x, y) and all(solid(x + a, y + b) for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1)))

    def index(x, y):
        if not solid(x, y):
            return TRANSPARENT
        if not body(x, y):
            return OUTLINE_INDEX
        lit, shaded = not body(x - 1, y - 1), not body(x + 1, y + 1)
        if lit != shaded:
            return HIGHLIGHT_INDEX if lit else SHADOW_INDEX
        return FILL_INDEX

    return [[index(x, y) for x in range(size)] for y in range(size)]


def pixel_png(grid):
    rows = [b"".join(bytes(VGA16[i] + (255,)) if i is not None else bytes(4)
                     for i in row) for row in grid]
    return png_bytes(len(grid), len(grid), rows, 6)


def ico_image(grid):
    """A 4-bit BMP entry: header, palette, colour rows, then the AND mask."""
    size = len(grid)
    colour_rows, mask_rows = [], []
    for row in reversed(grid):  # BMP rows run bottom-up
        indices = [0 if i is None else i for i in row]
        colour_rows.append(bytes(a << 4 | b for a, b in zip(indices[::2], indices[1::2])))
        mask = 0
        for i in row:
            mask = mask << 1 | (i is None)
        mask_rows.append(mask.to_bytes(size // 8, "big").ljust(4 * math.ceil(size / 32), b"\0"))
    pixels = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16)
    return header + palette + pixels


def ico_file(grids):
    images = [ico_image(grid) for grid in grids]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for grid, image in zip(grids, images):
        directory += struct.pack("<BBBBHHII", len(grid), len(grid), 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def icns_file(entries):
    body = b"".join(kind + struct.pack(">I", len(data) + 8) + data for kind, data in entries)
    return b"icns" + struct.pack(">I", len(body) + 8) + body


def make_icons():
    grids = [pixel_icon(hand_mask(WRENCH_16)), pixel_icon(vector_mask(32))]
    for grid in grids:
        size = len(grid)
        write(f"icons/{size}x{size}/zanfira.png", pixel_png(grid))
    write("zanfira.ico", ico_file(grids))
    full = {size: smooth_icon(size) for size in (48, 64, 128, 256)}
    for size, data in full.items():
        write(f"icons/{size}x{size}/zanfira.png", data)
    write("zanfira.icns", icns_file([(b"ic07", full[128]), (b"ic08", full[256])]))
    write("icons/scalable/zanfira.svg", svg_text())


def main():
    make_backgrounds()
    make_icons()
    write("zanfira.qrc", QRC)


if __name__ == "__main__":
    main()

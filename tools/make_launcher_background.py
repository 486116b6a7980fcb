#!/usr/bin/env python3
"""Draws the launcher's background: a 16-colour 256 x 512 bitmap, a pale
sky gradient with a faint lens and three rays, dithered to the palette."""
import struct
import sys

W, H = 256, 512
# A pale 16-colour palette, light enough for the coloured button texts.
PALETTE = [
    (240, 240, 240), (232, 236, 244), (224, 232, 246), (216, 228, 248),
    (208, 222, 248), (200, 216, 246), (236, 232, 222), (226, 220, 240),
    (250, 246, 224), (244, 236, 200), (220, 240, 226), (206, 232, 214),
    (198, 208, 232), (186, 198, 230), (255, 255, 255), (230, 214, 236),
]
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def base_index(x, y):
    # Six-step vertical gradient, ordered-dithered between neighbours.
    t = y / (H - 1) * 5
    lo = int(t)
    frac = t - lo
    threshold = (BAYER[y % 4][x % 4] + 0.5) / 16
    return min(5, lo + (1 if frac > threshold else 0))


def lens_and_rays(x, y):
    cx, cy = 128, 300
    # A thin converging lens: the lens-shaped overlap of two discs.
    inside = ((x - cx + 150) ** 2 + (y - cy) ** 2 < 160 ** 2
              and (x - cx - 150) ** 2 + (y - cy) ** 2 < 160 ** 2)
    if inside:
        return 12 if abs(x - cx) < 8 else 13
    focus_x = cx + 90
    for h in (-40, 0, 40):
        if x < cx and abs(y - (cy + h)) < 1:
            return 9
        if x >= cx and x <= focus_x + 60:
            yy = cy + h - h * (x - cx) / 90
            if abs(y - yy) < 1:
                return 9
    return None


def pixel(x, y):
    special = lens_and_rays(x, y)
    return special if special is not None else base_index(x, y)


def main(path):
    row_bytes = W // 2
    pixels = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        for x in range(0, W, 2):
            pixels.append((pixel(x, y) << 4) | pixel(x + 1, y))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    size = offset + row_bytes * H
    header = struct.pack("<2sIHHI", b"BM", size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, row_bytes * H, 2835, 2835, 16, 16)
    with open(path, "wb") as f:
        f.write(header + info + palette + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/launcher/background.bmp")

#!/usr/bin/env python3
"""Small measurements on screenshots (PPM, as ImageMagick's convert writes them).

pixels.py darkest SHOT.ppm X Y       darkest luminance in the 5 x 5 pixels around X, Y
pixels.py diff A.ppm B.ppm X Y W H   mean absolute difference of two crops (0 ... 255)
"""
import sys

from face_check import read_ppm, pixel


def luminance(p):
    return (p[0] * 299 + p[1] * 587 + p[2] * 114) // 1000


def main():
    if sys.argv[1] == "darkest":
        img = read_ppm(sys.argv[2])
        x, y = int(sys.argv[3]), int(sys.argv[4])
        print(min(luminance(pixel(img, x + dx, y + dy)) for dx in range(-2, 3) for dy in range(-2, 3)))
    elif sys.argv[1] == "diff":
        a, b = read_ppm(sys.argv[2]), read_ppm(sys.argv[3])
        x, y, w, h = (int(v) for v in sys.argv[4:8])
        total = sum(abs(c - d) for j in range(h) for i in range(w)
                    for c, d in zip(pixel(a, x + i, y + j), pixel(b, x + i, y + j)))
        print(f"{total / (w * h * 3):.1f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

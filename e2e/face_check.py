#!/usr/bin/env python3
"""Checks a screenshot of the analog clock window against the expected face picture.

usage: face_check.py SHOT.ppm LEFT TOP MASK.ppm EXPECTED.ppm OTHER.ppm
Inside the mask (not under the heart) the screen must match EXPECTED closely and OTHER
clearly less; outside the mask it must show the desktop, whatever the root window shows.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    assert fields[0] == b"P6" and fields[3] == b"255", path
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[pos:pos + w * h * 3]


def pixel(img, x, y):
    w, _, px = img
    i = (y * w + x) * 3
    return px[i], px[i + 1], px[i + 2]


def main():
    shot = read_ppm(sys.argv[1])
    left, top = int(sys.argv[2]), int(sys.argv[3])
    mask, expected, other = (read_ppm(p) for p in sys.argv[4:7])
    desktop = pixel(shot, shot[0] - 1, shot[1] - 1)  # far corner: nothing of ours there
    diff_expected = diff_other = inside = 0
    outside_wrong = 0
    for y in range(164):
        for x in range(164):
            s = pixel(shot, left + x, top + y)
            if pixel(mask, x, y) == (255, 255, 255):
                if max(abs(a - b) for a, b in zip(s, desktop)) > 2:
                    outside_wrong += 1
                continue
            if 70 <= x < 114 and 70 <= y < 114:
                continue  # the heart
            inside += 1
            diff_expected += sum(abs(a - b) for a, b in zip(s, pixel(expected, x, y)))
            diff_other += sum(abs(a - b) for a, b in zip(s, pixel(other, x, y)))
    mean_expected = diff_expected / (inside * 3)
    mean_other = diff_other / (inside * 3)
    print(f"inside pixels {inside}: mean difference {mean_expected:.2f} to the expected face, "
          f"{mean_other:.2f} to the other; {outside_wrong} pixels outside the mask not desktop")
    ok = mean_expected < 6 and mean_other > mean_expected + 10 and outside_wrong == 0
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())

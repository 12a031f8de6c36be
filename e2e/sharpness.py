#!/usr/bin/env python3
"""Whether a picture of the clock face was drawn at its size or blown up from a smaller one.

A picture stretched with nearest-neighbour sampling repeats pixels: by 2x every pixel comes
twice in a row and twice in a column (runs of identical 2 x 2 blocks); by 1.5x every third one
does. A face drawn at its size, or resampled with a filter, has almost no two neighbours alike
where the picture has detail. This counts, inside the face's disc and only where the picture
has detail, the share of horizontal and of vertical neighbours that are exactly alike.

usage: sharpness.py SHOT.ppm LEFT TOP SIZE [--stretch FACTOR]
  prints "repeat <share across> <share down>"; --stretch first blows the cut-out face up with
  nearest-neighbour sampling (to show what the measure says of a stretched face).
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    assert fields[0] == b"P6" and fields[3] == b"255", "a binary 8-bit PPM is expected"
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[at + 1:at + 1 + width * height * 3]


def cut(shot, left, top, size):
    width, height, pixels = shot
    rows = []
    for y in range(top, top + size):
        row = []
        for x in range(left, left + size):
            if 0 <= x < width and 0 <= y < height:
                p = (y * width + x) * 3
                row.append(tuple(pixels[p:p + 3]))
            else:
                row.append((0, 0, 0))
        rows.append(row)
    return rows


def stretch(rows, factor):
    size = len(rows)
    out = int(size * factor)
    return [[rows[int(y / factor)][int(x / factor)] for x in range(out)] for y in range(out)]


def luma(p):
    return (p[0] * 299 + p[1] * 587 + p[2] * 114) // 1000


def repeat_share(rows, across):
    size = len(rows)
    centre, reach = (size - 1) / 2, size * 0.42  # inside the rim, where the face is
    same = counted = 0
    for y in range(1, size - 2):
        for x in range(1, size - 2):
            if (x - centre) ** 2 + (y - centre) ** 2 > reach ** 2:
                continue
            if across:
                run = [rows[y][x - 1], rows[y][x], rows[y][x + 1], rows[y][x + 2]]
            else:
                run = [rows[y - 1][x], rows[y][x], rows[y + 1][x], rows[y + 2][x]]
            levels = [luma(p) for p in run]
            if max(levels) - min(levels) < 12:
                continue  # a flat stretch: neighbours alike say nothing there
            counted += 1
            same += run[1] == run[2]
    return same / counted if counted else 1.0


def main():
    args = sys.argv[1:]
    factor = None
    if "--stretch" in args:
        i = args.index("--stretch")
        factor = float(args[i + 1])
        del args[i:i + 2]
    path, left, top, size = args[0], int(args[1]), int(args[2]), int(args[3])
    rows = cut(read_ppm(path), left, top, size)
    if factor:
        rows = stretch(rows, factor)
    print("repeat %.3f %.3f" % (repeat_share(rows, True), repeat_share(rows, False)))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes the program's icon, a red 2 x 2 brick seen from above at an angle, as
packaging/icons/brikolo.svg and renders the PNG sizes with rsvg-convert
(Debian package librsvg2-bin), which only this tool needs."""
import os
import subprocess

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "icons")
SIZES = [16, 32, 48, 64, 128, 256]

COS, SIN = 0.8660254, 0.5
TOP = (32.0, 6.0)  # the top corner of the brick's upper face
PITCH, HEIGHT, STUD_R, STUD_H = 14.0, 22.0, 4.2, 4.0


def iso(u, v):
    return (TOP[0] + (u - v) * COS, TOP[1] + (u + v) * SIN)


def points(ps):
    return " ".join("%.2f,%.2f" % p for p in ps)


def svg():
    w = 2 * PITCH
    top = [iso(0, 0), iso(w, 0), iso(w, w), iso(0, w)]
    down = lambda p: (p[0], p[1] + HEIGHT)
    left = [top[3], top[2], down(top[2]), down(top[3])]
    right = [top[2], top[1], down(top[1]), down(top[2])]
    # A circle on the upper face seen at this angle.
    rx, ry = STUD_R * 1.2247449, STUD_R * 0.7071068
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">',
           '  <title>Brikolo</title>',
           '  <g stroke="#4a0d09" stroke-width="1.2" stroke-linejoin="round">',
           '    <polygon points="%s" fill="#c0261d"/>' % points(left),
           '    <polygon points="%s" fill="#8f1a14"/>' % points(right),
           '    <polygon points="%s" fill="#e8372c"/>' % points(top)]
    for u, v in [(7, 7), (7, 21), (21, 7), (21, 21)]:  # back to front
        x, y = iso(u, v)
        out.append('    <path d="M%.2f,%.2f L%.2f,%.2f A%.2f,%.2f 0 0 0 %.2f,%.2f L%.2f,%.2f Z" '
                   'fill="#b8241b"/>' % (x - rx, y - STUD_H, x - rx, y, rx, ry, x + rx, y, x + rx,
                                         y - STUD_H))
        out.append('    <ellipse cx="%.2f" cy="%.2f" rx="%.2f" ry="%.2f" fill="#f25a4e"/>'
                   % (x, y - STUD_H, rx, ry))
    out += ['  </g>', '</svg>']
    return "\n".join(out) + "\n"


def main():
    path = os.path.join(HERE, "brikolo.svg")
    with open(path, "w") as f:
        f.write(svg())
    for n in SIZES:
        subprocess.run(["rsvg-convert", "-w", str(n), "-h", str(n), path, "-o",
                        os.path.join(HERE, "brikolo-%d.png" % n)], check=True)


if __name__ == "__main__":
    main()

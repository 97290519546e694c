#!/usr/bin/env python3
"""Writes the example models in data/examples/ (run again after changing it)."""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, '..', 'data', 'examples')

def rgb(r, g, b):
    return r | (g << 8) | (b << 16)

RED = rgb(204, 0, 0)
WHITE = rgb(255, 255, 255)
YELLOW = rgb(255, 229, 0)
BLUE = rgb(0, 51, 178)
GREEN = rgb(0, 127, 51)
GREY = rgb(153, 153, 153)
BROWN = rgb(102, 51, 0)
BASE = 12632256

def piece(t, x, y, z, sx, sy, sz, color, studs=1, base=0, direction=0, transparent=0,
          group=0, part='', step=0):
    return f"{t} {x} {y} {z} {sx} {sy} {sz} {color} {studs} {base} {direction} {transparent} {group} {part} {step}"

def write(name, header, lines):
    with open(os.path.join(OUT, name), 'w', newline='') as f:
        f.write(header + '\r\n')
        for l in lines:
            f.write(l + '\r\n')

def house():
    lines = [piece('B', -240, -240, -8, 480, 480, 8, GREEN, base=1, part='')]
    # Walls: a 12 by 8 stud house, four bricks high, a two-stud door gap in the front.
    x0, y0, x1, y1 = -120, -80, 120, 80
    for layer in range(4):
        z = layer * 24
        off = 20 * (layer % 2)
        # front (y = y0) and back (y = y1 - 20) rows of 1x2 and 1x4 bricks
        for wall_y in (y0, y1 - 20):
            x = x0 + off
            if off:
                lines.append(piece('B', x0, wall_y, z, 20, 20, 24, WHITE, part='3005'))
            while x < x1:
                w = min(80, x1 - x)
                if wall_y == y1 - 20 and layer < 3 and x < 20 and x + w > -20:
                    # leave the door gap from -20 to 20
                    if x < -20:
                        lines.append(piece('B', x, wall_y, z, -20 - x, 20, 24, RED,
                                           part='3010' if -20 - x == 80 else '3009' if -20 - x == 60 else '3004' if -20 - x == 40 else '3005'))
                    if x + w > 20:
                        lines.append(piece('B', 20, wall_y, z, x + w - 20, 20, 24, RED,
                                           part='3010' if x + w - 20 == 80 else '3009' if x + w - 20 == 60 else '3004' if x + w - 20 == 40 else '3005'))
                else:
                    lines.append(piece('B', x, wall_y, z, w, 20, 24, RED,
                                       part={80: '3010', 60: '3009', 40: '3004', 20: '3005'}[w]))
                x += w
        # side walls
        for wall_x in (x0, x1 - 20):
            y = y0 + 20
            while y < y1 - 20:
                d = min(40 if layer % 2 else 80, y1 - 20 - y)
                lines.append(piece('B', wall_x, y, z, 20, d, 24, WHITE if layer % 2 else RED,
                                   direction=1, part={80: '3010', 60: '3009', 40: '3004', 20: '3005'}[d]))
                y += d
    # Plates covering the walls (step 1); the top layer of bricks bridges the door.
    for x in range(x0, x1, 80):
        for y in range(y0, y1, 40):
            lines.append(piece('B', x, y, 96, 80, 40, 8, BLUE, part='3020', step=1))
    # A chimney, grouped.
    for k in range(3):
        lines.append(piece('B', 60, 20, 104 + 24 * k, 40, 40, 24, GREY, group=1, part='3003', step=1))
    # A yellow tree-like stack and a transparent window block beside the house.
    lines.append(piece('B', 160, -160, 0, 40, 40, 24, BROWN, part='3003'))
    lines.append(piece('B', 140, -180, 24, 80, 80, 24, GREEN, part='', step=1))
    lines.append(piece('B', 160, -160, 48, 40, 40, 24, GREEN, part='3003', step=1))
    lines.append(piece('B', -200, 120, 0, 40, 80, 24, YELLOW, transparent=1, part='3001'))
    write('house.lgo', '= 70 30 10 0 0 1 1', lines)

def generated(name, count, seed):
    random.seed(seed)
    colors = [RED, WHITE, YELLOW, BLUE, GREEN, GREY, BROWN]
    half = 960
    lines = [piece('B', -half, -half, -8, 2 * half, 2 * half, 8, BASE, base=1, part='')]
    heights = {}
    sizes = [(40, 80, 24, '3001'), (80, 40, 24, '3001'), (40, 40, 24, '3003'), (20, 40, 24, '3004'),
             (40, 80, 8, '3020'), (80, 80, 8, '3031'), (20, 20, 8, '3024')]
    n = 0
    while n < count - 1:
        sx, sy, sz, part = random.choice(sizes)
        x = random.randrange(-half, half - sx, 20)
        y = random.randrange(-half, half - sy, 20)
        z = 0
        for cx in range(x, x + sx, 20):
            for cy in range(y, y + sy, 20):
                z = max(z, heights.get((cx, cy), 0))
        for cx in range(x, x + sx, 20):
            for cy in range(y, y + sy, 20):
                heights[(cx, cy)] = z + sz
        lines.append(piece('B', x, y, z, sx, sy, sz, random.choice(colors), part=part,
                           step=n * 4 // count))
        n += 1
    write(name, '= 60 30 40 0 0 1 1', lines)

if __name__ == '__main__':
    os.makedirs(OUT, exist_ok=True)
    house()
    generated('town1000.lgo', 1000, 1)
    generated('town5000.lgo', 5000, 5)
    generated('town20000.lgo', 20000, 20)

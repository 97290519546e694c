#!/usr/bin/env python3
"""Writes data/examples/shaped.lgo: a house with a hipped roof, a round tower,
two carts on wheels and two rows of ridges, ridge ends, ridge corners and
doors, so that every shaped piece class appears in all four directions, and
shaped-underside.lgo, the same without the baseplate and the stands, to be
seen from below."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_examples  # noqa: E402
from make_examples import BLUE, BROWN, GREEN, GREY, RED, WHITE, YELLOW, rgb  # noqa: E402

DARK_RED = rgb(128, 0, 0)
BLACK = rgb(51, 51, 51)

HEADER = '= 70 30 10 0 0 1 1'
lines = []
stands = []  # the plates under the single pieces


def piece(t, x, y, z, lx, ly, sz, color, direction=0, studs=1, base=0, part=''):
    """A piece at world corner (x, y, z) whose local extents are lx by ly; odd
    directions swap them in the world box."""
    sx, sy = (ly, lx) if direction % 2 else (lx, ly)
    lines.append(make_examples.piece(t, x, y, z, sx, sy, sz, color, studs=studs, base=base,
                                     direction=direction, part=part))


def brick(x, y, z, sx, sy, color, sz=24):
    piece('B', x, y, z, sx, sy, sz, color)


# Baseplate 32 by 24 studs.
piece('B', -320, -240, -8, 640, 480, 8, GREEN, base=1)

# The house: 8 by 6 studs, three bricks high, a window in every wall and a
# door in the front.
X0, X1, Y0, Y1 = -240, -80, -60, 60
for z in (0, 24, 48):
    low = z == 0
    # back wall (-y) with a window facing -y
    if low:
        brick(X0, Y0, z, 160, 20, YELLOW)
    else:
        brick(X0, Y0, z, 60, 20, YELLOW)
        brick(-140, Y0, z, 60, 20, YELLOW)
    # front wall (+y): corner, door, window, corner
    brick(X0, Y1 - 20, z, 20, 20, YELLOW)
    if low:
        brick(-140, Y1 - 20, z, 60, 20, YELLOW)
    else:
        brick(-100, Y1 - 20, z, 20, 20, YELLOW)
    # side walls with a window each
    for wx in (X0, X1 - 20):
        if low:
            brick(wx, -40, z, 20, 80, YELLOW)
        else:
            brick(wx, -40, z, 20, 20, YELLOW)
            brick(wx, 20, z, 20, 20, YELLOW)
piece('W', -180, Y0, 24, 40, 20, 48, WHITE, direction=0)
piece('W', -140, Y1 - 20, 24, 40, 20, 48, WHITE, direction=2)
piece('W', X0, -20, 24, 40, 20, 48, WHITE, direction=1)
piece('W', X1 - 20, -20, 24, 40, 20, 48, WHITE, direction=3)
# The door is the classic two-stud door (real doors come 1 by 2 by 3), with a
# column of 1-by-1 bricks on either side.
piece('B', -220, Y1 - 20, 0, 20, 20, 72, YELLOW)
piece('D', -200, Y1 - 20, 0, 40, 20, 72, BROWN, direction=2)
piece('B', -160, Y1 - 20, 0, 20, 20, 72, YELLOW)

# Hipped roof, first ring: corners, slopes on every side, a brick inside.
Z = 72
piece('C', -240, 20, Z, 40, 40, 24, RED, direction=0)
piece('C', -120, 20, Z, 40, 40, 24, RED, direction=1)
piece('C', -120, -60, Z, 40, 40, 24, RED, direction=2)
piece('C', -240, -60, Z, 40, 40, 24, RED, direction=3)
piece('T', -200, 20, Z, 80, 40, 24, RED, direction=0)
piece('T', -120, -20, Z, 40, 40, 24, RED, direction=1)
piece('T', -200, -60, Z, 80, 40, 24, RED, direction=2)
piece('T', -240, -20, Z, 40, 40, 24, RED, direction=3)
brick(-200, -20, Z, 80, 40, RED)
# Second ring, one stud further in.
Z = 96
piece('C', -220, 0, Z, 40, 40, 24, RED, direction=0)
piece('C', -140, 0, Z, 40, 40, 24, RED, direction=1)
piece('C', -140, -40, Z, 40, 40, 24, RED, direction=2)
piece('C', -220, -40, Z, 40, 40, 24, RED, direction=3)
piece('T', -180, 0, Z, 40, 40, 24, RED, direction=0)
piece('T', -180, -40, Z, 40, 40, 24, RED, direction=2)
# The ridge: two ridge ends back to back.
Z = 120
piece('E', -200, -20, Z, 40, 40, 24, DARK_RED, direction=0)
piece('E', -160, -20, Z, 40, 40, 24, DARK_RED, direction=2)

# A round tower of 4-by-4 round bricks with a 2-by-2 turret.
for i, z in enumerate((0, 24, 48, 72)):
    piece('R', 0, -40, z, 80, 80, 24, WHITE if i % 2 else GREY, direction=i)
for i, z in enumerate((96, 120, 144, 168)):
    piece('R', 20, -20, z, 40, 40, 24 if i < 3 else 8, BLUE if i < 3 else RED, direction=i)

# A cart running along x (axles along y) and one running along y.
for x, d in ((100, 0), (160, 2)):
    piece('O', x, -100, 0, 60, 20, 56, BLACK, direction=d, studs=0)
    piece('O', x, 0, 0, 60, 20, 56, BLACK, direction=2 - d, studs=0)
brick(100, -80, 56, 120, 80, BROWN, sz=8)
brick(100, -100, 64, 120, 120, RED, sz=8)
for y, d in ((-100, 1), (-40, 3)):
    piece('O', 240, y, 0, 60, 20, 56, BLACK, direction=d, studs=0)
    piece('O', 300, y, 0, 60, 20, 56, BLACK, direction=4 - d, studs=0)
brick(260, -100, 56, 40, 120, BROWN, sz=8)
brick(240, -100, 64, 80, 120, BLUE, sz=8)

# Two rows of ridges, ridge ends, ridge corners and doors in all four
# directions, each piece on a plate of its own.
showcase = [('N', DARK_RED), ('E', RED), ('I', DARK_RED), ('D', BROWN)]
rows = (-220, 160)
k = 0
for t, color in showcase:
    for d in range(4):
        row = rows[k // 8]
        x = -300 + 80 * (k % 8)
        brick(x - 10, row - 10, 0, 60, 60, GREY, sz=8)
        stands.append(len(lines) - 1)
        if t == 'D':
            piece('D', x, row, 8, 40, 20, 72, color, direction=d)
        else:
            piece(t, x, row, 8, 40, 40, 24, color, direction=d)
        k += 1

make_examples.write('shaped.lgo', HEADER, lines)
# Without the baseplate and the stands, so that the undersides show from below.
make_examples.write('shaped-underside.lgo', HEADER,
                    [l for i, l in enumerate(lines) if i > 0 and i not in stands])
print(f"{len(lines)} pieces written")

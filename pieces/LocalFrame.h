#pragma once
#include <cstdint>
#include <initializer_list>

#include "model/Bounds.h"
#include "platform/Color.h"

class Canvas;
class RenderContext;
class TBlock;

// Shaped pieces are written once, for one orientation, in a local frame whose
// points are projected with the projection column of the piece's quarter turn.
// Coordinates are wide so that a piece at the edge of the 32-bit range cannot
// overflow while its faces are worked out.
struct LocalPoint {
  std::int64_t x, y, z;
};

// The piece's box in its local frame: lowest corner and extents.
struct LocalBox {
  std::int64_t x0, y0, z0, Lx, Ly, H;
  std::int64_t x1() const { return x0 + Lx; }
  std::int64_t y1() const { return y0 + Ly; }
  std::int64_t top() const { return z0 + H; }
};

// The piece's quarter turn, 0..3 whatever the field holds.
int QuarterTurns(const TBlock& piece);

// The local box of a piece: at one quarter turn local (lx, ly) is world
// (ly, -lx), at two (-lx, -ly), at three (-ly, lx).
LocalBox LocalFrameOf(const TBlock& piece);

// A point of the local frame in the world at this quarter turn, as above;
// turned by (4 - turns) a world point goes back into the local frame.
template <typename T>
void LocalToWorld(int turns, T lx, T ly, T& x, T& y) {
  switch (turns & 3) {
    case 1:
      x = ly, y = -lx;
      break;
    case 2:
      x = -lx, y = -ly;
      break;
    case 3:
      x = -ly, y = lx;
      break;
    default:
      x = lx, y = ly;
      break;
  }
}

// One filled polygon of local points, projected with column `direction`; with
// shading on the brush takes the face's shade first.
void DrawLocalFace(Canvas& canvas, RenderContext& rc, int direction, TColor shade,
                   std::initializer_list<LocalPoint> points);

// The shades of faces across local x (EndShade), across local y (SideShade)
// and of horizontal faces (TopShade). Without shading all are the piece colour.
void SetFrameShades(const TBlock& piece, RenderContext& rc);

// The FaceLight factor of the vertical faces across local x at this quarter
// turn: the world x faces at even turns, the world y faces at odd ones.
int EndFaceFactor(int direction);

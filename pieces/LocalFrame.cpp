#include "pieces/LocalFrame.h"

#include <algorithm>
#include <limits>

#include "model/Block.h"
#include "render/RenderContext.h"

int QuarterTurns(const TBlock& piece) {
  return ((piece.Direction % 4) + 4) % 4;
}

LocalBox LocalFrameOf(const TBlock& piece) {
  const std::int64_t x = piece.X, y = piece.Y, sx = piece.SizeX, sy = piece.SizeY;
  switch (QuarterTurns(piece)) {
    case 1:
      return {-y - sy, x, piece.Z, sy, sx, piece.SizeZ};
    case 2:
      return {-x - sx, -y - sy, piece.Z, sx, sy, piece.SizeZ};
    case 3:
      return {y, -x - sx, piece.Z, sy, sx, piece.SizeZ};
    default:
      return {x, y, piece.Z, sx, sy, piece.SizeZ};
  }
}


void DrawLocalFace(Canvas& canvas, RenderContext& rc, int direction, TColor shade,
                   std::initializer_list<LocalPoint> points) {
  int n = 0;
  for (const LocalPoint& p : points) {
    if (n == RenderContext::kMaxPoints) break;
    rc.ModelPoints[n++] = {Clamp32(p.x), Clamp32(p.y), Clamp32(p.z)};
  }
  if (rc.ShadingOn) canvas.setBrushColor(shade);
  rc.DrawPolygon(canvas, n, direction);
}

int EndFaceFactor(int direction) {
  return direction % 2 == 0 ? 1 : 0;
}

void SetFrameShades(const TBlock& piece, RenderContext& rc) {
  if (!rc.ShadingOn) {
    rc.EndShade = rc.SideShade = rc.TopShade = piece.Color;
    return;
  }
  const int end = EndFaceFactor(QuarterTurns(piece));
  const float* light = rc.view.FaceLight;
  rc.EndShade = ShadeColor(piece.Color, light[end]);
  rc.SideShade = ShadeColor(piece.Color, light[1 - end]);
  rc.TopShade = ShadeColor(piece.Color, light[2]);
}

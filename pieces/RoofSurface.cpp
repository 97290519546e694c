#include "pieces/RoofSurface.h"

#include <algorithm>

#include "model/Block.h"
#include "pieces/LocalFrame.h"
#include "pieces/Roof.h"

namespace {

// Rising linearly from the eave e at distance 0 to the top t at distance run.
double Rise(double e, double t, double distance, double run) {
  if (run <= 0) return t;
  return e + (t - e) * std::clamp(distance / run, 0.0, 1.0);
}

}  // namespace

std::optional<double> RoofSurfaceHeight(const TBlock& piece, double x, double y) {
  const char type = piece.BlockType;
  if (type != 'T' && type != 'N' && type != 'C' && type != 'E' && type != 'I') return std::nullopt;
  // Into the local roof frame: the piece's turn undone.
  double lx = 0, ly = 0;
  LocalToWorld(4 - QuarterTurns(piece), x, y, lx, ly);
  const LocalBox b = LocalFrameOf(piece);
  const double u = lx - b.x0, v = ly - b.y0;  // from the back left corner
  const double Lx = static_cast<double>(b.Lx), Ly = static_cast<double>(b.Ly);
  if (u < 0 || v < 0 || u > Lx || v > Ly) return std::nullopt;
  const double t = static_cast<double>(b.top()), e = static_cast<double>(b.z0 + TRoof::kEaveHeight);
  const double hx = static_cast<double>(b.Lx / 2), hy = static_cast<double>(b.Ly / 2);

  // Slopes falling towards local +y from the back strip, towards -x from the
  // right strip, and both ways from a ridge along x at hy.
  const double front = v <= 20 ? t : Rise(e, t, Ly - v, Ly - 20);
  const double left = u >= Lx - 20 ? t : Rise(e, t, u, Lx - 20);
  const double ridge = v <= hy ? Rise(e, t, v, hy) : Rise(e, t, Ly - v, Ly - hy);
  switch (type) {
    case 'T':
      return front;
    case 'N':
      return ridge;
    case 'C':
      return std::min(front, left);
    case 'E':  // three slopes up to the apex in the middle of the right end
      return std::min(ridge, Rise(e, t, u, Lx));
    default: {  // 'I': ridge arms to the right end and to the back
      if (u > hx && v < hy) return std::max(Rise(e, t, v, hy), Rise(e, t, Lx - u, Lx - hx));
      const double frontArm = v <= hy ? t : Rise(e, t, Ly - v, Ly - hy);
      const double leftArm = u >= hx ? t : Rise(e, t, u, hx);
      return std::min(frontArm, leftArm);
    }
  }
}

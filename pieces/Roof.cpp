// The roof pieces' shared drawing: colours, the local roof frame, the order of
// the visible sides for each viewing octant, and the straight roof and ridge.
#include "pieces/Roof.h"

#include "render/PieceStyle.h"
#include "render/RenderContext.h"
#include "render/Studs.h"

TRoof::TRoof(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
             bool baseplate, bool transparent, const std::string& partName)
    : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
  BlockType = 'T';
  // The 3-by-2 roof and the 2-by-3 one are different parts with the same box.
  if (sizeX == 3 && sizeY == 2) Variant = 1;
}

TRoofTop::TRoofTop(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
                   bool baseplate, bool transparent, const std::string& partName)
    : TRoof(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
  BlockType = 'N';
  Variant = 0;
}

namespace {

enum class Side { Top, Bottom, PlusY, MinusX, PlusX, MinusY };
enum class Slot { Front, Back, LeftEnd, RightEnd };

// Back to front: the three groups of faces seen from each octant.
constexpr Side kGroups[8][3] = {
    {Side::Top, Side::MinusX, Side::PlusY},    {Side::Top, Side::MinusX, Side::MinusY},
    {Side::Top, Side::PlusX, Side::MinusY},    {Side::Top, Side::PlusX, Side::PlusY},
    {Side::PlusY, Side::MinusX, Side::Bottom}, {Side::MinusY, Side::MinusX, Side::Bottom},
    {Side::MinusY, Side::PlusX, Side::Bottom}, {Side::PlusY, Side::PlusX, Side::Bottom},
};

// The drawing step that faces a world side, by quarter turn.
Slot SlotFacing(Side side, int direction) {
  static constexpr Slot kPlusY[4] = {Slot::Front, Slot::LeftEnd, Slot::Back, Slot::RightEnd};
  static constexpr Slot kMinusX[4] = {Slot::LeftEnd, Slot::Back, Slot::RightEnd, Slot::Front};
  static constexpr Slot kPlusX[4] = {Slot::RightEnd, Slot::Front, Slot::LeftEnd, Slot::Back};
  static constexpr Slot kMinusY[4] = {Slot::Back, Slot::RightEnd, Slot::Front, Slot::LeftEnd};
  switch (side) {
    case Side::PlusY:
      return kPlusY[direction];
    case Side::MinusX:
      return kMinusX[direction];
    case Side::PlusX:
      return kPlusX[direction];
    default:
      return kMinusY[direction];
  }
}

// The FaceLight factors of the slopes facing local +y, -y, -x and +x.
constexpr int kSlopeFactors[4][4] = {{5, 3, 4, 6}, {6, 4, 5, 3}, {3, 5, 6, 4}, {4, 6, 3, 5}};

void SetRoofShades(const TBlock& piece, RenderContext& rc) {
  SetFrameShades(piece, rc);
  if (!rc.ShadingOn) {
    rc.SlopeFrontShade = rc.SlopeBackShade = rc.SlopeLeftShade = rc.SlopeRightShade = piece.Color;
    return;
  }
  const int* f = kSlopeFactors[QuarterTurns(piece)];
  const float* light = rc.view.FaceLight;
  rc.SlopeFrontShade = ShadeColor(piece.Color, light[f[0]]);
  rc.SlopeBackShade = ShadeColor(piece.Color, light[f[1]]);
  rc.SlopeLeftShade = ShadeColor(piece.Color, light[f[2]]);
  rc.SlopeRightShade = ShadeColor(piece.Color, light[f[3]]);
}

}  // namespace

void TRoof::Draw(Canvas& canvas, RenderContext& rc) {
  if (SizeX == 0) return;
  BeginPieceDraw(*this, canvas, rc);
  SetRoofShades(*this, rc);
  // A roof shows its studs and underside even where other pieces cover them.
  const bool withStuds = StudsWanted(*this, rc);
  const LocalBox box = LocalFrameOf(*this);
  const int direction = QuarterTurns(*this);
  if (rc.view.Tilt == 0) {
    DrawTop(box, withStuds, canvas, rc);
  } else {
    for (Side side : kGroups[rc.view.ViewOctant & 7]) {
      if (side == Side::Top) {
        DrawTop(box, withStuds, canvas, rc);
        continue;
      }
      if (side == Side::Bottom) {
        DrawBottom(box, withStuds, canvas, rc);
        continue;
      }
      switch (SlotFacing(side, direction)) {
        case Slot::Front:
          DrawFront(box, canvas, rc);
          break;
        case Slot::Back:
          DrawBack(box, canvas, rc);
          break;
        case Slot::LeftEnd:
          DrawLeftEnd(box, canvas, rc);
          break;
        case Slot::RightEnd:
          DrawRightEnd(box, canvas, rc);
          break;
      }
    }
  }
  EndPieceDraw(canvas, rc);
}

void TRoof::TopStuds(Canvas& canvas, RenderContext& rc) {
  const int direction = QuarterTurns(*this);
  const std::int64_t x = X, y = Y;
  const int count = (direction % 2 == 0 ? SizeX : SizeY) / 20;
  const int top = Clamp32(Top());
  // The row runs along x at even directions and along y at odd ones; a row
  // from a damaged file is cut to what the canvas shows.
  const bool alongX = direction % 2 == 0;
  const StudGrid g = VisibleStudGrid(rc.view, canvas.width(), canvas.height(), x + 10, y + 10, top,
                                     alongX ? count : 1, alongX ? 1 : count);
  const int first = alongX ? g.i0 : g.j0, last = alongX ? g.i1 : g.j1;
  for (int k = first; k < last; ++k) {
    std::int64_t cx, cy;
    switch (direction) {
      case 1:
        cx = x + 10, cy = y + 10 + 20 * k;
        break;
      case 2:
        cx = x + 10 + 20 * k, cy = Back() - 10;
        break;
      case 3:
        cx = Right() - 10, cy = y + 10 + 20 * k;
        break;
      default:
        cx = x + 10 + 20 * k, cy = y + 10;
        break;
    }
    const TPoint foot = rc.view.ProjectPoint(Clamp32(cx), Clamp32(cy), top);
    DrawStud(canvas, rc, foot.x, foot.y);
  }
}

int TRoof::TopFaceAngle(const RenderContext& rc) const {
  return rc.view.SpinPosition + 90 * QuarterTurns(*this);
}

void TRoof::FrontEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, yf = b.y1();
  Face(canvas, rc, rc.SideShade,
       {{b.x0, yf, b.z0}, {b.x1(), yf, b.z0}, {b.x1(), yf, e}, {b.x0, yf, e}});
}

void TRoof::BackEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight;
  Face(canvas, rc, rc.SideShade,
       {{b.x0, b.y0, b.z0}, {b.x1(), b.y0, b.z0}, {b.x1(), b.y0, e}, {b.x0, b.y0, e}});
}

void TRoof::LeftEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight;
  Face(canvas, rc, rc.EndShade,
       {{b.x0, b.y0, b.z0}, {b.x0, b.y1(), b.z0}, {b.x0, b.y1(), e}, {b.x0, b.y0, e}});
}

void TRoof::FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, t = b.top(), yf = b.y1(), ys = b.y0 + 20;
  Face(canvas, rc, rc.SlopeFrontShade,
       {{b.x0, yf, e}, {b.x1(), yf, e}, {b.x1(), ys, t}, {b.x0, ys, t}});
}

void TRoof::EndWall(const LocalBox& b, std::int64_t xe, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, t = b.top();
  Face(canvas, rc, rc.EndShade,
       {{xe, b.y0, b.z0}, {xe, b.y1(), b.z0}, {xe, b.y1(), e}, {xe, b.y0 + 20, t}, {xe, b.y0, t}});
}

void TRoof::DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  FrontSlope(b, canvas, rc);
  FrontEaveStrip(b, canvas, rc);
}

void TRoof::DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  const std::int64_t t = b.top();
  Face(canvas, rc, rc.SideShade,
       {{b.x0, b.y0, b.z0}, {b.x1(), b.y0, b.z0}, {b.x1(), b.y0, t}, {b.x0, b.y0, t}});
}

void TRoof::DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) {
  FrontSlope(b, canvas, rc);
  const std::int64_t t = b.top(), ys = b.y0 + 20;
  Face(canvas, rc, rc.TopShade,
       {{b.x0, b.y0, t}, {b.x0, ys, t}, {b.x1(), ys, t}, {b.x1(), b.y0, t}});
  if (withStuds) TopStuds(canvas, rc);
}

void TRoof::DrawBottom(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) {
  const std::int64_t z = b.z0;
  Face(canvas, rc, rc.TopShade,
       {{b.x0, b.y0, z}, {b.x0, b.y1(), z}, {b.x1(), b.y1(), z}, {b.x1(), b.y0, z}});
  if (withStuds) BottomTubes(canvas, rc);
}

void TRoof::DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  EndWall(b, b.x0, canvas, rc);
}

void TRoof::DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  EndWall(b, b.x1(), canvas, rc);
}

// The ridge lies at half the depth.

void TRoofTop::FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, t = b.top(), yf = b.y1(), hy = b.y0 + b.Ly / 2;
  Face(canvas, rc, rc.SlopeFrontShade,
       {{b.x0, yf, e}, {b.x1(), yf, e}, {b.x1(), hy, t}, {b.x0, hy, t}});
}

void TRoofTop::BackSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, t = b.top(), hy = b.y0 + b.Ly / 2;
  Face(canvas, rc, rc.SlopeBackShade,
       {{b.x0, b.y0, e}, {b.x1(), b.y0, e}, {b.x1(), hy, t}, {b.x0, hy, t}});
}

void TRoofTop::Gable(const LocalBox& b, std::int64_t xe, Canvas& canvas, RenderContext& rc) const {
  const std::int64_t e = b.z0 + kEaveHeight, t = b.top(), hy = b.y0 + b.Ly / 2;
  Face(canvas, rc, rc.EndShade,
       {{xe, b.y0, b.z0}, {xe, b.y1(), b.z0}, {xe, b.y1(), e}, {xe, hy, t}, {xe, b.y0, e}});
}

void TRoofTop::DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  FrontSlope(b, canvas, rc);
  FrontEaveStrip(b, canvas, rc);
}

void TRoofTop::DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  BackSlope(b, canvas, rc);
  BackEaveStrip(b, canvas, rc);
}

void TRoofTop::DrawTop(const LocalBox& b, bool, Canvas& canvas, RenderContext& rc) {
  BackSlope(b, canvas, rc);
  FrontSlope(b, canvas, rc);
}

void TRoofTop::DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  Gable(b, b.x0, canvas, rc);
}

void TRoofTop::DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) {
  Gable(b, b.x1(), canvas, rc);
}

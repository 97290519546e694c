// The window's shared Draw (used by doors and wheels too), its faces and the
// order in which they are painted for each local octant.
#include "pieces/Window.h"

#include "render/PieceStyle.h"
#include "render/RenderContext.h"

int TWindow::LocalOctant(int viewOctant, int direction) {
  return (viewOctant + direction) % 4 + (viewOctant > 3 ? 4 : 0);
}

void TWindow::Draw(Canvas& canvas, RenderContext& rc) {
  if (SizeX == 0) return;
  BeginPieceDraw(*this, canvas, rc);
  SetFrameShades(*this, rc);
  rc.GrooveShade = Color;
  rc.GlassShade = 0xFFFFFF;
  if (rc.ShadingOn) {
    const int direction = QuarterTurns(*this);
    rc.GrooveShade = ShadeColor(Color, rc.view.FaceLight[direction % 2 == 0 ? 3 : 4]);
    rc.GlassShade = ShadeColor(0xFFFFFF, rc.view.FaceLight[EndFaceFactor(direction)]);
  }
  DrawOctant(LocalOctant(rc.view.ViewOctant & 7, QuarterTurns(*this)), canvas, rc);
  // Studs and tubes stand in world coordinates and show even where covered.
  if (StudsWanted(*this, rc)) {
    if (rc.view.FromBelow())
      BottomTubes(canvas, rc);
    else
      TopStuds(canvas, rc);
  }
  EndPieceDraw(canvas, rc);
}

TWindow::Frame TWindow::LocalFrame() const {
  const LocalBox b = LocalFrameOf(*this);
  return {b.x0,   b.x0 + 2, b.x1() - 2,  b.x1(),  b.y0, b.y1() - 3, b.y1() - 2,
          b.y1(), b.z0,     b.top() - 2, b.top(), b.Lx, b.Ly};
}

namespace {

using FaceOp = void (TWindow::*)(Canvas&, RenderContext&);
constexpr int kMaxSequence = 11;

// Back to front, for each local octant; a null entry ends a shorter sequence.
const FaceOp kSequences[8][kMaxSequence] = {
    {&TWindow::DrawRightInner, &TWindow::DrawSpare, &TWindow::DrawGrooveSlope,
     &TWindow::DrawGrooveBack, &TWindow::DrawSillTop, &TWindow::DrawGlass, &TWindow::DrawLeafFront,
     &TWindow::DrawBackFace, &TWindow::DrawLeftOuter, &TWindow::DrawTopFace, nullptr},
    {&TWindow::DrawBackFace, &TWindow::DrawRightInner, &TWindow::DrawLeafFront,
     &TWindow::DrawSillTop, &TWindow::DrawGlass, &TWindow::DrawSillFront, &TWindow::DrawSpare,
     &TWindow::DrawLeftOuter, &TWindow::DrawFrontFrame, &TWindow::DrawTopFace, nullptr},
    {&TWindow::DrawBackFace, &TWindow::DrawLeftInner, &TWindow::DrawLeafFront,
     &TWindow::DrawSillTop, &TWindow::DrawGlass, &TWindow::DrawSillFront, &TWindow::DrawSpare,
     &TWindow::DrawRightOuter, &TWindow::DrawFrontFrame, &TWindow::DrawTopFace, nullptr},
    {&TWindow::DrawLeftInner, &TWindow::DrawSpare, &TWindow::DrawLeafFront,
     &TWindow::DrawGrooveSlope, &TWindow::DrawGrooveBack, &TWindow::DrawSillTop,
     &TWindow::DrawGlass, &TWindow::DrawRightOuter, &TWindow::DrawBackFace, &TWindow::DrawTopFace,
     nullptr},
    {&TWindow::DrawLintelUnder, &TWindow::DrawRightInner, &TWindow::DrawGlass, &TWindow::DrawSpare,
     &TWindow::DrawGrooveCeiling, &TWindow::DrawLeafFront, &TWindow::DrawGrooveBack,
     &TWindow::DrawGrooveSlope, &TWindow::DrawBackFace, &TWindow::DrawLeftOuter,
     &TWindow::DrawBottomFace},
    {&TWindow::DrawBackFace, &TWindow::DrawLintelUnder, &TWindow::DrawGrooveCeiling,
     &TWindow::DrawRightInner, &TWindow::DrawGlass, &TWindow::DrawLeafFront,
     &TWindow::DrawSillFront, &TWindow::DrawSpare, &TWindow::DrawFrontFrame,
     &TWindow::DrawLeftOuter, &TWindow::DrawBottomFace},
    {&TWindow::DrawBackFace, &TWindow::DrawLintelUnder, &TWindow::DrawGrooveCeiling,
     &TWindow::DrawLeftInner, &TWindow::DrawGlass, &TWindow::DrawLeafFront, &TWindow::DrawSillFront,
     &TWindow::DrawSpare, &TWindow::DrawFrontFrame, &TWindow::DrawRightOuter,
     &TWindow::DrawBottomFace},
    {&TWindow::DrawLintelUnder, &TWindow::DrawLeftInner, &TWindow::DrawGlass, &TWindow::DrawSpare,
     &TWindow::DrawGrooveCeiling, &TWindow::DrawLeafFront, &TWindow::DrawGrooveBack,
     &TWindow::DrawGrooveSlope, &TWindow::DrawBackFace, &TWindow::DrawRightOuter,
     &TWindow::DrawBottomFace},
};

}  // namespace

void TWindow::PaintSequence(int localOctant, Canvas& canvas, RenderContext& rc) {
  for (FaceOp op : kSequences[localOctant]) {
    if (op == nullptr) break;
    (this->*op)(canvas, rc);
  }
}

void TWindow::DrawOctant0(Canvas& canvas, RenderContext& rc) {
  PaintSequence(0, canvas, rc);
}
void TWindow::DrawOctant1(Canvas& canvas, RenderContext& rc) {
  PaintSequence(1, canvas, rc);
}
void TWindow::DrawOctant2(Canvas& canvas, RenderContext& rc) {
  PaintSequence(2, canvas, rc);
}
void TWindow::DrawOctant3(Canvas& canvas, RenderContext& rc) {
  PaintSequence(3, canvas, rc);
}
void TWindow::DrawOctant4(Canvas& canvas, RenderContext& rc) {
  PaintSequence(4, canvas, rc);
}
void TWindow::DrawOctant5(Canvas& canvas, RenderContext& rc) {
  PaintSequence(5, canvas, rc);
}
void TWindow::DrawOctant6(Canvas& canvas, RenderContext& rc) {
  PaintSequence(6, canvas, rc);
}
void TWindow::DrawOctant7(Canvas& canvas, RenderContext& rc) {
  PaintSequence(7, canvas, rc);
}

// A post's side in the plane x, notched by the groove at the back foot.
void TWindow::DrawPostSide(std::int64_t x, std::int64_t top, Canvas& canvas,
                           RenderContext& rc) const {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0;
  Face(canvas, rc, rc.EndShade,
       {{x, f.y0, z},
        {x, f.yb, z},
        {x, f.yb, z + 2},
        {x, f.y2, z + 4},
        {x, f.y2, z + 6},
        {x, f.yb, z + 6},
        {x, f.yb, top},
        {x, f.y0, top}});
}

void TWindow::DrawLeftOuter(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  DrawPostSide(f.x0, f.zT, canvas, rc);
}

void TWindow::DrawLeftInner(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  DrawPostSide(f.x1, f.zL, canvas, rc);
}

void TWindow::DrawRightOuter(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  DrawPostSide(f.x3, f.zT, canvas, rc);
}

void TWindow::DrawRightInner(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  DrawPostSide(f.x2, f.zL, canvas, rc);
}

void TWindow::DrawFrontFrame(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  Face(canvas, rc, rc.SideShade,
       {{f.x0, f.y0, f.z0},
        {f.x1, f.y0, f.z0},
        {f.x1, f.y0, f.zL},
        {f.x2, f.y0, f.zL},
        {f.x2, f.y0, f.z0},
        {f.x3, f.y0, f.z0},
        {f.x3, f.y0, f.zT},
        {f.x0, f.y0, f.zT}});
}

void TWindow::DrawBottomFace(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0;
  Face(canvas, rc, rc.TopShade,
       {{f.x0, f.y0, z},
        {f.x0, f.yb, z},
        {f.x3, f.yb, z},
        {f.x3, f.y0, z},
        {f.x2, f.y0, z},
        {f.x2, f.y3, z},
        {f.x1, f.y3, z},
        {f.x1, f.y0, z}});
}

void TWindow::DrawGrooveSlope(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0;
  Face(canvas, rc, rc.GrooveShade,
       {{f.x0, f.yb, z + 2}, {f.x3, f.yb, z + 2}, {f.x3, f.y2, z + 4}, {f.x0, f.y2, z + 4}});
}

void TWindow::DrawGrooveBack(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0;
  Face(canvas, rc, rc.SideShade,
       {{f.x0, f.y2, z + 4}, {f.x3, f.y2, z + 4}, {f.x3, f.y2, z + 6}, {f.x0, f.y2, z + 6}});
}

void TWindow::DrawGrooveCeiling(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0 + 6;
  Face(canvas, rc, rc.TopShade,
       {{f.x0, f.y3, z}, {f.x3, f.y3, z}, {f.x3, f.yb, z}, {f.x0, f.yb, z}});
}

void TWindow::DrawSpare(Canvas&, RenderContext&) {}

void TWindow::DrawSillTop(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0 + 8;
  Face(canvas, rc, rc.TopShade,
       {{f.x1, f.y3, z}, {f.x2, f.y3, z}, {f.x2, f.yb, z}, {f.x1, f.yb, z}});
}

void TWindow::DrawSillFront(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.z0;
  Face(canvas, rc, rc.SideShade,
       {{f.x1, f.y3, z + 8}, {f.x2, f.y3, z + 8}, {f.x2, f.y3, z}, {f.x1, f.y3, z}});
}

void TWindow::DrawTopFace(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.zT;
  Face(canvas, rc, rc.TopShade,
       {{f.x0, f.y0, z}, {f.x3, f.y0, z}, {f.x3, f.yb, z}, {f.x0, f.yb, z}});
}

void TWindow::DrawLintelUnder(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t z = f.zL;
  Face(canvas, rc, rc.TopShade,
       {{f.x1, f.y0, z}, {f.x2, f.y0, z}, {f.x2, f.yb, z}, {f.x1, f.yb, z}});
}

void TWindow::DrawLeafFront(Canvas&, RenderContext&) {}

void TWindow::DrawBackFace(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t y = f.yb, z = f.z0;
  // The frame around the pane, the strip under the groove and the sill's back.
  Face(canvas, rc, rc.SideShade,
       {{f.x0, y, z + 6},
        {f.x1, y, z + 6},
        {f.x1, y, f.zL},
        {f.x2, y, f.zL},
        {f.x2, y, z + 6},
        {f.x3, y, z + 6},
        {f.x3, y, f.zT},
        {f.x0, y, f.zT}});
  Face(canvas, rc, rc.SideShade, {{f.x0, y, z}, {f.x0, y, z + 2}, {f.x3, y, z + 2}, {f.x3, y, z}});
  Face(canvas, rc, rc.SideShade,
       {{f.x1, y, z + 8}, {f.x2, y, z + 8}, {f.x2, y, z + 6}, {f.x1, y, z + 6}});
}

void TWindow::DrawGlass(Canvas& canvas, RenderContext& rc) {
  // The pane is always hatched, in wireframe too, so what lies behind shows.
  const BrushStyle style = canvas.brushStyle();
  const TColor brush = canvas.brushColor(), pen = canvas.penColor();
  canvas.setBrushStyle(BrushStyle::DiagCross);
  canvas.setBrushColor(rc.GlassShade);
  canvas.setPenColor(rc.GlassShade);
  const Frame f = LocalFrame();
  const std::int64_t y = f.y2, z = f.z0 + 8;
  Face(canvas, rc, rc.GlassShade, {{f.x1, y, z}, {f.x2, y, z}, {f.x2, y, f.zL}, {f.x1, y, f.zL}});
  canvas.setBrushStyle(style);
  canvas.setBrushColor(brush);
  canvas.setPenColor(pen);
}

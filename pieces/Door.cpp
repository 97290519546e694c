// The door: plain posts, a frame with a threshold, and two leaves that leave
// a diamond open between them.
#include "pieces/Window.h"
#include "render/RenderContext.h"

void TDoor::DrawPostSide(std::int64_t x, std::int64_t top, Canvas& canvas,
                         RenderContext& rc) const {
  const Frame f = LocalFrame();
  Face(canvas, rc, rc.EndShade, {{x, f.y0, f.z0}, {x, f.yb, f.z0}, {x, f.yb, top}, {x, f.y0, top}});
}

// Both leaves in the plane y; each is cut by its half of the diamond.
void TDoor::Leaves(std::int64_t y, TColor shade, Canvas& canvas, RenderContext& rc) const {
  const Frame f = LocalFrame();
  const std::int64_t m = f.x0 + f.Lx / 2, z0 = f.z0, zL = f.zL;
  const std::int64_t top = f.zT - kDiamondTop, middle = f.zT - (kDiamondTop + kDiamondBottom) / 2,
                     bottom = f.zT - kDiamondBottom;
  Face(canvas, rc, shade,
       {{f.x1, y, z0},
        {f.x1, y, zL},
        {m, y, zL},
        {m, y, top},
        {m - kDiamondHalfWidth, y, middle},
        {m, y, bottom},
        {m, y, z0}});
  Face(canvas, rc, shade,
       {{f.x2, y, z0},
        {f.x2, y, zL},
        {m, y, zL},
        {m, y, top},
        {m + kDiamondHalfWidth, y, middle},
        {m, y, bottom},
        {m, y, z0}});
}

void TDoor::DrawLeafFront(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  Leaves(f.y3, rc.TopShade, canvas, rc);
}

void TDoor::DrawBackFace(Canvas& canvas, RenderContext& rc) {
  const Frame f = LocalFrame();
  const std::int64_t y = f.yb, z = f.z0;
  Face(canvas, rc, rc.SideShade,
       {{f.x0, y, z},
        {f.x0, y, f.zT},
        {f.x3, y, f.zT},
        {f.x3, y, z},
        {f.x2, y, z},
        {f.x2, y, f.zL},
        {f.x1, y, f.zL},
        {f.x1, y, z}});
  Face(canvas, rc, rc.SideShade, {{f.x1, y, z}, {f.x1, y, z + 2}, {f.x2, y, z + 2}, {f.x2, y, z}});
  Leaves(f.yb - 1, rc.SideShade, canvas, rc);
}

#pragma once
#include "model/Block.h"
#include "pieces/LocalFrame.h"

// Window frame with two posts, a top bar, a sill block, a groove along the
// back foot and a hatched glass pane near the back. Its Draw (shared with the
// door and the wheel) works in the local frame of the piece's quarter turn:
// the octant operation of the local octant paints a fixed sequence of the face
// operations below, back to front.
class TWindow : public TBlock {
 public:
  TWindow() { BlockType = 'W'; }
  TWindow(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
          bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'W';
  }

  void Draw(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant0(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant1(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant2(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant3(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant4(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant5(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant6(Canvas& canvas, RenderContext& rc) override;
  void DrawOctant7(Canvas& canvas, RenderContext& rc) override;

  // The face operations, in the local frame.
  virtual void DrawFrontFrame(Canvas& canvas, RenderContext& rc);     // 17
  virtual void DrawLeftOuter(Canvas& canvas, RenderContext& rc);      // 18
  virtual void DrawLeftInner(Canvas& canvas, RenderContext& rc);      // 19
  virtual void DrawBottomFace(Canvas& canvas, RenderContext& rc);     // 20
  virtual void DrawGrooveSlope(Canvas& canvas, RenderContext& rc);    // 21
  virtual void DrawSpare(Canvas& canvas, RenderContext& rc);          // 22
  virtual void DrawSillTop(Canvas& canvas, RenderContext& rc);        // 23
  virtual void DrawGrooveCeiling(Canvas& canvas, RenderContext& rc);  // 24
  virtual void DrawSillFront(Canvas& canvas, RenderContext& rc);      // 25
  virtual void DrawRightOuter(Canvas& canvas, RenderContext& rc);     // 26
  virtual void DrawRightInner(Canvas& canvas, RenderContext& rc);     // 27
  virtual void DrawTopFace(Canvas& canvas, RenderContext& rc);        // 28
  virtual void DrawLintelUnder(Canvas& canvas, RenderContext& rc);    // 29
  virtual void DrawLeafFront(Canvas& canvas, RenderContext& rc);      // 30
  virtual void DrawGrooveBack(Canvas& canvas, RenderContext& rc);     // 31
  virtual void DrawBackFace(Canvas& canvas, RenderContext& rc);       // 32
  virtual void DrawGlass(Canvas& canvas, RenderContext& rc);          // 33

  // The octant of the view in the piece's local frame.
  static int LocalOctant(int viewOctant, int direction);

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TWindow>(); }

  // The planes of the frame in the local frame: posts 2 thick (x0..x1 and
  // x2..x3), the back face at yb with the pane 2 and the sill 3 in front of it,
  // the top bar from zL to zT.
  struct Frame {
    std::int64_t x0, x1, x2, x3, y0, y3, y2, yb, z0, zL, zT, Lx, Ly;
  };
  Frame LocalFrame() const;
  void Face(Canvas& canvas, RenderContext& rc, TColor shade,
            std::initializer_list<LocalPoint> points) const {
    DrawLocalFace(canvas, rc, QuarterTurns(*this), shade, points);
  }
  // The side of a post in the plane x, up to `top`: the four post faces
  // (outer and inner, left and right) are all drawn by it.
  virtual void DrawPostSide(std::int64_t x, std::int64_t top, Canvas& canvas,
                            RenderContext& rc) const;

 private:
  void PaintSequence(int localOctant, Canvas& canvas, RenderContext& rc);
};

// Door frame with two posts, a top bar and a threshold strip, and two leaves
// with a diamond-shaped opening between them.
class TDoor : public TWindow {
 public:
  TDoor() { BlockType = 'D'; }
  TDoor(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
        bool baseplate, bool transparent, const std::string& partName)
      : TWindow(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'D';
  }

  void DrawLeafFront(Canvas& canvas, RenderContext& rc) override;
  void DrawBackFace(Canvas& canvas, RenderContext& rc) override;
  // A door has no groove, sill or glass.
  void DrawGrooveSlope(Canvas&, RenderContext&) override {}
  void DrawSillTop(Canvas&, RenderContext&) override {}
  void DrawGrooveCeiling(Canvas&, RenderContext&) override {}
  void DrawSillFront(Canvas&, RenderContext&) override {}
  void DrawGrooveBack(Canvas&, RenderContext&) override {}
  void DrawGlass(Canvas&, RenderContext&) override {}

  // The opening between the leaves: this far to each side of the middle, and
  // from kDiamondTop to kDiamondBottom below the top.
  static constexpr int kDiamondHalfWidth = 12;
  static constexpr int kDiamondTop = 8;
  static constexpr int kDiamondBottom = 28;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TDoor>(); }
  // A door's posts are plain, without the window's groove.
  void DrawPostSide(std::int64_t x, std::int64_t top, Canvas& canvas,
                    RenderContext& rc) const override;

 private:
  void Leaves(std::int64_t y, TColor shade, Canvas& canvas, RenderContext& rc) const;
};

// Wheel turning about the local y axis: hub, tyre ring and tread, no frame,
// no studs and no tubes.
class TWheel : public TWindow {
 public:
  TWheel() { BlockType = 'O'; }
  TWheel(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
         bool baseplate, bool transparent, const std::string& partName)
      : TWindow(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'O';
  }

  void TopStuds(Canvas&, RenderContext&) override {}
  void BottomTubes(Canvas&, RenderContext&) override {}
  void DrawOctant0(Canvas& canvas, RenderContext& rc) override { NearSideLast(true, canvas, rc); }
  void DrawOctant1(Canvas& canvas, RenderContext& rc) override { NearSideLast(false, canvas, rc); }
  void DrawOctant2(Canvas& canvas, RenderContext& rc) override { NearSideLast(false, canvas, rc); }
  void DrawOctant3(Canvas& canvas, RenderContext& rc) override { NearSideLast(true, canvas, rc); }
  void DrawOctant4(Canvas& canvas, RenderContext& rc) override { NearSideLast(true, canvas, rc); }
  void DrawOctant5(Canvas& canvas, RenderContext& rc) override { NearSideLast(false, canvas, rc); }
  void DrawOctant6(Canvas& canvas, RenderContext& rc) override { NearSideLast(false, canvas, rc); }
  void DrawOctant7(Canvas& canvas, RenderContext& rc) override { NearSideLast(true, canvas, rc); }

  // One side of the wheel in the plane y: hub triangles and the tyre ring.
  void DrawWheelSide(Canvas& canvas, RenderContext& rc, std::int64_t y);
  // The tread between the two sides.
  void DrawTread(Canvas& canvas, RenderContext& rc);

  static constexpr int kAxleHeight = 28;
  static constexpr int kSegments = 12;
  static constexpr TColor kTyreColor = 0x808080;
  static constexpr TColor kTreadColor = 0x606060;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TWheel>(); }

 private:
  // Both sides and the tread, the side away from the viewer first.
  void NearSideLast(bool viewerOnHighY, Canvas& canvas, RenderContext& rc);
};

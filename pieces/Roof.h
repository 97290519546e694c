#pragma once
#include "model/Block.h"
#include "pieces/LocalFrame.h"

// Sloped roof brick: one slope falling towards local +y, a flat strip one stud
// deep along the high side. Its Draw is shared by every roof piece: it picks
// the visible sides of the box for the viewing octant and hands each to one of
// the six drawing steps below, which the other roof pieces override.
class TRoof : public TBlock {
 public:
  TRoof() { BlockType = 'T'; }
  TRoof(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
        bool baseplate, bool transparent, const std::string& partName);

  void Draw(Canvas& canvas, RenderContext& rc) override;
  // One row of studs along the flat strip, in world coordinates.
  void TopStuds(Canvas& canvas, RenderContext& rc) override;

  // The drawing steps, in the local roof frame.
  virtual void DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc);  // 17
  virtual void DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc);   // 18
  virtual void DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas,
                       RenderContext& rc);  // 19
  virtual void DrawBottom(const LocalBox& b, bool withStuds, Canvas& canvas,
                          RenderContext& rc);                                       // 20
  virtual void DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc);   // 21
  virtual void DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc);  // 22

  // Every slope starts this high above the bottom, over the eave strip.
  static constexpr int kEaveHeight = 6;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoof>(); }

  // One face in the local frame with its shade.
  void Face(Canvas& canvas, RenderContext& rc, TColor shade,
            std::initializer_list<LocalPoint> points) const {
    DrawLocalFace(canvas, rc, QuarterTurns(*this), shade, points);
  }
  // The strips under the low edges of the slopes, in front (local +y), at the
  // back (local -y) and on the left (local -x).
  void FrontEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void BackEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void LeftEaveStrip(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  // The turn of the view plus the piece's own turn, in whole degrees and not
  // reduced: it decides the order of the slopes that meet on top.
  int TopFaceAngle(const RenderContext& rc) const;

 private:
  void EndWall(const LocalBox& b, std::int64_t xe, Canvas& canvas, RenderContext& rc) const;
  void FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
};

// Ridge: two slopes meeting along local x at half the depth. Never shows studs.
class TRoofTop : public TRoof {
 public:
  TRoofTop() { BlockType = 'N'; }
  TRoofTop(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
           bool baseplate, bool transparent, const std::string& partName);

  void DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) override;
  void DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTop>(); }

 private:
  void Gable(const LocalBox& b, std::int64_t xe, Canvas& canvas, RenderContext& rc) const;
  void FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void BackSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
};

#pragma once
#include "pieces/Roof.h"

// Outside corner: slopes towards local +y and -x meeting in a hip, with a flat
// square of one stud in the back right corner carrying the single stud.
class TRoofCorner : public TRoof {
 public:
  TRoofCorner() { BlockType = 'C'; }
  TRoofCorner(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TRoof(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'C';
  }

  void TopStuds(Canvas& canvas, RenderContext& rc) override;
  void DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) override;
  void DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofCorner>(); }

 private:
  void FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void LeftSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
};

// Ridge end: three triangular slopes rising to an apex at the middle of the
// right end. Never shows studs.
class TRoofTopEnd : public TRoofTop {
 public:
  TRoofTopEnd() { BlockType = 'E'; }
  TRoofTopEnd(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TRoofTop(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'E';
  }

  void DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) override;
  void DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTopEnd>(); }

 private:
  enum class Triangle { Front, Back, Left };
  void DrawTriangle(const LocalBox& b, Triangle which, Canvas& canvas, RenderContext& rc) const;
};

// Ridge corner: a ridge that turns a right angle at the centre, one arm to the
// right end and one to the back. Never shows studs.
class TRoofTopCorner : public TRoofCorner {
 public:
  TRoofTopCorner() { BlockType = 'I'; }
  TRoofTopCorner(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
                 bool baseplate, bool transparent, const std::string& partName)
      : TRoofCorner(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'I';
  }

  void DrawFront(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawBack(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawTop(const LocalBox& b, bool withStuds, Canvas& canvas, RenderContext& rc) override;
  void DrawLeftEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;
  void DrawRightEnd(const LocalBox& b, Canvas& canvas, RenderContext& rc) override;

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTopCorner>(); }

 private:
  void FrontSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void LeftSlope(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void BackValley(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
  void RightValley(const LocalBox& b, Canvas& canvas, RenderContext& rc) const;
};

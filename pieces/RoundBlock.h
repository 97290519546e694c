#pragma once
#include "model/Block.h"

// Round brick or plate, drawn as a cylinder in screen space around the
// projected centre of its bottom, so it looks the same from every turn of the
// view. Its studs follow a round pattern chosen by its width.
class TRoundBlock : public TBlock {
 public:
  TRoundBlock() { BlockType = 'R'; }
  TRoundBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'R';
  }
  void Draw(Canvas& canvas, RenderContext& rc) override;
  void Turn() override {}  // a round piece looks the same every way round
  void TopStuds(Canvas& canvas, RenderContext& rc) override;

  // Whether the stud in column i and row j (both from 1) of a round piece
  // `sizeX` wide is drawn.
  static bool HasStudAt(int sizeX, int i, int j);

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoundBlock>(); }
};

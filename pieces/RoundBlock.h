#pragma once
#include "model/Block.h"

// Round brick or plate, drawn as a cylinder in screen space.
class TRoundBlock : public TBlock {
 public:
  TRoundBlock() { BlockType = 'R'; }
  TRoundBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'R';
  }
  void Turn() override {}  // a round piece looks the same every way round

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoundBlock>(); }
};

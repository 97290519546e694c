#pragma once
#include "model/Block.h"

// Sloped roof brick: one slope falling towards local +y, a flat strip one stud
// deep along the high side.
class TRoof : public TBlock {
 public:
  TRoof() { BlockType = 'T'; }
  TRoof(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
        bool baseplate, bool transparent, const std::string& partName);

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoof>(); }
};

// Ridge: two slopes meeting along local x at half the depth.
class TRoofTop : public TRoof {
 public:
  TRoofTop() { BlockType = 'N'; }
  TRoofTop(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
           bool baseplate, bool transparent, const std::string& partName);

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTop>(); }
};

#pragma once
#include "pieces/Roof.h"

// Outside corner: slopes towards local +y and -x meeting in a hip.
class TRoofCorner : public TRoof {
 public:
  TRoofCorner() { BlockType = 'C'; }
  TRoofCorner(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TRoof(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'C';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofCorner>(); }
};

// Ridge end: three triangular slopes rising to an apex at the right end.
class TRoofTopEnd : public TRoofTop {
 public:
  TRoofTopEnd() { BlockType = 'E'; }
  TRoofTopEnd(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
              bool baseplate, bool transparent, const std::string& partName)
      : TRoofTop(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'E';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTopEnd>(); }
};

// Ridge corner: a ridge that turns a right angle at the centre.
class TRoofTopCorner : public TRoofCorner {
 public:
  TRoofTopCorner() { BlockType = 'I'; }
  TRoofTopCorner(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
                 bool baseplate, bool transparent, const std::string& partName)
      : TRoofCorner(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent,
                    partName) {
    BlockType = 'I';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TRoofTopCorner>(); }
};

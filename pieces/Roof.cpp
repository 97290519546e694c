#include "pieces/Roof.h"

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

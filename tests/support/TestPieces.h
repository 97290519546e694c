#pragma once
#include <memory>

#include "model/Block.h"

// A plain box piece in model units, as tests of the piece lists build them.
inline std::unique_ptr<TBlock> Box(int x, int y, int z, int sx, int sy, int sz, TColor c = 255) {
  auto b = std::make_unique<TBlock>();
  b->X = x;
  b->Y = y;
  b->Z = z;
  b->SizeX = sx;
  b->SizeY = sy;
  b->SizeZ = sz;
  b->Color = c;
  return b;
}

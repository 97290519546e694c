#include "model/Block.h"

TBlock::TBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
               bool baseplate, bool transparent, const std::string& partName)
    : Color(color),
      Transparent(transparent),
      X(x * 20),
      Y(y * 20),
      Z(z * 24 / 3),
      SizeX(sizeX * 20),
      SizeY(sizeY * 20),
      SizeZ(sizeZ * 24 / 3),
      HasStuds(studs),
      IsBaseplate(baseplate),
      BlockType('B'),
      PartName(partName) {}

std::unique_ptr<TBlock> TBlock::NewEmpty() const {
  return std::make_unique<TBlock>();
}

std::unique_ptr<TBlock> TBlock::Clone() const {
  std::unique_ptr<TBlock> copy = NewEmpty();
  copy->BlockType = BlockType;
  copy->X = X;
  copy->Y = Y;
  copy->Z = Z;
  copy->SizeX = SizeX;
  copy->SizeY = SizeY;
  copy->SizeZ = SizeZ;
  copy->Color = Color;
  copy->Transparent = Transparent;
  copy->HasStuds = HasStuds;
  copy->IsBaseplate = IsBaseplate;
  copy->Direction = Direction;
  copy->Shape = Shape;
  copy->PartName = PartName;
  copy->Variant = Variant;
  copy->Step = Step;
  return copy;
}

void TBlock::Turn() {
  Direction = (Direction + 1) % 4;
  std::swap(SizeX, SizeY);
}

void TBlock::GetPosition(int& x, int& y, int& z) const {
  x = X;
  y = Y;
  z = Z;
}

void TBlock::LoadShape(TShapeCache&, const std::string&, const std::string&) {}

int TBlock::TopOver(int x, int y, int w, int d) const {
  const std::int64_t x64 = x, y64 = y;
  if (x64 + w > X && x64 < Right() && y64 + d > Y && y64 < Back()) return static_cast<int>(Top());
  return 0;
}

void TBlock::DrawOctant(int octant, Canvas& canvas, RenderContext& rc) {
  switch (octant) {
    case 0:
      DrawOctant0(canvas, rc);
      break;
    case 1:
      DrawOctant1(canvas, rc);
      break;
    case 2:
      DrawOctant2(canvas, rc);
      break;
    case 3:
      DrawOctant3(canvas, rc);
      break;
    case 4:
      DrawOctant4(canvas, rc);
      break;
    case 5:
      DrawOctant5(canvas, rc);
      break;
    case 6:
      DrawOctant6(canvas, rc);
      break;
    case 7:
      DrawOctant7(canvas, rc);
      break;
    default:
      break;
  }
}

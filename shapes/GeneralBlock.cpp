#include "shapes/GeneralBlock.h"

#include "shapes/DrawClass.h"
#include "shapes/ShapeCache.h"

std::string TBlock::ShapeFileName() const { return Shape ? Shape->FileName : std::string(); }
std::string TBlock::ShapeSectionName() const {
  return Shape ? Shape->SectionName : std::string();
}

void TGeneralBlock::LoadShape(TShapeCache& cache, const std::string& fileName,
                              const std::string& sectionName) {
  TDrawClass* shape = cache.FindShape(fileName, sectionName);
  SetShape(shape);
  const bool turned = Direction % 2 != 0;
  SizeX = turned ? shape->BoxY : shape->BoxX;
  SizeY = turned ? shape->BoxX : shape->BoxY;
  SizeZ = shape->BoxZ;
  BlockType = 'G';
}

void TGeneralBlock::SetShape(TDrawClass* shape) {
  Shape = shape;
  Variant = shape ? shape->Variant : 0;
}

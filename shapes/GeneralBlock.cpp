#include "shapes/GeneralBlock.h"

#include <algorithm>
#include <limits>

#include "model/Bounds.h"
#include "render/PieceStyle.h"
#include "render/RenderContext.h"
#include "shapes/DrawClass.h"
#include "shapes/ShapeCache.h"

// Every piece class answers these; only general pieces have a shape.
std::string TBlock::ShapeFileName() const {
  return Shape ? Shape->FileName : std::string();
}
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

void TGeneralBlock::Draw(Canvas& canvas, RenderContext& rc) {
  if (SizeX == 0 || !Shape) return;
  BeginPieceDraw(*this, canvas, rc);
  Shape->DrawFaces(X, Y, Z, Direction, Selected, canvas, rc);
  if (StudsWanted(*this, rc)) {
    if (rc.view.FromBelow()) {
      if (BottomCover < Area()) BottomTubes(canvas, rc);
    } else if (TopCover < Area()) {
      TopStuds(canvas, rc);
    }
  }
  EndPieceDraw(canvas, rc);
}

void TGeneralBlock::Turn() {
  if (Shape) {
    const int d = ((Direction % 4) + 4) % 4;
    auto shifted = [](std::int32_t v, std::int32_t studs) {
      return Clamp32(std::int64_t{v} + std::int64_t{20} * studs);
    };
    X = shifted(X, Shape->TurnShift[2 * d]);
    Y = shifted(Y, Shape->TurnShift[2 * d + 1]);
  }
  TBlock::Turn();
}

void TGeneralBlock::TopStuds(Canvas& canvas, RenderContext& rc) {
  if (Shape) Shape->DrawTopStuds(X, Y, Z, Direction, canvas, rc);
}

void TGeneralBlock::BottomTubes(Canvas& canvas, RenderContext& rc) {
  if (Shape) Shape->DrawBottomTubes(X, Y, Z, Direction, canvas, rc);
}

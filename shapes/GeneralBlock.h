#pragma once
#include "model/Block.h"

// A piece whose geometry is a polygon shape from a part definition file. The
// shape is shared with every piece of the same file and section.
class TGeneralBlock : public TBlock {
 public:
  TGeneralBlock() = default;
  TGeneralBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
                bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {}

  void Draw(Canvas& canvas, RenderContext& rc) override;
  // Shifts by the shape's TurnShift for the current direction, then turns.
  void Turn() override;
  void TopStuds(Canvas& canvas, RenderContext& rc) override;
  void BottomTubes(Canvas& canvas, RenderContext& rc) override;
  // Binds the cached shape and takes its box as the sizes, turned by Direction.
  // On failure the error propagates and the piece stays as it was.
  void LoadShape(TShapeCache& cache, const std::string& fileName,
                 const std::string& sectionName) override;
  // Binds a shape without touching the sizes.
  void SetShape(TDrawClass* shape);
  TDrawClass* GetShape() const { return Shape; }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TGeneralBlock>(); }
};

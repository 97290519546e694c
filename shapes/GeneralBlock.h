#pragma once
#include "model/Block.h"

// A piece whose geometry is a polygon shape from a part definition file.
class TGeneralBlock : public TBlock {
 public:
  TGeneralBlock() = default;
  TGeneralBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
                bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {}

  void LoadShape(TShapeCache& cache, const std::string& fileName,
                 const std::string& sectionName) override;
  void SetShape(TDrawClass* shape);
  TDrawClass* GetShape() const { return Shape; }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TGeneralBlock>(); }
};

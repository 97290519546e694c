#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Color.h"

class Canvas;
class RenderContext;
class TView;
class TDrawClass;
class TShapeCache;

// One piece of the model, the baseplate included: an axis-aligned box in model
// units (x and y 20 per stud, z 8 per plate; a brick is 24) with its colour,
// flags, type letter and part number. The descendants differ only in how they
// draw, turn and place their studs; they add no data.
class TBlock {
 public:
  // Fields, in declaration order.
  TColor Color = 0;
  std::int32_t Direction = 0;  // quarter turns applied by Turn, 0..3
  bool Transparent = false;
  std::int32_t X = 0, Y = 0, Z = 0;              // lowest corner
  std::int32_t SizeX = 0, SizeY = 0, SizeZ = 0;  // SizeX 0: the piece draws nothing
  bool HasStuds = false;
  bool IsBaseplate = false;
  char BlockType = 'B';
  std::int32_t TopCover = 0;     // area of the top covered by pieces standing on it
  std::int32_t BottomCover = 0;  // area of the bottom covered by pieces under it
  TDrawClass* Shape = nullptr;   // general pieces only; owned by the shape cache
  std::string PartName;
  std::int32_t Variant = 0;
  bool Selected = false;
  std::int32_t Group = 0;  // below 1: not grouped
  std::int16_t Step = 0;

  // An empty piece: every field 0, as the model reader creates it.
  TBlock() = default;
  // Position and sizes in studs and plates, as palette entries and "New model" give them.
  TBlock(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
         bool baseplate, bool transparent, const std::string& partName);
  virtual ~TBlock() = default;
  TBlock(const TBlock&) = delete;
  TBlock& operator=(const TBlock&) = delete;

  // The virtual operations in their slot order (slot 0 is the constructor).
  virtual void Draw(Canvas& canvas, RenderContext& rc);           // 1
  virtual void Turn();                                            // 2
  virtual void TopStuds(Canvas& canvas, RenderContext& rc);       // 3
  virtual void BottomTubes(Canvas& canvas, RenderContext& rc);    // 4
  virtual void GetPosition(int& x, int& y, int& z) const;         // 5
  virtual bool HitTest(const TView& view, int px, int py) const;  // 6
  virtual void DrawOctant0(Canvas& canvas, RenderContext& rc);    // 7
  virtual void DrawOctant1(Canvas& canvas, RenderContext& rc);    // 8
  virtual void DrawOctant2(Canvas& canvas, RenderContext& rc);    // 9
  virtual void DrawOctant3(Canvas& canvas, RenderContext& rc);    // 10
  virtual void DrawOctant4(Canvas& canvas, RenderContext& rc);    // 11
  virtual void DrawOctant5(Canvas& canvas, RenderContext& rc);    // 12
  virtual void DrawOctant6(Canvas& canvas, RenderContext& rc);    // 13
  virtual void DrawOctant7(Canvas& canvas, RenderContext& rc);    // 14
  virtual void LoadShape(TShapeCache& cache, const std::string& fileName,
                         const std::string& sectionName);  // 15
  virtual int TopOver(int x, int y, int w, int d) const;   // 16

  // A new piece of the same class with the record copied; Group 0, not
  // selected, covers 0. The shape is shared, not copied.
  std::unique_ptr<TBlock> Clone() const;

  // The bound shape's file and section; empty for pieces without a shape.
  std::string ShapeFileName() const;
  std::string ShapeSectionName() const;

  // Calls DrawOctant0..7 for the given octant.
  void DrawOctant(int octant, Canvas& canvas, RenderContext& rc);

  // Wide sums, so that coordinates read from a file cannot overflow.
  std::int64_t Right() const { return std::int64_t{X} + SizeX; }
  std::int64_t Back() const { return std::int64_t{Y} + SizeY; }
  std::int64_t Top() const { return std::int64_t{Z} + SizeZ; }
  std::int64_t Area() const { return std::int64_t{SizeX} * SizeY; }

 protected:
  // A zero-initialised object of the same class, for Clone.
  virtual std::unique_ptr<TBlock> NewEmpty() const;
};

#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/Point3.h"
#include "platform/Bitmap.h"
#include "shapes/IntegerList.h"

class Canvas;
class RenderContext;

// One flat face of a shape.
struct FaceRec {
  std::int32_t PointCount = 0;
  std::vector<Point3> Points;  // corners in drawing order; the outline closes back to the first
  // 0: no visible outline; 1: full outline; otherwise per-edge mode, where bit
  // (i + 1) set hides the edge from corner i to corner i + 1 (i = 0..30).
  std::int32_t Outline = 0;
  std::int32_t Detail = 0;  // lowest detail level at which the face is drawn
  // 0: the piece's colour; positive: the face's own colour; -c: hatched in colour c.
  std::int32_t Color = 0;
  friend bool operator==(const FaceRec& a, const FaceRec& b) {
    return a.PointCount == b.PointCount && a.Points == b.Points && a.Outline == b.Outline &&
           a.Detail == b.Detail && a.Color == b.Color;
  }
};

// The octant of the shape's own frame from which a piece turned by direction
// sees the view octant: the turn moves the viewer round the piece.
int ShapeOctant(int viewOctant, int direction);

// A polygon shape: the geometry of a general piece, in model units measured
// from the shape's lowest corner, with one painting order of its faces for each
// octant of its own frame, its studs and tubes and an optional bitmap face.
class TDrawClass {
 public:
  static constexpr int kMaxCorners = 100;    // the drawing buffers hold this many points
  static constexpr int kOutlinedEdges = 31;  // per-edge outline bits cover corners 0..30

  std::int32_t BoxX = 0, BoxY = 0, BoxZ = 0;
  std::int32_t FaceCount = 0;
  std::vector<FaceRec> Faces;
  TIntegerList DrawOrder[8];       // face indices, far to near, per octant of the shape's frame
  std::int32_t TurnShift[8] = {};  // (dx, dy) in studs for Direction 0..3
  std::int32_t TopFace = 0;        // -1 after that face was deleted
  std::int32_t TopStudCount = 0;
  std::vector<Point3> TopStuds;
  std::int32_t BottomFace = 0;
  std::int32_t BottomTubeCount = 0;
  std::vector<Point3> BottomTubes;
  std::string FileName;
  std::string SectionName;
  std::int32_t HighlightFace = -1;  // the shape editor's current face; never stored
  std::int32_t Variant = 0;
  std::string BitmapName;
  std::int32_t BitmapFace = -1;
  // The folders FileName and its bitmaps are looked for in, in order (each with its trailing '/').
  std::vector<std::string> PartsFolders;

  TDrawClass() = default;
  static std::unique_ptr<TDrawClass> Create() { return std::make_unique<TDrawClass>(); }
  // A deep copy of everything but the bitmap picked up for drawing.
  static std::unique_ptr<TDrawClass> CreateCopy(const TDrawClass& source);
  // Copies every field of source into this object (the shape editor storing its edits).
  void Assign(const TDrawClass& source);

  // Checked accessors; a bad index raises BrikoloError with a fixed message.
  int GetPointCount(int face) const;
  int GetOutline(int face) const;
  void SetOutline(int face, int value);
  int GetDetail(int face) const;
  void SetDetail(int face, int value);
  int GetColor(int face) const;
  void SetColor(int face, int value);
  Point3 GetPoint(int face, int i) const;
  void SetPoint(int face, int i, const Point3& p);
  int GetDrawCount(int octant) const;
  void SetDrawCount(int octant, int count);  // only ever shortens
  int GetDrawOrder(int octant, int i) const;
  void SetDrawOrder(int octant, int i, int face);  // grows the list with zeros
  void SetBox(int x, int y, int z);

  // Editing primitives of the shape editor.
  void AddFace(const Point3* points, int count);
  void CopyFace(int face);
  void DeleteFace(int face);
  // Before corner i; a face without corners takes its first one at 0.
  void InsertPoint(int face, int i, const Point3& p);
  void DeletePoint(int face, int i);
  void PlaceStuds(int nx, int ny);

  // A shape point turned for a piece of the given direction, inside the turned box.
  Point3 Turned(const Point3& p, int direction) const;

  // Painting; the piece has prepared the canvas's pen and brush.
  void DrawFaces(int x, int y, int z, int direction, bool selected, Canvas& canvas,
                 RenderContext& rc) const;
  void DrawTopStuds(int x, int y, int z, int direction, Canvas& canvas, RenderContext& rc) const;
  void DrawBottomTubes(int x, int y, int z, int direction, Canvas& canvas, RenderContext& rc) const;

  // The z of a face's first corner, 0 when there is no such face or corner.
  int FirstCornerZ(int face) const;
  bool HasFace(int face) const { return face >= 0 && face < FaceCount; }

 private:
  const FaceRec& CheckedFace(int face) const;
  FaceRec& CheckedFace(int face);
  void DrawBitmapFace(const FaceRec& face, Canvas& canvas, RenderContext& rc) const;
  const Bitmap* FaceBitmap() const;

  // The picture of the bitmap face, read on first use; a failed read is not retried.
  mutable Bitmap bitmap_;
  mutable std::string bitmapName_;
  mutable std::vector<std::string> bitmapFolders_;
  mutable bool bitmapTried_ = false;
};

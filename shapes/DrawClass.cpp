// The shape object itself: copying, the checked accessors, the editing
// primitives of the shape editor and the automatic placing of studs and tubes.
#include "shapes/DrawClass.h"

#include "platform/Error.h"
#include "platform/Geometry.h"
#include "platform/Region.h"

namespace {

bool ValidOctant(int octant) {
  return octant >= 0 && octant < 8;
}

}  // namespace

int ShapeOctant(int viewOctant, int direction) {
  const int d = ((direction % 4) + 4) % 4;
  if (viewOctant < 4) return (viewOctant + d) % 4;
  return 4 + (viewOctant - 4 + d) % 4;
}

std::unique_ptr<TDrawClass> TDrawClass::CreateCopy(const TDrawClass& source) {
  auto copy = std::make_unique<TDrawClass>();
  copy->Assign(source);
  return copy;
}

void TDrawClass::Assign(const TDrawClass& source) {
  if (this == &source) return;
  *this = source;
  bitmap_ = Bitmap();
  bitmapName_.clear();
  bitmapFolders_.clear();
  bitmapTried_ = false;
}

const FaceRec& TDrawClass::CheckedFace(int face) const {
  if (!HasFace(face)) throw BrikoloError("Illegal polygon index");
  return Faces[static_cast<std::size_t>(face)];
}

FaceRec& TDrawClass::CheckedFace(int face) {
  if (!HasFace(face)) throw BrikoloError("Illegal polygon index");
  return Faces[static_cast<std::size_t>(face)];
}

int TDrawClass::GetPointCount(int face) const {
  return CheckedFace(face).PointCount;
}
int TDrawClass::GetOutline(int face) const {
  return CheckedFace(face).Outline;
}
void TDrawClass::SetOutline(int face, int value) {
  CheckedFace(face).Outline = value;
}
int TDrawClass::GetDetail(int face) const {
  return CheckedFace(face).Detail;
}
void TDrawClass::SetDetail(int face, int value) {
  CheckedFace(face).Detail = value;
}
int TDrawClass::GetColor(int face) const {
  return CheckedFace(face).Color;
}
void TDrawClass::SetColor(int face, int value) {
  CheckedFace(face).Color = value;
}

Point3 TDrawClass::GetPoint(int face, int i) const {
  const FaceRec& f = CheckedFace(face);
  if (i < 0 || i >= f.PointCount) throw BrikoloError("Illegal point index");
  return f.Points[static_cast<std::size_t>(i)];
}

void TDrawClass::SetPoint(int face, int i, const Point3& p) {
  FaceRec& f = CheckedFace(face);
  if (i < 0 || i >= f.PointCount) throw BrikoloError("Illegal point index");
  f.Points[static_cast<std::size_t>(i)] = p;
}

int TDrawClass::GetDrawCount(int octant) const {
  if (!ValidOctant(octant)) throw BrikoloError("Illegal octant for GetDrawCount");
  return DrawOrder[octant].Count();
}

void TDrawClass::SetDrawCount(int octant, int count) {
  if (!ValidOctant(octant)) throw BrikoloError("Illegal octant for SetDrawCount");
  DrawOrder[octant].Truncate(count < 0 ? 0 : count);
}

int TDrawClass::GetDrawOrder(int octant, int i) const {
  if (!ValidOctant(octant)) throw BrikoloError("Illegal octant for GetDrawOrder");
  if (i < 0 || i >= DrawOrder[octant].Count())
    throw BrikoloError("Illegal face index for GetDrawOrder");
  return DrawOrder[octant][i];
}

void TDrawClass::SetDrawOrder(int octant, int i, int face) {
  if (!ValidOctant(octant)) throw BrikoloError("Illegal octant for SetDrawOrder");
  if (i < 0) throw BrikoloError("Illegal face index for SetDrawOrder");
  DrawOrder[octant].Put(i, face);
}

void TDrawClass::SetBox(int x, int y, int z) {
  BoxX = x;
  BoxY = y;
  BoxZ = z;
}

void TDrawClass::AddFace(const Point3* points, int count) {
  FaceRec face;
  face.PointCount = count < 0 ? 0 : count;
  face.Points.assign(points, points + face.PointCount);
  face.Outline = 1;
  Faces.push_back(std::move(face));
  for (TIntegerList& list : DrawOrder) list.Add(FaceCount);
  ++FaceCount;
}

void TDrawClass::CopyFace(int face) {
  Faces.push_back(Faces[static_cast<std::size_t>(face)]);
  for (TIntegerList& list : DrawOrder) list.Add(FaceCount);
  ++FaceCount;
}

void TDrawClass::DeleteFace(int face) {
  for (TIntegerList& list : DrawOrder) {
    list.Remove(face);
    for (std::int32_t& entry : list)
      if (entry > face) --entry;
  }
  if (face == TopFace) {
    TopFace = -1;
    TopStudCount = 0;
    TopStuds.clear();
  } else if (face == BottomFace) {
    BottomFace = -1;
    BottomTubeCount = 0;
    BottomTubes.clear();
  }
  if (TopFace > face) --TopFace;
  if (BottomFace > face) --BottomFace;
  // The bitmap goes with its face instead of sliding onto the next one.
  if (BitmapFace == face)
    BitmapFace = -1;
  else if (BitmapFace > face)
    --BitmapFace;
  Faces.erase(Faces.begin() + face);
  --FaceCount;
}

void TDrawClass::InsertPoint(int face, int i, const Point3& p) {
  FaceRec& f = CheckedFace(face);
  // A face that lost all its corners takes a first one again.
  const bool first = f.PointCount == 0 && i == 0;
  if (!first && (i < 0 || i >= f.PointCount)) throw BrikoloError("Illegal point index");
  f.Points.insert(f.Points.begin() + i, p);
  ++f.PointCount;
}

void TDrawClass::DeletePoint(int face, int i) {
  FaceRec& f = CheckedFace(face);
  if (i < 0 || i >= f.PointCount) throw BrikoloError("Illegal point index");
  f.Points.erase(f.Points.begin() + i);
  --f.PointCount;
}

int TDrawClass::FirstCornerZ(int face) const {
  if (!HasFace(face) || Faces[static_cast<std::size_t>(face)].Points.empty()) return 0;
  return Faces[static_cast<std::size_t>(face)].Points[0].z;
}

namespace {

// The flat face (all corners at one z) with the greatest z (highest = true) or
// the least; the first one found wins ties. current when there is none.
int FlatFaceAtExtreme(const std::vector<FaceRec>& faces, bool highest, int current) {
  int chosen = current;
  bool found = false;
  int best = 0;
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const FaceRec& f = faces[i];
    if (f.Points.empty()) continue;
    const int z = f.Points[0].z;
    bool flat = true;
    for (const Point3& p : f.Points) flat = flat && p.z == z;
    if (!flat) continue;
    if (!found || (highest ? z > best : z < best)) {
      found = true;
      best = z;
      chosen = static_cast<int>(i);
    }
  }
  return chosen;
}

PolygonRegion FootprintRegion(const FaceRec& face) {
  std::vector<TPoint> outline;
  outline.reserve(face.Points.size());
  for (const Point3& p : face.Points) outline.push_back({p.x, p.y});
  return PolygonRegion(outline.data(), static_cast<int>(outline.size()));
}

// True when the point and its four neighbours at the given distance all lie in the region.
bool FivePointsInside(const PolygonRegion& region, int cx, int cy, int reach) {
  return region.contains(cx, cy) && region.contains(cx + reach, cy) &&
         region.contains(cx - reach, cy) && region.contains(cx, cy + reach) &&
         region.contains(cx, cy - reach);
}

// The grid points (20i + shift, 20j + shift), i and j from first below nx and
// ny, whose stud square (20i + 10, 20j + 10) fits with all five test points
// into the face's footprint; z is that of the face's first corner.
std::vector<Point3> FittingPoints(const FaceRec& face, int first, int nx, int ny, int shift) {
  std::vector<Point3> points;
  const PolygonRegion region = FootprintRegion(face);
  if (!region.valid()) return points;
  const int z = face.Points[0].z;
  for (int i = first; i < nx; ++i)
    for (int j = first; j < ny; ++j)
      if (FivePointsInside(region, 20 * i + 10, 20 * j + 10, 7))
        points.push_back({20 * i + shift, 20 * j + shift, z});
  return points;
}

}  // namespace

void TDrawClass::PlaceStuds(int nx, int ny) {
  if (TopFace < 0) return;
  TopFace = FlatFaceAtExtreme(Faces, true, TopFace);
  TopStuds.clear();
  if (HasFace(TopFace))
    TopStuds = FittingPoints(Faces[static_cast<std::size_t>(TopFace)], 0, nx, ny, 10);
  TopStudCount = static_cast<std::int32_t>(TopStuds.size());

  if (BottomFace < 0) return;
  BottomFace = FlatFaceAtExtreme(Faces, false, BottomFace);
  BottomTubes.clear();
  // A tube stands where four studs meet; it is tested by the stud square beyond it.
  if (HasFace(BottomFace))
    BottomTubes = FittingPoints(Faces[static_cast<std::size_t>(BottomFace)], 1, nx, ny, 0);
  BottomTubeCount = static_cast<std::int32_t>(BottomTubes.size());
}

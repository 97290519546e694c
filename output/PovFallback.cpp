#include "output/PovFallback.h"

#include <cmath>

#include "platform/TextCase.h"
#include "platform/TextFile.h"

namespace {

// Records with absurd sizes draw nothing rather than a box across the world.
constexpr int kLargestSize = 1000;  // studs or plates

std::string WithoutExtension(const std::string& partFile) {
  const std::string ext = FileExtension(partFile);
  return partFile.substr(0, partFile.size() - ext.size());
}

// The quarter turn of a matrix whose first row starts (m00, 0, m02): the
// turns the export writes give (1, 0), (0, -1), (-1, 0), (0, 1), the diagonal
// ones lie 45 degrees beyond them.
int QuarterTurnOf(double m00, double m02) {
  const double pi = 3.14159265358979323846;
  double degrees = std::atan2(-m02, m00) * 180.0 / pi;
  if (degrees < 0) degrees += 360.0;
  return static_cast<int>(std::floor((degrees + 1.0) / 90.0)) % 4;
}

}  // namespace

const TLDrawRecord* FindRecordOfPart(const std::vector<TLDrawRecord>& records,
                                     const std::string& partFile) {
  const std::string name = WithoutExtension(FileBaseName(partFile));
  for (const TLDrawRecord& r : records)
    if (SameText(r.LDrawName, name)) return &r;
  return nullptr;
}

FallbackPiece PieceOfRecord(const TLDrawRecord& r, double x, double y, double z, double m00,
                            double m02) {
  FallbackPiece p;
  if (r.Width <= 0 || r.Length <= 0 || r.Height <= 0 || r.Width > kLargestSize ||
      r.Length > kLargestSize || r.Height > kLargestSize)
    return p;
  const int d = QuarterTurnOf(m00, m02);
  // The export moved the part by the offsets as turned by d; move back.
  const double along = r.OffsetAlong, across = r.OffsetAcross;
  static const double kAlongX[4] = {-1, 0, 1, 0}, kAcrossX[4] = {0, -1, 0, 1};
  static const double kAlongZ[4] = {0, -1, 0, 1}, kAcrossZ[4] = {1, 0, -1, 0};
  p.centreX = x - (along * kAlongX[d] + across * kAcrossX[d]);
  p.centreZ = z - (along * kAlongZ[d] + across * kAcrossZ[d]);
  p.topY = y - r.OffsetUp;
  const int direction = ((d - (r.Rotation & 3)) % 4 + 4) % 4;
  const bool turned = direction % 2 == 1;
  p.sizeX = 20 * (turned ? r.Width : r.Length);
  p.sizeZ = 20 * (turned ? r.Length : r.Width);
  p.height = 8 * r.Height;
  p.studs = r.Studs == 1;
  return p;
}

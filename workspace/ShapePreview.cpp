#include "workspace/ShapePreview.h"

#include <cstdlib>

#include "model/Block.h"
#include "platform/Canvas.h"
#include "render/RenderContext.h"

namespace {

constexpr float kFullTurn = 360 * PreviewAngles::kDegree;
constexpr float kStraightUp = 180 * PreviewAngles::kDegree;
constexpr float kStep = 10 * PreviewAngles::kDegree;

}  // namespace

void PreviewAngles::TurnLeft() {
  Spin -= kStep;
  if (Spin < 0) Spin = kFullTurn;
}

void PreviewAngles::TurnRight() {
  Spin += kStep;
  if (Spin > kFullTurn) Spin = 0;
}

void PreviewAngles::TiltUp() {
  Tilt += kStep;
  if (Tilt > kStraightUp) Tilt = kStraightUp;
}

void PreviewAngles::TiltDown() {
  Tilt -= kStep;
  if (Tilt < 0) Tilt = 0;
}

void PreviewAngles::TypicalFor(int octant) {
  static const int kSpins[4] = {30, 150, 210, 330};
  Tilt = (octant < 4 ? 60 : 120) * kDegree;
  Spin = static_cast<float>(kSpins[octant % 4]) * kDegree;
}

int PaintShapePreview(TBlock* piece, const PreviewAngles& angles, TColor background, Bitmap& target,
                      RenderContext& rc) {
  target.fill(background);
  if (!piece || target.empty()) return -1;
  TView& v = rc.view;
  v.ViewScale = angles.Scale;
  v.Tilt = angles.Tilt;
  v.Spin = angles.Spin;
  v.ViewCenterX = v.ViewCenterY = 0;
  v.UpdateProjection();
  const TPoint low = v.ProjectPoint(0, 0, 0);
  const TPoint high = v.ProjectPoint(piece->SizeX, piece->SizeY, piece->SizeZ);
  v.ViewCenterX = target.width() / 2 - (low.x + high.x) / 2;
  v.ViewCenterY = target.height() / 2 - (low.y + high.y) / 2;
  v.UpdateRiseAndStuds();
  std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(target);
  piece->Draw(*canvas, rc);
  return v.ViewOctant;
}

int PreviewEntryHeight(const TBlock* piece) {
  if (!piece) return 10;
  TView v;
  v.ViewScale = 0.5f;
  v.SetAngles(60, 30);
  const TPoint a = v.ProjectPoint(piece->X, piece->Y + piece->SizeY, piece->Z);
  const TPoint b = v.ProjectPoint(piece->X + piece->SizeX, piece->Y, piece->Z + piece->SizeZ);
  return std::abs(a.y - b.y) + 10;
}

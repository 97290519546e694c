#include "render/ViewControls.h"

#include <algorithm>

#include "render/View.h"

void ViewPositions::Clamp() {
  RotX = std::clamp(RotX, kRotXMin, kRotXMax);
  RotZ = std::clamp(RotZ, kRotZMin, kRotZMax);
  ScaleBar = std::clamp(ScaleBar, kScaleMin, kScaleMax);
  OffsetX = std::clamp(OffsetX, kOffsetMin, kOffsetMax);
  OffsetY = std::clamp(OffsetY, kOffsetMin, kOffsetMax);
}

void RotateUp(ViewPositions& p) {
  p.RotX = std::min(p.RotX + 5, ViewPositions::kRotXMax);
}
void RotateDown(ViewPositions& p) {
  p.RotX = std::max(p.RotX - 5, ViewPositions::kRotXMin);
}

void RotateLeft(ViewPositions& p) {
  p.RotZ = p.RotZ == 0 ? 355 : p.RotZ - 5;
}

void RotateRight(ViewPositions& p) {
  p.RotZ = p.RotZ < 360 ? p.RotZ + 5 : 5;
}

bool ZoomIn(ViewPositions& p) {
  if (p.ScaleBar <= ViewPositions::kScaleMin) return false;
  --p.ScaleBar;
  return true;
}

bool ZoomOut(ViewPositions& p) {
  if (p.ScaleBar >= ViewPositions::kScaleMax) return false;
  ++p.ScaleBar;
  return true;
}

void StandardView(ViewPositions& p) {
  p.ScaleBar = 10;
  p.OffsetX = 0;
  p.OffsetY = 0;
  p.RotX = 70;
  p.RotZ = 30;
}

const FixedView kFixedViews[10] = {
    {0, "btnTopView", "Top view", 0, -1},         {1, "btnFromFront", "From front", -1, 0},
    {2, "btnFromRight", "From right", -1, 270},   {3, "btnFromLeft", "From left", -1, 90},
    {4, "btnFromBack", "From back", -1, 180},     {5, "btnFrontLeft", "Front left", 70, 30},
    {6, "btnBackRight", "Back right", 70, 210},   {7, "btnBackLeft", "Back left", 70, 150},
    {8, "btnFrontRight", "Front right", 70, 330}, {9, "btnFrontView", "Front view", 90, -1},
};

void ApplyFixedView(ViewPositions& p, int tag) {
  if (tag < 0 || tag > 9) return;
  const FixedView& v = kFixedViews[tag];
  if (v.rotX >= 0) p.RotX = v.rotX;
  if (v.rotZ >= 0) p.RotZ = v.rotZ;
}

void ApplyViewPositions(TView& view, const ViewPositions& p, int clientWidth, int clientHeight) {
  view.SetScaleBar(p.ScaleBar);
  view.SetAngles(p.RotX, p.RotZ);
  view.UpdateCenter(clientWidth, clientHeight, p.OffsetX, p.OffsetY);
}

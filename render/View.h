#pragma once
#include <cstdint>

#include "model/Point3.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

// The one view of the model: an orthographic projection set by a tilt, a spin,
// a scale and the screen point of the model origin, together with the stud
// sizes on screen and the lighting. All arithmetic is single precision, as the
// drawing order and the pixel positions depend on it.
class TView {
 public:
  float Tilt = 0;       // 0 = straight down, pi/2 = horizontal, above = from below
  float Spin = 0;       // turn of the model about the vertical axis
  float ViewScale = 1;  // pixels per model unit
  int ViewCenterX = 0;
  int ViewCenterY = 0;
  float ProjectionMatrix[6][4] = {};  // column d: geometry turned by d quarter turns
  int ViewOctant = 0;
  float CosTilt = 1;
  int SpinPosition = 0;  // the RotZ position the spin was set from, whole degrees

  // Stud metrics, recomputed before every paint.
  int StudRadiusX = 5, StudRadiusY = 5, StudHalfX = 2, StudHalfY = 2;
  int StudRiseX = 0, StudRiseY = 0, BrickRiseX = 0, BrickRiseY = 0;

  // Lighting.
  int LightDirection[3] = {-7, 0, 10};
  float FaceLight[7] = {};
  static constexpr float kAmbient = 0.8f;
  static constexpr float kOutlineDarkening = 0.6f;

  TView();

  // Tilt and spin from whole degrees (the positions of RotX and RotZ).
  void SetAngles(int tiltDegrees, int spinDegrees);
  void SetScaleBar(int position) { ViewScale = 10.0f / static_cast<float>(position); }
  void UpdateProjection();
  void UpdateCenter(int clientWidth, int clientHeight, int offsetX, int offsetY);
  void UpdateStudMetrics();
  // The rise values (stud and brick height on screen), then the stud metrics.
  void UpdateRiseAndStuds();
  void UpdateLighting();

  TPoint ProjectPoint(int x, int y, int z, int d = 0) const;
  TPoint ProjectPoint(const Point3& p, int d = 0) const { return ProjectPoint(p.x, p.y, p.z, d); }
  // Projects points[0..last] into out[0..last].
  void ProjectPoints(const Point3* points, int last, int d, TPoint* out) const;

  bool FromBelow() const { return ViewOctant > 3; }

  struct Saved {
    int ViewCenterX, ViewCenterY;
    float ViewScale;
    float ProjectionMatrix[6][4];
    float Tilt, Spin, CosTilt;
    int ViewOctant;
  };
  Saved SaveView() const;
  void RestoreView(const Saved& saved);

  // The octant for a spin and tilt (the drawing order and the faces depend on it).
  static int OctantOf(float spin, float tilt);
};

// Colour helpers for shading and outlines.
TColor ShadeColor(TColor c, float factor);
TColor OutlineColor(TColor fill, TColor pen, float factor, TColor blackSwatch);
TColor EdgeColor(TColor fill, TColor blackSwatch, TColor blueSwatch);

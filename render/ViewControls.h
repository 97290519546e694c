#pragma once

class TView;

// The positions of the view's scroll bars: RotX (tilt, 0..180), RotZ (spin,
// 0..360), ScaleBar (1..80, 10 = scale 1) and the two offset bars.
struct ViewPositions {
  static constexpr int kRotXMin = 0, kRotXMax = 180, kRotXSmall = 5, kRotXLarge = 30;
  static constexpr int kRotZMin = 0, kRotZMax = 360, kRotZSmall = 5, kRotZLarge = 45;
  static constexpr int kScaleMin = 1, kScaleMax = 80, kScaleSmall = 1, kScaleLarge = 10;
  static constexpr int kOffsetMin = -5000, kOffsetMax = 5000, kOffsetSmall = 5, kOffsetLarge = 100;

  int RotX = 70;
  int RotZ = 30;
  int ScaleBar = 10;
  int OffsetX = 0;
  int OffsetY = 0;

  // Clamps every position into its bar's range, as the bars do.
  void Clamp();
  friend bool operator==(const ViewPositions& a, const ViewPositions& b) {
    return a.RotX == b.RotX && a.RotZ == b.RotZ && a.ScaleBar == b.ScaleBar &&
           a.OffsetX == b.OffsetX && a.OffsetY == b.OffsetY;
  }
};

// The view buttons, as changes of the positions.
void RotateUp(ViewPositions& p);     // "Rotate up"
void RotateDown(ViewPositions& p);   // "Rotate down"
void RotateLeft(ViewPositions& p);   // "Rotate left": at 0 becomes 355
void RotateRight(ViewPositions& p);  // "Rotate right": at 360 becomes 5
bool ZoomIn(ViewPositions& p);       // false at the limit
bool ZoomOut(ViewPositions& p);
void StandardView(ViewPositions& p);  // "Restore standard view"

// The buttons of the "Fixed Views" toolbar by their tag 0..9.
struct FixedView {
  int tag;
  const char* name;
  const char* hint;
  int rotX;  // -1: unchanged
  int rotZ;
};
extern const FixedView kFixedViews[10];
void ApplyFixedView(ViewPositions& p, int tag);

// Sets tilt, spin and scale of the view from the positions and recomputes the
// projection and the centre for a paint box of the given size.
void ApplyViewPositions(TView& view, const ViewPositions& p, int clientWidth, int clientHeight);

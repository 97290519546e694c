#pragma once
#include "model/Point3.h"
#include "platform/Canvas.h"
#include "render/View.h"

enum class StudStyle { Fast = 0, Better = 1, Best = 2 };

// The drawing switches that the menus and toggles set.
struct DrawSwitches {
  bool Shading = false;              // "Shading"
  bool Wireframe = false;            // "Wireframe" down
  bool SeeThroughBaseplate = false;  // "See through baseplate" down
  bool StudsHidden = false;          // "Show studs" down: no studs or tubes
  StudStyle Studs = StudStyle::Fast;
  int DetailLevel = 0;               // 0 "No details", 1 decorations, 2 bitmaps
  bool SkipCoveredStuds = false;     // "Don't render covered studs"
  bool LandingGuide = true;          // "Show landing guide" under a carried piece
  TColor SelectionColor = 0x0000FF;  // the Edit1 swatch
  TColor BlackSwatch = 0x333333;     // edBlack, also the resting pen
  TColor BlueSwatch = 0xCC0211;      // edBlue
  TColor HighlightPen = 0x0000FF;    // the shape editor's current face
  TColor HighlightBrush = 0x008080;
  static constexpr TColor kRestingBrush = 0xC0C0C0;
};

// Everything a piece needs while it draws itself: the view, the switches and
// the renderer's scratch state (shades and the two 100-point buffers). One
// object per picture being made; drawing allocates nothing.
class RenderContext {
 public:
  static constexpr int kMaxPoints = 100;

  TView view;
  DrawSwitches switches;

  // Scratch state of the piece being drawn.
  bool ShadingOn = false;
  TColor FaceShade[3] = {};  // 0: faces across y, 1: across x, 2: horizontal
  // Shades of the shaped pieces, worked out at the start of their Draw.
  TColor EndShade = 0, SideShade = 0, TopShade = 0;
  TColor SlopeFrontShade = 0, SlopeBackShade = 0, SlopeLeftShade = 0, SlopeRightShade = 0;
  TColor GrooveShade = 0, GlassShade = 0;
  Point3 ModelPoints[kMaxPoints];
  TPoint ScreenPoints[kMaxPoints];

  // Projects ModelPoints[0..count-1] with column d into ScreenPoints.
  void Project(int count, int d = 0) {
    view.ProjectPoints(ModelPoints, count - 1, d, ScreenPoints);
  }
  // Projects and draws them as one filled polygon.
  void DrawPolygon(Canvas& canvas, int count, int d = 0) {
    Project(count, d);
    canvas.polygon(ScreenPoints, count);
  }
};

#pragma once
#include <functional>
#include <optional>
#include <string>

#include "model/Document.h"
#include "platform/Bitmap.h"
#include "render/RenderContext.h"

// The picture of the model: every piece of ModelList painted in list order
// over the background into a back buffer, which is then copied to the screen
// image that the paint box shows. There is no depth buffer; the list is kept
// in painter's order for the current octant.
class TScene {
 public:
  TScene(TDocument& document, RenderContext& rc);

  Bitmap BackBuffer;
  Bitmap ScreenImage;  // what the paint box shows; carried pieces are drawn onto it
  TColor BackgroundColor = 0xF0F0F0;
  std::optional<Bitmap> BackgroundPicture;
  std::string BackgroundFileName;
  bool SlowRender = false;
  bool PaintingDisabled = false;
  bool RedrawSuppressed = false;

  // Hooks to the window around the scene; all may stay empty.
  std::function<void(bool busy)> SetBusy;           // hourglass cursor
  std::function<std::optional<int>()> ToolboxStep;  // the step filter, once it exists
  std::function<void(Canvas&)> DrawPictureFrame;    // when the frame mode is on
  std::function<void()> ScreenChanged;              // the screen image has new pixels

  TDocument& Document() { return document_; }
  RenderContext& Context() { return rc_; }
  bool IsPainting() const { return painting_; }

  // The paint box took a new size: buffers follow, the centre is recomputed.
  void Resize(int width, int height, int offsetX, int offsetY);

  // The request for a new picture; ignored while RedrawSuppressed.
  void RedrawPicture();
  // The paint routine itself.
  void Paint();
  // Copies the back buffer over the screen image (erasing a carried piece).
  void RestoreScreen();
  // "Refresh display": a full re-sort, then a new picture.
  void Refresh();
  // The Z cut-off bar moved to the level; redraws when a piece moved.
  bool SetZCutLevel(int level);

  // A BMP or JPEG background picture; a picture that cannot be read is dropped silently.
  void LoadBackgroundPicture(const std::string& fileName);
  void ClearBackgroundPicture(TColor buttonFace);

  // An anti-aliased copy of the frame (paint-box pixels) into target: the
  // scene at twice the size, each pixel the truncated mean of four.
  void RenderSupersampled(Bitmap& target, const TRect& frame);

  // Paints background and pieces onto any canvas of the given size with the current view.
  void PaintOnto(Canvas& canvas, int width, int height);

 private:
  void PrepareView();
  void FillBackground(Canvas& canvas, int width, int height, bool withPicture);
  void Busy(bool on) {
    if (SetBusy) SetBusy(on);
  }

  TDocument& document_;
  RenderContext& rc_;
  bool painting_ = false;
};

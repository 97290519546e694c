#include "render/Scene.h"

#include <exception>

#include "platform/PictureFile.h"

TScene::TScene(TDocument& document, RenderContext& rc) : document_(document), rc_(rc) {}

void TScene::Resize(int width, int height, int offsetX, int offsetY) {
  BackBuffer.resize(width, height, BackgroundColor);
  ScreenImage.resize(width, height, BackgroundColor);
  rc_.view.UpdateCenter(width, height, offsetX, offsetY);
}

void TScene::RedrawPicture() {
  if (RedrawSuppressed) return;
  PaintingDisabled = false;
  Paint();
}

void TScene::PrepareView() {
  rc_.view.UpdateRiseAndStuds();
  TBlockList& list = document_.ModelList;
  if (list.SortedOctant != rc_.view.ViewOctant)
    list.Resort(rc_.view.ViewOctant, rc_.switches.SkipCoveredStuds);
}

void TScene::FillBackground(Canvas& canvas, int width, int height, bool withPicture) {
  canvas.setBrushColor(BackgroundColor);
  canvas.setBrushStyle(BrushStyle::Solid);
  const TRect all{0, 0, width, height};
  if (withPicture && BackgroundPicture)
    canvas.stretchDraw(all, *BackgroundPicture);
  else
    canvas.fillRect(all);
}

void TScene::PaintOnto(Canvas& canvas, int width, int height) {
  FillBackground(canvas, width, height, true);
  document_.ModelList.DrawAll(canvas, rc_);
}

void TScene::Paint() {
  if (PaintingDisabled || painting_) return;
  if (ToolboxStep) {
    if (std::optional<int> step = ToolboxStep())
      document_.ModelList.StepLimit = static_cast<std::int16_t>(*step);
  }
  struct Guard {
    TScene& scene;
    explicit Guard(TScene& s) : scene(s) {
      scene.painting_ = true;
      scene.Busy(true);
    }
    ~Guard() {
      scene.painting_ = false;
      scene.Busy(false);
    }
  } guard(*this);

  PrepareView();
  {
    std::unique_ptr<Canvas> back = CreateBitmapCanvas(BackBuffer);
    PaintOnto(*back, BackBuffer.width(), BackBuffer.height());
  }
  if (ScreenImage.width() != BackBuffer.width() || ScreenImage.height() != BackBuffer.height())
    ScreenImage.resize(BackBuffer.width(), BackBuffer.height());
  if (SlowRender) {
    // The user sees the pieces appear one after another, over the plain colour.
    std::unique_ptr<Canvas> screen = CreateBitmapCanvas(ScreenImage);
    FillBackground(*screen, ScreenImage.width(), ScreenImage.height(), false);
    for (int i = 0; i < document_.ModelList.Count(); ++i) {
      TBlock* piece = document_.ModelList[i];
      if (piece->Step > document_.ModelList.StepLimit) continue;
      piece->Draw(*screen, rc_);
      if (ScreenChanged) ScreenChanged();
    }
    if (DrawPictureFrame) DrawPictureFrame(*screen);
  } else {
    ScreenImage = BackBuffer;
    if (DrawPictureFrame) {
      std::unique_ptr<Canvas> screen = CreateBitmapCanvas(ScreenImage);
      DrawPictureFrame(*screen);
    }
  }
  if (ScreenChanged) ScreenChanged();
}

void TScene::RestoreScreen() {
  ScreenImage = BackBuffer;
  if (DrawPictureFrame) {
    std::unique_ptr<Canvas> screen = CreateBitmapCanvas(ScreenImage);
    DrawPictureFrame(*screen);
  }
  if (ScreenChanged) ScreenChanged();
}

void TScene::Refresh() {
  document_.ModelList.SortedOctant = 99;
  Busy(true);
  document_.ModelList.Resort(rc_.view.ViewOctant, rc_.switches.SkipCoveredStuds);
  Busy(false);
  RedrawPicture();
}

bool TScene::SetZCutLevel(int level) {
  const bool moved = document_.SetZCutLevel(level, rc_.view.ViewOctant);
  // Inserting one by one can leave pieces that came back behind ones they
  // hide; the next picture sorts the whole list again.
  if (moved) document_.ModelList.SortedOctant = 99;
  if (moved) RedrawPicture();
  return moved;
}

void TScene::LoadBackgroundPicture(const std::string& fileName) {
  BackgroundPicture.reset();
  BackgroundFileName = fileName;
  try {
    BackgroundPicture = ReadPicture(fileName);
  } catch (const std::exception&) {
    BackgroundPicture.reset();  // a picture that cannot be read is simply not shown
  }
}

void TScene::ClearBackgroundPicture(TColor buttonFace) {
  BackgroundPicture.reset();
  BackgroundFileName.clear();
  BackgroundColor = buttonFace;
}

void TScene::RenderSupersampled(Bitmap& target, const TRect& frame) {
  TView& view = rc_.view;
  const float scale = view.ViewScale;
  const int centerX = view.ViewCenterX, centerY = view.ViewCenterY;
  struct Restore {
    TScene& scene;
    float scale;
    int cx, cy;
    ~Restore() {
      TView& v = scene.rc_.view;
      v.ViewScale = scale;
      v.ViewCenterX = cx;
      v.ViewCenterY = cy;
      v.UpdateRiseAndStuds();
      scene.Busy(false);
    }
  } restore{*this, scale, centerX, centerY};
  Busy(true);

  Bitmap big(BackBuffer.width() * 2, BackBuffer.height() * 2, BackgroundColor);
  view.ViewScale = scale * 2;
  view.ViewCenterX = centerX * 2;
  view.ViewCenterY = centerY * 2;
  PrepareView();
  {
    std::unique_ptr<Canvas> canvas = CreateBitmapCanvas(big);
    PaintOnto(*canvas, big.width(), big.height());
  }
  for (int y = frame.top; y < frame.bottom; ++y) {
    for (int x = frame.left; x < frame.right; ++x) {
      const int tx = x - frame.left, ty = y - frame.top;
      if (!target.contains(tx, ty)) continue;
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          const int sx = 2 * x + dx, sy = 2 * y + dy;
          const TColor c = big.contains(sx, sy) ? big.pixel(sx, sy) : BackgroundColor;
          r += RedOf(c);
          g += GreenOf(c);
          b += BlueOf(c);
        }
      target.setPixel(tx, ty, RGB(r / 4, g / 4, b / 4));
    }
  }
}

#include <QAction>
#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

#include "platform/PictureFile.h"
#include "tests/workspace/MainWindowFixture.h"

namespace {

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

}  // namespace

TEST_F(MainWindowTest, StartsWithTheStandardViewAndTheCutOffAtItsTop) {
  EXPECT_EQ(window->windowTitle().toStdString(), "Brikolo Ver 2.12");
  const ViewPositions p = window->Positions();
  EXPECT_EQ(p.RotX, 70);
  EXPECT_EQ(p.RotZ, 30);
  EXPECT_EQ(p.ScaleBar, 10);
  EXPECT_EQ(window->RememberedView(), p);
  EXPECT_EQ(document->ZCutLevel, 4000);
  EXPECT_EQ(window->lblZLiftOff->text().toStdString(), "4000");
  EXPECT_EQ(Pieces(), 1);  // the default baseplate
  EXPECT_EQ(window->Scene().BackBuffer.width(), window->PaintBox1->width());
  EXPECT_FALSE(window->RotX->isVisible());
  EXPECT_TRUE(window->OffsetX->isVisible());
}

TEST_F(MainWindowTest, RotateButtonsWrapTheSpinAndClampTheTilt) {
  const Bitmap before = window->Scene().ScreenImage;
  window->SetView(70, 355);
  EXPECT_FALSE(SamePixels(before, window->Scene().ScreenImage));  // the picture followed
  EXPECT_EQ(View().ViewOctant, 3);
  Click("btnRotRight");
  EXPECT_EQ(window->RotZ->value(), 360);
  EXPECT_EQ(View().ViewOctant, 0);
  Click("btnRotRight");
  EXPECT_EQ(window->RotZ->value(), 5);
  Click("btnRotLeft");
  Click("btnRotLeft");
  EXPECT_EQ(window->RotZ->value(), 355);

  window->SetView(178, 30);
  Click("btnRotUp");
  EXPECT_EQ(window->RotX->value(), 180);
  Click("btnRotUp");
  EXPECT_EQ(window->RotX->value(), 180);
  window->SetView(3, 30);
  Click("btnRotDown");
  EXPECT_EQ(window->RotX->value(), 0);
  EXPECT_FLOAT_EQ(View().Tilt, 0.0f);
}

TEST_F(MainWindowTest, FixedViewsSetTheirAnglesAndTheOctant) {
  window->SetView(40, 100);
  Click("btnFromRight");  // spin only
  EXPECT_EQ(window->Positions().RotX, 40);
  EXPECT_EQ(window->Positions().RotZ, 270);
  Click("btnTopView");  // tilt only
  EXPECT_EQ(window->Positions().RotX, 0);
  EXPECT_EQ(window->Positions().RotZ, 270);
  Click("btnBackLeft");
  EXPECT_EQ(window->Positions().RotX, 70);
  EXPECT_EQ(window->Positions().RotZ, 150);
  EXPECT_EQ(View().ViewOctant, 1);
  window->SetView(89, 30);
  EXPECT_EQ(View().ViewOctant, 0);
  Click("btnFrontLeft");
  Click("btnFrontView");  // exactly horizontal counts as from below
  EXPECT_EQ(window->Positions().RotX, 90);
  EXPECT_EQ(View().ViewOctant, 4);
  EXPECT_EQ(document->ModelList.SortedOctant, 4);  // the list was re-sorted for the picture
  for (const FixedView& v : kFixedViews) {
    auto* b = window->findChild<QToolButton*>(v.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->toolTip().toStdString(), v.hint);
    EXPECT_FALSE(b->icon().isNull());
    EXPECT_EQ(b->focusPolicy(), Qt::NoFocus);
  }
}

TEST_F(MainWindowTest, ZoomStopsAtBothEndsAndHomeRestoresTheStandardView) {
  for (int i = 0; i < 15; ++i) Click("btnZoomIn");
  EXPECT_EQ(window->ScaleBar->value(), 1);
  EXPECT_FLOAT_EQ(View().ViewScale, 10.0f);
  for (int i = 0; i < 90; ++i) Click("btnZoomOut");
  EXPECT_EQ(window->ScaleBar->value(), 80);
  EXPECT_FLOAT_EQ(View().ViewScale, 0.125f);
  EXPECT_TRUE(window->btnZoomIn->autoRepeat());
  EXPECT_EQ(window->btnZoomIn->autoRepeatInterval(), 200);

  window->OffsetX->setValue(120);
  window->OffsetY->setValue(-35);
  window->SetView(10, 200);
  Click("btnHome");
  EXPECT_EQ(window->Positions(), ViewPositions{});
  EXPECT_FLOAT_EQ(View().ViewScale, 1.0f);
  EXPECT_EQ(View().ViewCenterX, static_cast<int>(std::nearbyint(window->PaintBox1->width() * 0.5)));
}

TEST_F(MainWindowTest, ResizeKeepsTheCentreRule) {
  window->OffsetX->setValue(30);
  window->OffsetY->setValue(-10);
  window->resize(701, 455);
  QApplication::processEvents();
  const int w = window->PaintBox1->width(), h = window->PaintBox1->height();
  EXPECT_EQ(View().ViewCenterX, static_cast<int>(std::nearbyint(w * 0.5f)) - 30);
  EXPECT_EQ(View().ViewCenterY, static_cast<int>(std::nearbyint(h * 0.5f)) + 10);
  EXPECT_EQ(window->Scene().BackBuffer.width(), w);
  EXPECT_EQ(window->Scene().ScreenImage.height(), h);
}

TEST_F(MainWindowTest, CutOffMovesPiecesOutAndBack) {
  window->LoadModel(
      WriteModel("tower.lgo",
                 {"= 70 30 10 0 0 1 1", "B -160 -80 -8 320 160 8 12632256 1 1 0 0 0 3811 0",
                  "B 0 0 0 40 20 24 255 1 0 0 0 0 3001 0", "B 0 0 24 40 20 8 255 1 0 0 0 0 3020 0",
                  "B 0 0 32 40 20 24 255 1 0 0 0 0 3001 0"}),
      LoadMode::Complete);
  ASSERT_EQ(Pieces(), 4);
  // The bar is long enough to aim with; the level can be typed as well.
  EXPECT_GE(window->ZLiftOff->width(), 256);
  window->edZLiftOff->setValue(24);
  EXPECT_EQ(window->ZLiftOff->value(), 24);
  EXPECT_EQ(Pieces(), 2);
  window->ZLiftOff->setValue(0);
  EXPECT_EQ(window->edZLiftOff->value(), 0);
  EXPECT_EQ(Pieces(), 1);
  EXPECT_TRUE(document->ModelList[0]->IsBaseplate);
  EXPECT_EQ(window->lblZLiftOff->text().toStdString(), "0");
  window->ZLiftOff->setValue(32);  // tops at 24 and 32 come back, the one at 56 stays out
  EXPECT_EQ(Pieces(), 3);
  EXPECT_EQ(document->CutList.Count(), 1);
  window->ZLiftOff->setValue(4000);
  EXPECT_EQ(Pieces(), 4);
  EXPECT_EQ(document->CutList.Count(), 0);
}

TEST_F(MainWindowTest, PiecesComingBackFromTheCutOffArePaintedInOrder) {
  window->LoadModel(HouseModel(), LoadMode::Complete);
  for (int level : {0, 48, 4000}) window->ZLiftOff->setValue(level);
  const Bitmap shown = window->Scene().ScreenImage;
  window->Scene().Refresh();
  const Bitmap& sorted = window->Scene().ScreenImage;
  const std::size_t n = static_cast<std::size_t>(sorted.width()) * sorted.height();
  EXPECT_TRUE(std::equal(shown.raw(), shown.raw() + n, sorted.raw()));
}

TEST_F(MainWindowTest, DrawingSwitchesReachTheRenderer) {
  Click("btnStuds");
  EXPECT_TRUE(window->Context().switches.StudsHidden);
  EXPECT_FALSE(window->StudsShown());
  Click("btnWireframe");
  Click("btnSeeThrough");
  EXPECT_TRUE(window->Context().switches.Wireframe);
  EXPECT_TRUE(window->Context().switches.SeeThroughBaseplate);
  window->findChild<QAction*>("mBestStuds")->trigger();
  EXPECT_EQ(window->Context().switches.Studs, StudStyle::Best);
  EXPECT_FALSE(window->findChild<QAction*>("mFastStuds")->isChecked());
  window->findChild<QAction*>("mMostDetail")->trigger();
  EXPECT_EQ(window->Context().switches.DetailLevel, 2);
  window->mShading->trigger();
  EXPECT_TRUE(window->Context().switches.Shading);
  window->mSlowRender->trigger();
  EXPECT_TRUE(window->Scene().SlowRender);
  window->RedrawPicture();  // piece by piece onto the screen, and still a whole picture
  EXPECT_TRUE(SamePixels(window->Scene().BackBuffer, window->Scene().ScreenImage));
}

TEST_F(MainWindowTest, LightDialogPreviewsWithoutKeepingTheDirection) {
  TView& view = window->Context().view;
  const float sideBefore = view.FaceLight[1];
  int redraws = 0;
  TfrmSetLight dialog(view, [&] { ++redraws; });
  EXPECT_EQ(dialog.rxsX->value(), -7);
  dialog.chkPreview->setChecked(true);
  dialog.rxsX->setValue(0);
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(view.LightDirection[0], -7);  // put back after the preview
  EXPECT_NE(view.FaceLight[1], sideBefore);
  dialog.Revert();
  EXPECT_FLOAT_EQ(view.FaceLight[1], sideBefore);
  dialog.rxsZ->setValue(0);
  dialog.chkPreview->setChecked(false);
  dialog.rxsY->setValue(0);
  dialog.ApplyToView();
  EXPECT_EQ(view.LightDirection[2], 0);
  EXPECT_FLOAT_EQ(view.FaceLight[0], 0.8f);  // no light at all: every face at the ambient level
}

TEST_F(MainWindowTest, BackgroundPictureIsShownAndItsFolderRemembered) {
  QDir().mkpath(QString::fromStdString(folder + "pictures"));
  const std::string file = folder + "pictures/sky.BMP";
  WriteBmp(file, Bitmap(8, 8, 0x00FF0000));  // pure blue
  dialogs->files = {file};
  window->ChooseBackgroundPicture();
  const FileDialogRequest& r = dialogs->requests.back();
  EXPECT_EQ(r.title, "Open Background Picture");
  EXPECT_EQ(r.filter, "Picture Files (*.bmp;*.jpg)|*.bmp;*.jpg");
  EXPECT_EQ(r.folder, folder);
  EXPECT_EQ(window->State().Folder(FolderKind::BackgroundPicture), folder + "pictures/");
  EXPECT_EQ(window->Scene().ScreenImage.pixel(1, 1), 0x00FF0000u);

  dialogs->files = {std::nullopt};  // cancelled: the picture stays
  window->ChooseBackgroundPicture();
  EXPECT_EQ(dialogs->requests.back().folder, folder + "pictures/");
  EXPECT_TRUE(window->Scene().BackgroundPicture.has_value());

  window->findChild<QAction*>("mRestoreColor")->trigger();
  EXPECT_FALSE(window->Scene().BackgroundPicture.has_value());
  EXPECT_NE(window->Scene().ScreenImage.pixel(1, 1), 0x00FF0000u);
}

TEST_F(MainWindowTest, HintsSwitchTheToolTipsOfTheWholeProgram) {
  auto* button = window->findChild<QToolButton*>("btnRotUp");
  auto toolTipEventKept = [&] {
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    return !window->eventFilter(button, &tip);
  };
  window->SetHints(false);
  EXPECT_FALSE(toolTipEventKept());
  window->mHints->trigger();
  EXPECT_TRUE(window->State().Prefs.Hints);
  EXPECT_TRUE(toolTipEventKept());
}

TEST_F(MainWindowTest, LightDirectionDialogFromTheOptionsMenu) {
  auto answer = [](bool ok) {
    QTimer::singleShot(0, [ok] {
      auto* dialog = qobject_cast<TfrmSetLight*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle().toStdString(), "Set light direction");
      dialog->chkPreview->setChecked(true);
      dialog->rxsX->setValue(10);
      ok ? dialog->accept() : dialog->reject();
    });
  };
  const float sides = View().FaceLight[1];
  answer(false);
  window->findChild<QAction*>("mAdjustLight")->trigger();
  EXPECT_EQ(View().LightDirection[0], -7);
  EXPECT_FLOAT_EQ(View().FaceLight[1], sides);  // back to the old light at once
  answer(true);
  window->findChild<QAction*>("mAdjustLight")->trigger();
  EXPECT_EQ(View().LightDirection[0], 10);
  EXPECT_GT(View().FaceLight[1], sides);
}

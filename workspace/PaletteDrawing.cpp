#include "workspace/PaletteDrawing.h"

#include <algorithm>
#include <exception>

#include "platform/Canvas.h"
#include "platform/FileLocations.h"
#include "platform/PictureFile.h"
#include "platform/TextFile.h"
#include "workspace/PaletteEntry.h"

PaletteItem PaletteItem::Make(const std::string& text, TShapeCache& shapes,
                              const FileLocations& files) {
  PaletteItem item;
  item.Text = text;
  const PaletteEntry entry = ParsePaletteEntry(text);
  if (entry.Kind != PaletteEntryKind::Model) {
    item.Piece = CreatePaletteBlock(text, shapes);
    return item;
  }
  item.IsModel = true;
  item.ModelFile = files.FindDataFile(entry.ModelName + ".lgo");
  const std::string picture = files.FindDataFile(entry.ModelName + ".bmp");
  if (FileExists(picture)) {
    try {
      item.Picture = ReadBmp(picture);
    } catch (const std::exception&) {
      item.Picture = Bitmap();  // an unreadable picture counts as none
    }
  }
  return item;
}

namespace {

// The picture at (x, y) with the colour of its top-left pixel left out.
void DrawWithTransparentCorner(const Bitmap& picture, int x, int y, Bitmap& target) {
  const TColor clear = picture.pixel(0, 0);
  for (int py = 0; py < picture.height(); ++py)
    for (int px = 0; px < picture.width(); ++px) {
      const TColor c = picture.pixel(px, py);
      if (c != clear && target.contains(x + px, y + py)) target.setPixel(x + px, y + py, c);
    }
}

void DrawPiece(TBlock& piece, const PaletteLook& look, const Bitmap& target, Canvas& canvas,
               RenderContext& rc) {
  piece.HasStuds = true;
  piece.Color = look.Color;
  piece.Transparent = look.Transparent;
  rc.switches.DetailLevel = 99;
  rc.switches.StudsHidden = !look.Studded;
  TView& v = rc.view;
  v.ViewCenterX = v.ViewCenterY = 0;
  v.ViewScale = look.Scale;
  v.Tilt = 1.0471976f;
  v.Spin = 0.5235988f;
  v.UpdateProjection();
  const TPoint centre = v.ProjectPoint(piece.X + piece.SizeX / 2, piece.Y + piece.SizeY / 2,
                                       piece.Z + piece.SizeZ / 2);
  v.ViewCenterX = std::max(1, target.width() / 2 - centre.x);
  v.ViewCenterY = std::max(2, target.height() / 2 - centre.y);
  v.UpdateRiseAndStuds();
  piece.Draw(canvas, rc);
}

}  // namespace

void DrawPaletteEntry(PaletteItem& item, const PaletteLook& look, Bitmap& target, Canvas& canvas,
                      RenderContext& rc) {
  canvas.setBrushStyle(BrushStyle::Solid);
  canvas.setBrushColor(look.Selected ? look.SelectedBackground : look.Background);
  canvas.fillRect({0, 0, target.width(), target.height()});
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.setPenColor(kPaletteFrame);
  canvas.setPenMode(PenMode::Copy);
  canvas.rectangle(0, 0, target.width(), target.height());
  if (item.IsModel) {
    if (!item.Picture.empty()) {
      DrawWithTransparentCorner(item.Picture, 0, 10, target);
    } else {
      canvas.setPenColor(kPartLabelColor);
      canvas.textOut(10, 30, "< No Picture >");
    }
  } else if (item.Piece) {
    DrawPiece(*item.Piece, look, target, canvas, rc);
  }
  const PaletteLabel label = PaletteEntryLabel(item.Text);
  canvas.setBrushStyle(BrushStyle::Clear);
  canvas.setPenColor(label.IsPartName ? kPartLabelColor : kEntryLabelColor);
  canvas.textOut(1, 1, label.Text);
}

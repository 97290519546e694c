#pragma once
#include <memory>
#include <string>

#include "model/Block.h"
#include "platform/Bitmap.h"
#include "render/RenderContext.h"

class Canvas;
class FileLocations;
class TShapeCache;

// One entry of the palette list, made ready when its page is shown so that
// painting it creates nothing: its piece, or for a model entry its picture.
struct PaletteItem {
  std::string Text;
  std::unique_ptr<TBlock> Piece;  // empty for models and entries that make no piece
  bool IsModel = false;
  Bitmap Picture;  // a model's picture; empty when it has none
  std::string ModelFile;

  // A model and its picture are the user's own, else the shipped ones.
  static PaletteItem Make(const std::string& text, TShapeCache& shapes, const FileLocations& files);
};

// How an entry is drawn besides its own text.
struct PaletteLook {
  TColor Background = 0xC0C0C0;  // the window's colour
  TColor SelectedBackground = 0x808080;
  bool Selected = false;
  TColor Color = 0xFFFFFF;  // the piece's colour
  bool Studded = true;      // "Studded blocks" up
  bool Transparent = false;
  float Scale = 0.5f;  // the page's drawing scale
};

constexpr TColor kPaletteFrame = 0x808080;
constexpr TColor kPartLabelColor = 0x000000;
constexpr TColor kEntryLabelColor = 0x000080;

// Draws the entry over the whole of target (the entry's rectangle): its piece
// seen from 60 degrees up and 30 across, centred, and its label. rc is the
// palette's own context; its view is set up here.
void DrawPaletteEntry(PaletteItem& item, const PaletteLook& look, Bitmap& target, Canvas& canvas,
                      RenderContext& rc);

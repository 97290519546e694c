#pragma once
#include <string>

class Printer;
class TScene;

// Where the model goes on a printed page: the view's scale grows by the
// whole number of page pixels per paint-box pixel, the model origin moves
// to the page's centre less the scroll offsets at that scale, and a border
// keeps a margin of 3 per cent (twice that at the left, for binding).
struct PrintLayout {
  int Factor = 1;
  int Margin = 0;
  int CenterX = 0, CenterY = 0;
};
PrintLayout ComputePrintLayout(int pageWidth, int pageHeight, int paintBoxWidth, int offsetX,
                               int offsetY);

// What the page shows besides the model.
struct PrintRequest {
  int PaintBoxWidth = 0;
  int OffsetX = 0, OffsetY = 0;  // the positions of the scroll bars
  std::string ModelFileName;     // the full name, written at the top of the border
};

// Prints the model on one page with a temporary view; the view is as before
// afterwards, even when printing fails.
void PrintModel(Printer& printer, TScene& scene, const PrintRequest& request);

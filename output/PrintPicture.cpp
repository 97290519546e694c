#include "output/PrintPicture.h"

#include <algorithm>
#include <cmath>

#include "platform/Printer.h"
#include "render/Scene.h"

PrintLayout ComputePrintLayout(int pageWidth, int pageHeight, int paintBoxWidth, int offsetX,
                               int offsetY) {
  PrintLayout layout;
  // A page narrower than the paint box still prints at the view's own scale
  // rather than at none.
  layout.Factor = paintBoxWidth > 0 ? std::max(1, pageWidth / paintBoxWidth) : 1;
  layout.CenterX = static_cast<int>(std::lrint(pageWidth / 2.0f)) - layout.Factor * offsetX;
  layout.CenterY = static_cast<int>(std::lrint(pageHeight / 2.0f)) - layout.Factor * offsetY;
  layout.Margin = pageWidth * 3 / 100;
  return layout;
}

void PrintModel(Printer& printer, TScene& scene, const PrintRequest& request) {
  const int width = printer.PageWidth(), height = printer.PageHeight();
  const PrintLayout layout =
      ComputePrintLayout(width, height, request.PaintBoxWidth, request.OffsetX, request.OffsetY);
  RenderContext& rc = scene.Context();
  TView& view = rc.view;
  struct Restore {
    TView& view;
    TView::Saved saved;
    ~Restore() {
      view.RestoreView(saved);
      view.UpdateRiseAndStuds();
    }
  } restore{view, view.SaveView()};

  view.ViewScale = static_cast<float>(layout.Factor) * view.ViewScale;
  view.ViewCenterX = layout.CenterX;
  view.ViewCenterY = layout.CenterY;
  view.UpdateRiseAndStuds();
  TBlockList& model = scene.Document().ModelList;
  if (model.SortedOctant != view.ViewOctant)
    model.Resort(view.ViewOctant, rc.switches.SkipCoveredStuds);

  const int m = layout.Margin;
  Canvas& canvas = printer.BeginDoc();
  struct EndDocument {
    Printer& printer;
    ~EndDocument() { printer.EndDoc(); }
  } end{printer};
  canvas.setPenMode(PenMode::Copy);
  canvas.setPenColor(0x000000);
  canvas.setBrushColor(0xFFFFFF);
  canvas.setBrushStyle(BrushStyle::Solid);
  canvas.rectangle(2 * m, m, width - m, height - m);
  canvas.textOut(2 * m + 5, m + 5, request.ModelFileName);
  // The hatch of see-through pieces keeps its look on the page instead of
  // closing up into a solid colour at printer resolution.
  canvas.setHatchScale(layout.Factor);
  model.DrawAll(canvas, rc);
}

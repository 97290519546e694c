#include "render/PieceStyle.h"

#include "model/Block.h"
#include "render/RenderContext.h"

BrushStyle PieceBrushStyle(const TBlock& piece, const RenderContext& rc) {
  const DrawSwitches& sw = rc.switches;
  if (sw.Wireframe || (piece.IsBaseplate && sw.SeeThroughBaseplate && rc.view.ViewOctant > 3))
    return BrushStyle::Clear;
  if (piece.Color == 0xFFFF00 || piece.Transparent) return BrushStyle::DiagCross;
  return BrushStyle::Solid;
}

void BeginPieceDraw(const TBlock& piece, Canvas& canvas, RenderContext& rc) {
  const DrawSwitches& sw = rc.switches;
  canvas.setBrushColor(piece.Color);
  TColor pen;
  if (piece.Selected)
    pen = piece.Color == sw.SelectionColor ? 0xFFFFFF : sw.SelectionColor;
  else
    pen = EdgeColor(piece.Color, sw.BlackSwatch, sw.BlueSwatch);
  rc.ShadingOn = sw.Shading;
  const BrushStyle style = PieceBrushStyle(piece, rc);
  if (style == BrushStyle::Clear) rc.ShadingOn = false;
  canvas.setBrushStyle(style);
  if (rc.ShadingOn && !piece.Selected)
    pen = OutlineColor(piece.Color, pen, TView::kOutlineDarkening, sw.BlackSwatch);
  canvas.setPenColor(pen);
}

void EndPieceDraw(Canvas& canvas, const RenderContext& rc) {
  canvas.setBrushColor(DrawSwitches::kRestingBrush);
  canvas.setBrushStyle(BrushStyle::Solid);
  canvas.setPenColor(rc.switches.BlackSwatch);
}

bool StudsWanted(const TBlock& piece, const RenderContext& rc) {
  return piece.HasStuds && !rc.switches.StudsHidden;
}

#pragma once
#include "platform/Canvas.h"

class TBlock;
class RenderContext;

// The colour, selection, wireframe, see-through-baseplate and hatch set-up
// that every piece class does at the start of its Draw: brush colour and
// style, pen colour and ShadingOn. With shading the pen of an unselected piece
// becomes 60 % of the fill colour.
void BeginPieceDraw(const TBlock& piece, Canvas& canvas, RenderContext& rc);

// The brush style a piece's faces take (hollow in wireframe or for a
// see-through baseplate from below, hatched for see-through pieces).
BrushStyle PieceBrushStyle(const TBlock& piece, const RenderContext& rc);

// Leaves the canvas as every Draw does: brush 0xC0C0C0, solid, pen = black swatch.
void EndPieceDraw(Canvas& canvas, const RenderContext& rc);

// Studs and tubes are wanted for this piece (its flag and the "Show studs" toggle).
bool StudsWanted(const TBlock& piece, const RenderContext& rc);

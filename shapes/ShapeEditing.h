#pragma once
#include <string>
#include <vector>

#include "model/Point3.h"

class TDrawClass;

// What the shape editor does to single faces and to the painting orders,
// apart from its window.

// A face as the face list shows it: its number from 1, negative when the face
// has no full outline (bit 0 of the outline clear).
std::string FaceRowText(int face, int outline);
// A corner as the corner list shows it, each coordinate right-aligned in four places.
std::string CornerRowText(const Point3& p);

// Whether the edge leaving a corner is stroked, exactly as the faces are drawn:
// never with outline 0, always with 1, in per-edge mode unless its bit hides it.
bool EdgeStroked(int outline, int corner);
// The outline after the edge leaving corner (0..30) was switched between shown
// and hidden; a face left with no hidden edge gets its full outline back.
int SwitchedEdge(int outline, int corner);
// "Transparent": the piece's colour becomes hatched white, an own colour is
// negated (hatched and back); hatched white turns back into the piece's colour.
int SwitchedTransparency(int color);
// "Border": a face without full outline gets one; one with it loses every edge.
int SwitchedBorder(int outline);

// Every corner of the face moved by (dx, dy, dz), kept within 32 bits.
void MoveFace(TDrawClass& shape, int face, const Point3& delta);

// The painting order of an octant as face indices, and written back whole
// (entry by entry, then cut to its length).
std::vector<int> DrawOrderOf(const TDrawClass& shape, int octant);
void WriteDrawOrder(TDrawClass& shape, int octant, const std::vector<int>& order);

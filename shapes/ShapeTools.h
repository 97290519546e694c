#pragma once
#include "model/Point3.h"

class TDrawClass;

// The shape editor's geometric tools, working on a shape in place.

// The box grows or shrinks from oldSize to newSize: every corner strictly
// beyond half the old size on an axis moves with the far side, the others
// stay. Then the box takes the new size and the studs and tubes are placed anew.
void StretchShape(TDrawClass& shape, const Point3& oldSize, const Point3& newSize);

// Side faces for a flat face: one four-cornered face per edge, in corner
// order, reaching distance beyond the face across the first axis (x, y, z) it
// is flat on. Returns the number of faces added; none when the face is flat
// on no axis or has fewer than two corners.
int Extrude(TDrawClass& shape, int face, int distance);

enum class Axis { X = 0, Y = 1, Z = 2 };
// Mirrors one face (face >= 0) or every face (face < 0) across an axis: a
// coordinate c becomes m - c, where m is the largest coordinate of the whole
// shape on that axis, for x rounded up to whole studs. Corner order stays.
void MirrorFaces(TDrawClass& shape, int face, Axis axis);

// Sorts an octant's painting order so that faces nearer the viewer are
// painted later: n - 1 passes of neighbour exchanges, a face being nearer
// when its box lies on the octant's near side of the other's along some axis
// (touching counts). The relation is no true order, so the fixed number of
// passes is what makes the result the same every time.
void SortDrawOrder(TDrawClass& shape, int octant);

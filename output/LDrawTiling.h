#pragma once
#include <memory>
#include <vector>

class TBlock;
class TMappingList;

// A box piece (or baseplate) that no record of the mapping list matches, made
// of pieces that records do match: bricks and plates of the list's own
// records stacked to its height, each layer covered without gaps or overlaps,
// the largest records first. The top layer has the piece's studs or lacks
// them as the piece does; a baseplate of any size becomes the list's
// baseplates and plates. The pieces keep the piece's colour, transparency and
// baseplate flag and have no part name, so the export finds each by its size.
// Empty when the piece cannot be tiled: it is no box piece, its sizes are not
// whole studs and plates (or absurdly large), or the list lacks a record
// small enough to fill a gap.
std::vector<std::unique_ptr<TBlock>> TileBox(const TBlock& piece, const TMappingList& mapping);

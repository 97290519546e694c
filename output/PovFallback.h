#pragma once
#include <string>
#include <vector>

#include "output/LDrawRecord.h"

// When the LDraw library lacks a part, the mapping list tells which piece the
// part stands for, and the POV-Ray converter draws that piece's own box with
// studs instead. Everything here is in LDraw units, -y up.

// The first record whose LDraw name is the part file's name without its
// extension (any case), or nullptr.
const TLDrawRecord* FindRecordOfPart(const std::vector<TLDrawRecord>& records,
                                     const std::string& partFile);

struct FallbackPiece {
  double centreX = 0, topY = 0, centreZ = 0;  // the middle of its top face
  int sizeX = 0, sizeZ = 0, height = 0;       // its box: across x, across z, down from the top
  bool studs = false;                         // studs on top, one per 20 by 20 cell
  bool Empty() const { return sizeX <= 0 || sizeZ <= 0 || height <= 0; }
};

// The piece a record stands for where an LDraw line put its part: the line's
// position less the record's offsets, turned as the line's matrix turns the
// part. `m00` and `m02` are the first row's first and third numbers of the
// matrix, which tell the quarter turn (the 45-degree matrices count as the
// turn below them). An even turn of the piece lays its length along x.
FallbackPiece PieceOfRecord(const TLDrawRecord& record, double x, double y, double z, double m00,
                            double m02);

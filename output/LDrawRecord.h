#pragma once
#include <optional>
#include <string>

// One data line of the mapping list bo2ld.lst: which LDraw part stands for
// pieces of one kind, and how it is turned and shifted onto the piece.
struct TLDrawRecord {
  char TypeLetter = 'B';
  int Width = 0;   // studs, compared with SizeY / 20 (or SizeX / 20 when turned)
  int Length = 0;  // studs, compared with SizeX / 20
  int Height = 0;  // plates, compared with SizeZ / 8
  int Studs = 0;   // 1: for pieces with studs; anything else: for pieces without
  int Reserved = 16;
  int OffsetAlong = 0;         // LDraw units along the turned direction
  int OffsetUp = 0;            // added to the LDraw y coordinate
  int OffsetAcross = 0;        // LDraw units across the turned direction
  int Rotation = 0;            // bits 0-1: quarter turns added; bit 2: the diagonal matrices
  std::string LDrawName;       // the part file name without its extension
  int Marker = 0;              // must equal the piece's Variant
  std::string DefinitionFile;  // general pieces: the shape's part definition file
  std::string Section;         // general pieces: the shape's section
  int LineNumber = 0;          // in the list's file, from 1; 0 for a record made by the program
};

// Lines shorter than 24 characters and lines starting with ';' hold no
// record. The fields are read from the third character on; the LDraw name
// loses its last four characters (".DAT"). Raises ConversionError for a
// number field that starts like a number but is none.
std::optional<TLDrawRecord> ParseMappingLine(const std::string& line);

// The line as the program appends it to the list.
std::string FormatMappingLine(const TLDrawRecord& record);

// Whether the record's line reads back as the record. It does not for a type
// letter ';' (the line would be a comment) or a name with a blank in it.
bool MappingLineReadsBack(const TLDrawRecord& record);

#pragma once
#include <string>

#include "platform/Color.h"
#include "workspace/ModelFile.h"

class FileLocations;
class TMappingList;
class LDrawLibrary;
struct LDrawPlacedPart;

// Where the LDraw import finds what it needs: the mapping list that turns part
// names back into pieces, and the LDraw parts library that measures parts no
// record names (an empty or missing folder: none).
struct LDrawImportSetup {
  std::string mappingList;
  std::string library;

  // The program's mapping list and the library its settings file names
  // (LDrawLib), or this system's default library when the file names none.
  static LDrawImportSetup ForLocations(const FileLocations& files);
};

// A model file that is read as LDraw: one ending in .ldr, .dat or .mpd, any case.
bool IsLDrawModelFileName(const std::string& fileName);

// The colour and transparency a piece takes from an LDraw colour code: the
// palette's colour field tagged with the code, else the colour table's row;
// a code that only the transparent rule (code OR 32) explains gives the
// colour of the code without 32, transparent; other codes take the library's
// colour (transparent when it is), and 16 light grey.
void PieceColourOfLDrawCode(int code, LDrawLibrary& library, TColor& colour, bool& transparent);

// Reads an LDraw model into pieces, as ReadModelLines reads a model file:
// every type-1 line (sub-models of an .mpd or beside the model flattened) is
// looked up in the mapping list by its part name and becomes the piece the
// export makes that part from (the first record, in list order, whose part
// and matrix fit), placed through the record's offsets and rotation; its
// step is the model's building step. A part no record names becomes a box
// piece of its measured size, named after the part, when the library has it;
// otherwise the line is reported and skipped, as are damaged lines. Raises
// FileError when the model file cannot be read; a missing mapping list is
// reported and only measured parts come in.
ModelReadResult ReadLDrawModelFile(const std::string& fileName, const LDrawImportSetup& setup,
                                   TShapeCache& shapes, const ModelReadOptions& options = {});

// The pieces of a model file of either form: LDraw through the import above,
// anything else as a model file (.lgo). Raises FileError when it cannot be read.
ModelReadResult ReadAnyModelFile(const std::string& fileName, const LDrawImportSetup& setup,
                                 TShapeCache& shapes, const ModelReadOptions& options = {});

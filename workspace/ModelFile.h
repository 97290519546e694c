#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/BlockList.h"
#include "model/Bounds.h"

class TShapeCache;

// The first line of a model file: the view it was saved with and the unit flag.
struct ModelHeader {
  int RotX = 70, RotZ = 30, ScaleBar = 10, OffsetX = 0, OffsetY = 0;
  bool StudsShown = true;
  int UnitFlag = 1;  // 1: internal units; 0 or absent: studs and plates
};

enum class LoadMode { Complete, Subassembly };

// One line that could not be read; the reader goes on with the next.
struct LineError {
  int lineNumber = 0;  // from 1
  std::string message;
};

struct ModelReadResult {
  std::vector<std::unique_ptr<TBlock>> pieces;  // in file order
  std::optional<ModelHeader> header;            // complete mode: the view of the last header
  std::vector<LineError> errors;
  int highestStep = 0;
  int highestGroup = 0;
  // The baseplate fields of the last baseplate read (complete mode).
  bool baseplateSeen = false;
  int baseSizeX = 0, baseSizeY = 0;  // studs
  bool thickBase = false;
  // Bounding box of the pieces (subassembly mode).
  TBounds bounds;
};

struct ModelReadOptions {
  LoadMode mode = LoadMode::Complete;
  int subassemblyGroup = 0;  // every piece of a subassembly gets this group
  int subassemblyStep = 0;   // and this step
};

// Takes a piece read from a file into the result as the mode wants it: a
// complete model follows its groups, steps and baseplate; a subassembly gives
// every piece its group and step, drops a baseplate and widens its bounds.
void AddReadPiece(std::unique_ptr<TBlock> piece, ModelReadResult& result,
                  const ModelReadOptions& options);

// Reads the lines of a model file. Lines that cannot be read are reported and
// skipped; general pieces are bound through the shape cache.
ModelReadResult ReadModelLines(const std::vector<std::string>& lines, TShapeCache& shapes,
                               const ModelReadOptions& options = {});

// One piece line as the model file holds it.
std::string FormatPieceLine(const TBlock& piece);
std::string FormatHeaderLine(const ModelHeader& header);

// The lines of a saved model: the header, then every piece of the list (or
// only the selected ones) in list order.
std::vector<std::string> FormatModelLines(const TBlockList& list, const ModelHeader& header,
                                          bool selectedOnly);

// Writes the model through a temporary file, so a failed save leaves the old
// file as it was; raises FileError with the system's message.
void SaveModelFile(const std::string& fileName, const TBlockList& list, const ModelHeader& header,
                   bool selectedOnly);

// Reads a model file into the document as a complete model: the lists are
// emptied, the pieces go in with AddSorted, GroupCounter and StepLimit follow
// the file. Raises FileError when the file cannot be read.
ModelReadResult LoadCompleteModel(const std::string& fileName, class TDocument& document,
                                  TShapeCache& shapes, int octant);

// Puts the pieces of a complete model into the document's model list (which
// the caller has emptied); GroupCounter and StepLimit follow the file, and the
// history starts anew.
void PlaceCompleteModel(ModelReadResult& result, class TDocument& document, int octant);

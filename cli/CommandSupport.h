#pragma once
#include <string>
#include <vector>

#include "platform/FileLocations.h"
#include "render/ViewControls.h"
#include "workspace/ModelFile.h"

class TDocument;
class TShapeCache;

// What the batch program's commands share: reading options and models.

// A whole number from -1000000 to 1000000; raises UsageError otherwise.
int ParseInt(const std::string& text, const std::string& option);
// "a<separator>b" as two whole numbers.
void ParsePair(const std::string& text, char separator, const std::string& option, int& a, int& b);
// The value after the option at i, moving i to it; raises UsageError when there is none.
std::string NextValue(const std::vector<std::string>& args, std::size_t& i);

// --size WxH within its range.
void ParseSizeOption(const std::string& text, int& width, int& height);

// The extension of a file name in lower case.
std::string LowerExtension(const std::string& name);

// Loads a complete model (an LDraw model through the program's mapping list
// and library), reporting skipped lines on stderr; false when it cannot be read.
bool LoadForCli(const std::string& file, TDocument& document, TShapeCache& shapes,
                ModelReadResult& result,
                const FileLocations& files = FileLocations::ForRunningProgram());

// The folders of the program's part files, in search order.
std::vector<std::string> PartsFolders();

// --view and --zoom, when given.
struct ViewOptions {
  bool viewGiven = false, zoomGiven = false;
  int rotX = 70, rotZ = 30, scaleBar = 10;
  // Reads the option at args[i] (moving i past its value); false when it is neither.
  bool Parse(const std::vector<std::string>& args, std::size_t& i);
};

// The view the model file was saved with (the standard view when it has no
// header) with the options over it, and whether the file showed studs.
ViewPositions ModelViewPositions(const ModelReadResult& result, const ViewOptions& options,
                                 bool& studsShown);

#pragma once
#include <string>
#include <vector>

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

// --size WxH, --view ROTX,ROTZ and --zoom SCALEBAR with their ranges.
void ParseSizeOption(const std::string& text, int& width, int& height);
void ParseViewOption(const std::string& text, int& rotX, int& rotZ);
int ParseZoomOption(const std::string& text);

// The extension of a file name in lower case.
std::string LowerExtension(const std::string& name);

// Loads a complete model, reporting skipped lines on stderr; false when it
// cannot be read.
bool LoadForCli(const std::string& file, TDocument& document, TShapeCache& shapes,
                ModelReadResult& result);

// The folders of the program's part files, in search order.
std::vector<std::string> PartsFolders();

// The view the model file was saved with (the standard view when it has no
// header), and whether it showed studs.
ViewPositions ModelViewPositions(const ModelReadResult& result, bool& studsShown);

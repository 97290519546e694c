#pragma once
#include <string>
#include <vector>

#include "platform/Color.h"
#include "render/RenderContext.h"

class TBlockList;

// The settings that name the outside LDraw viewer.
struct LDrawViewerSettings {
  std::string LDrawLib;   // the LDraw library folder; the viewer runs there
  std::string LDrawProg;  // the viewer's command
  std::string LDrawTest;  // the test file, relative to LDrawLib
};

struct LDrawViewCommand {
  std::string testFile;     // LDrawLib + '\' + LDrawTest, where the model is exported to
  std::string commandLine;  // the viewer's command line for the current view
  std::string folder;       // the folder to start it in
};

// The test file, the command line and the folder that show the current view
// (angles, scale, centre, stud quality) and background in the viewer.
// paintWidth/paintHeight are the paint box's size in pixels.
LDrawViewCommand BuildLDrawViewCommand(const LDrawViewerSettings& settings, const TView& view,
                                       StudStyle studs, TColor background, int paintWidth,
                                       int paintHeight);

// "LDraw this view": exports the list into the test file, then starts the
// viewer in LDrawLib without waiting for it, leaving the current folder as
// it was. Returns what the export could not convert or record, for the user.
// Raises FileError when the mapping list or the test file fails, and
// BrikoloError with the system's error number when the viewer cannot be
// started.
std::vector<std::string> LDrawThisView(const LDrawViewerSettings& settings, TBlockList& list,
                                       const std::string& listFolder, const TView& view,
                                       StudStyle studs, TColor background, int paintWidth,
                                       int paintHeight);

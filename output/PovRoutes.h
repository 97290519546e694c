#pragma once
#include <string>
#include <vector>

#include "model/Bounds.h"
#include "platform/Color.h"
#include "platform/Process.h"

class TBlockList;
class TView;

// Rendering the current view with POV-Ray. Both routes export the model into
// the LDraw test file, run a converter in the LDraw folder and start POV-Ray
// there on a scene whose camera matches the view: the L2P route writes its own
// scene BO_test.pov around the converter's test.inc, the L3P route edits the
// test.pov the converter wrote.

enum class PovRoute { L2P, L3P };

// The settings that name the tools and the folder they work in.
struct PovSettings {
  std::string LDrawLib;   // the LDraw folder; everything is written and run there
  std::string LDrawTest;  // the model's LDraw file, relative to LDrawLib
  std::string L2PCmd, L3PCmd;
  std::string PovRayEng;
};

// The picture POV-Ray is asked for. The window lets POV-Ray run on by
// itself; the batch program waits for the picture.
struct PovPicture {
  int width = 320, height = 240;
  bool waitForPovRay = false;
};

// The camera of the L2P scene stands 24 times the cube root of the model's
// largest extent away (in the scene's brick units).
float L2PCameraDistance(const TBounds& box);

// BO_test.pov for a model with this bounding box, seen as `view` shows it.
std::vector<std::string> L2PSceneLines(const TBounds& box, const TView& view, TColor background);

// The converter's test.pov made to show the view: the two green colours, the
// background, and a camera further away at the view's angles with an angle of
// 25 degrees. Lines are found whole and without regard to case; the camera
// lines by what they contain.
std::vector<std::string> EditL3PScene(std::vector<std::string> lines, const TView& view,
                                      TColor background);

// "engine +Iscene -V +Wwidth +Hheight".
std::string PovRayCommandLine(const std::string& engine, const std::string& scene, int width,
                              int height);

// The converter's command line: its command followed by one blank.
std::string ConverterCommandLine(PovRoute route, const PovSettings& settings);

// The files of a route, all in LDrawLib.
std::string PovTestFile(const PovSettings& settings);  // the LDraw test file
std::string PovSceneFile(PovRoute route, const PovSettings& settings);

// A whole route: exports the list into the test file through the mapping
// list in `listFolder` (making the test file's folder when missing), runs the converter in LDrawLib
// and waits for it, writes or edits the scene and starts POV-Ray there. The current folder is
// LDrawLib meanwhile and is what it was afterwards, whatever happens. Raises FileError when the
// mapping list, the test file or the scene cannot be read or written; then no
// further program is started. A program that cannot be started is shown
// through the hooks and the route goes on. Returns what the export could not
// convert or record, for the user.
std::vector<std::string> RenderWithPovRay(PovRoute route, const PovSettings& settings,
                                          TBlockList& list, const std::string& listFolder,
                                          const TView& view, TColor background,
                                          const PovPicture& picture, const RunHooks& hooks);

#include "output/LDrawView.h"

#include <strings.h>

#include <cmath>

#include "output/LDrawColour.h"
#include "output/LDrawExport.h"
#include "platform/Error.h"
#include "platform/Process.h"
#include "render/View.h"

namespace {

// The viewer's own program reads scales two thirds as large as others.
bool IsClassicViewer(const std::string& program) {
  return program.size() >= 5 && ::strncasecmp(program.c_str(), "ldraw", 5) == 0;
}

// "%.3g" without a minus sign on a zero.
float Tidy(float v) {
  return v + 0.0f;
}

}  // namespace

LDrawViewCommand BuildLDrawViewCommand(const LDrawViewerSettings& settings, const TView& view,
                                       StudStyle studs, TColor background, int paintWidth,
                                       int paintHeight) {
  std::string options;
  if (studs == StudStyle::Fast) options += "-FS ";
  options += Format("-O%d,%d ", view.ViewCenterX - paintWidth / 2,
                    view.ViewCenterY - paintHeight / 2 - 70);
  const float pi = 3.14159265358979f;
  const float a = 2 * pi - view.Spin;
  const float b = pi / 2 - view.Tilt;
  const float ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
  options +=
      Format("-a%.3g,%.3g,%.3g,%.3g,%.3g,%.3g,%.3g,%.3g,%.3g ", Tidy(ca), 0.0, Tidy(sa),
             Tidy(sb * sa), Tidy(cb), Tidy(-sb * ca), Tidy(-cb * sa), Tidy(sb), Tidy(cb * ca));

  double scale = view.ViewScale;
  if (IsClassicViewer(settings.LDrawProg)) scale *= 0.6666666666666666;

  LDrawViewCommand c;
  c.testFile = settings.LDrawLib + "\\" + settings.LDrawTest;
  c.commandLine = Format("%s  -s%g -b%d %s %s", settings.LDrawProg.c_str(), scale,
                         LDrawCodeOf(background), options.c_str(), settings.LDrawTest.c_str());
  c.folder = settings.LDrawLib;
  return c;
}

std::vector<std::string> LDrawThisView(const LDrawViewerSettings& settings, TBlockList& list,
                                       const std::string& listFolder, const TView& view,
                                       StudStyle studs, TColor background, int paintWidth,
                                       int paintHeight) {
  const LDrawViewCommand c =
      BuildLDrawViewCommand(settings, view, studs, background, paintWidth, paintHeight);
  std::vector<std::string> problems = SaveLDrawFile(c.testFile, list, listFolder).problems;
  ProcessResult started;
  {
    CurrentFolderScope inLibrary(c.folder);
    started = StartProgram(c.commandLine, std::string(), ShowWindow::Maximized, false);
  }
  if (!started.started) throw BrikoloError(CannotStartMessage(c.commandLine, started.errorNumber));
  return problems;
}

// Fuzz target: any bytes as a part definition file. Every section either is
// rejected or reads into a shape that draws from every octant without
// leaving its faces; a shape written back into the file reads as it was read,
// and so does every other section of the file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "platform/TextFile.h"
#include "render/RenderContext.h"
#include "render/ViewControls.h"
#include "shapes/DrawClass.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      SplitLines(std::string(reinterpret_cast<const char*>(data), size));
  std::vector<std::string> sections = SectionNames(lines);
  if (sections.size() > 4) sections.resize(4);
  for (const std::string& section : sections) {
    std::unique_ptr<TDrawClass> shape;
    try {
      shape = ParseShape(lines, "fuzz.dat", section);
    } catch (const std::exception&) {
      continue;
    }
    RenderContext rc;
    rc.switches.Shading = true;
    rc.switches.DetailLevel = 1;
    RecordingCanvas canvas;
    TGeneralBlock piece;
    piece.SetShape(shape.get());
    piece.SizeX = 40;
    piece.SizeY = 40;
    piece.HasStuds = true;
    for (int direction = 0; direction < 4; ++direction) {
      piece.Direction = direction;
      for (int rotX : {40, 140}) {
        for (int rotZ : {30, 120, 210, 300}) {
          ApplyViewPositions(rc.view, ViewPositions{rotX, rotZ, 10, 0, 0}, 64, 64);
          rc.view.UpdateRiseAndStuds();
          piece.Draw(canvas, rc);
          canvas.Clear();
        }
      }
    }
  }
  const std::string problem = PartFileRoundTrip(lines);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}

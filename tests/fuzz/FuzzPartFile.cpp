// Fuzz target: any bytes as a part definition file. Every section either is
// rejected or reads into a shape that draws from every octant without
// leaving its faces and writes back to text that reads the same again.
#include <cstdint>
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

static std::vector<std::string> WriteLines(const TDrawClass& shape) {
  std::vector<std::string> lines;
  WriteShape(shape, lines);
  return lines;
}

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
    // A stud list of eight characters or fewer is ignored on reading (a lone
    // stud at 0,0 is lost), so the text is stable from the second writing on.
    std::vector<std::string> written;
    WriteShape(*ParseShape(WriteLines(*shape), "fuzz.dat", section), written);
    const std::vector<std::string> rewritten =
        WriteLines(*ParseShape(written, "fuzz.dat", section));
    if (rewritten != written) std::abort();
  }
  return 0;
}

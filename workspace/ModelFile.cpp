#include "workspace/ModelFile.h"

#include <algorithm>
#include <exception>
#include <limits>

#include "model/Bounds.h"
#include "model/Document.h"
#include "model/FieldScanner.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "workspace/BlockFactory.h"

namespace {

void ReadHeader(FieldScanner& fields, ModelReadResult& result, int& unitFlag, LoadMode mode) {
  ModelHeader h;
  h.RotX = fields.Number();
  h.RotZ = fields.Number();
  h.ScaleBar = fields.Number();
  h.OffsetX = fields.Number();
  h.OffsetY = fields.Number();
  h.StudsShown = fields.Number() != 0;
  h.UnitFlag = fields.Number();
  unitFlag = h.UnitFlag;
  if (mode == LoadMode::Complete) result.header = h;
}

std::unique_ptr<TBlock> ReadPiece(char letter, FieldScanner& fields, int unitFlag,
                                  TShapeCache& shapes) {
  std::unique_ptr<TBlock> piece = CreateEmptyBlock(letter);
  std::int64_t x = fields.Number(), y = fields.Number(), z = fields.Number();
  std::int64_t sx = fields.Number(), sy = fields.Number(), sz = fields.Number();
  if (unitFlag == 0) {
    x *= 20;
    y *= 20;
    sx *= 20;
    sy *= 20;
    z = z * 24 / 3;
    sz = sz * 24 / 3;
  }
  piece->X = Clamp32(x);
  piece->Y = Clamp32(y);
  piece->Z = Clamp32(z);
  piece->SizeX = Clamp32(sx);
  piece->SizeY = Clamp32(sy);
  piece->SizeZ = Clamp32(sz);
  piece->Color = static_cast<TColor>(fields.Number());
  piece->HasStuds = fields.Number() != 0;
  piece->IsBaseplate = fields.Number() != 0;
  // Only four directions exist; anything else in a file would index past the
  // projection's four columns.
  piece->Direction = ((fields.Number() % 4) + 4) % 4;
  piece->Transparent = fields.Number() != 0;
  if (piece->BlockType == 'T') {
    const bool odd = piece->Direction % 2 != 0;
    if ((odd && piece->SizeX == 40 && piece->SizeY == 60) ||
        (!odd && piece->SizeX == 60 && piece->SizeY == 40))
      piece->Variant = 1;
  }
  if (piece->BlockType == 'G') {
    const std::string file = fields.Word("parts.dat");
    const std::string section = fields.Word("stdblock");
    piece->LoadShape(shapes, file, section);
  }
  piece->Group = fields.Number();
  piece->PartName = fields.Word();
  piece->Step = static_cast<std::int16_t>(
      std::clamp<std::int32_t>(fields.Number(), std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max()));
  return piece;
}

}  // namespace

void AddReadPiece(std::unique_ptr<TBlock> piece, ModelReadResult& result,
                  const ModelReadOptions& options) {
  if (options.mode == LoadMode::Complete) {
    result.highestGroup = std::max<int>(result.highestGroup, piece->Group);
    result.highestStep = std::max<int>(result.highestStep, piece->Step);
    if (piece->IsBaseplate) {
      result.baseplateSeen = true;
      result.baseSizeX = piece->SizeX / 20;
      result.baseSizeY = piece->SizeY / 20;
      result.thickBase = piece->SizeZ == 24;
    }
  } else {
    piece->Group = options.subassemblyGroup;
    piece->Step = static_cast<std::int16_t>(options.subassemblyStep);
    if (piece->IsBaseplate) return;  // a subassembly brings no baseplate
    result.bounds.Add(*piece);
  }
  result.pieces.push_back(std::move(piece));
}

ModelReadResult ReadModelLines(const std::vector<std::string>& lines, TShapeCache& shapes,
                               const ModelReadOptions& options) {
  ModelReadResult result;
  int unitFlag = 0;  // without a header line the pieces are in studs and plates
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    if (line.empty()) continue;  // never written; nothing to read
    const char letter = line[0];
    // The whole line is read, however long: every line the writer makes must
    // read back, and a long part name would otherwise lose its end.
    FieldScanner fields(Trim(line.substr(1)));
    try {
      if (letter == '=') {
        ReadHeader(fields, result, unitFlag, options.mode);
        continue;
      }
      AddReadPiece(ReadPiece(letter, fields, unitFlag, shapes), result, options);
    } catch (const std::exception& error) {
      result.errors.push_back(LineError{static_cast<int>(n + 1), error.what()});
    }
  }
  return result;
}

std::string FormatHeaderLine(const ModelHeader& h) {
  return Format("= %d %d %d %d %d %d 1", h.RotX, h.RotZ, h.ScaleBar, h.OffsetX, h.OffsetY,
                h.StudsShown ? 1 : 0);
}

std::string FormatPieceLine(const TBlock& b) {
  FieldWriter line(std::string(1, b.BlockType));
  line.Number(b.X).Number(b.Y).Number(b.Z).Number(b.SizeX).Number(b.SizeY).Number(b.SizeZ);
  line.Number(static_cast<std::int32_t>(b.Color)).Number(b.HasStuds ? 1 : 0);
  line.Number(b.IsBaseplate ? 1 : 0).Number(b.Direction).Number(b.Transparent ? 1 : 0);
  if (b.BlockType == 'G') line.Word(b.ShapeFileName()).Word(b.ShapeSectionName());
  line.Number(b.Group).Word(b.PartName).Number(b.Step);
  return line.Line();
}

std::vector<std::string> FormatModelLines(const TBlockList& list, const ModelHeader& header,
                                          bool selectedOnly) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(list.Count()) + 1);
  lines.push_back(FormatHeaderLine(header));
  for (int i = 0; i < list.Count(); ++i)
    if (!selectedOnly || list[i]->Selected) lines.push_back(FormatPieceLine(*list[i]));
  return lines;
}

void SaveModelFile(const std::string& fileName, const TBlockList& list, const ModelHeader& header,
                   bool selectedOnly) {
  WriteTextLines(fileName, FormatModelLines(list, header, selectedOnly));
}

ModelReadResult LoadCompleteModel(const std::string& fileName, TDocument& document,
                                  TShapeCache& shapes, int octant) {
  std::vector<std::string> lines = ReadTextLines(fileName);
  document.ModelList.Clear();
  document.CutList.Clear();
  ModelReadResult result = ReadModelLines(lines, shapes);
  PlaceCompleteModel(result, document, octant);
  return result;
}

void PlaceCompleteModel(ModelReadResult& result, TDocument& document, int octant) {
  document.ModelList.AddSortedAll(std::move(result.pieces), octant);
  result.pieces.clear();
  document.GroupCounter = std::max(document.GroupCounter, result.highestGroup);
  document.ModelList.StepLimit = static_cast<std::int16_t>(result.highestStep);
  document.History.Clear();  // a complete model starts a history of its own
}

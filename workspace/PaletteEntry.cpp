#include "workspace/PaletteEntry.h"

#include <exception>

#include "model/FieldScanner.h"
#include "pieces/Roof.h"
#include "pieces/RoofCorner.h"
#include "pieces/RoundBlock.h"
#include "pieces/Window.h"
#include "platform/Error.h"
#include "platform/TextFile.h"
#include "shapes/GeneralBlock.h"
#include "shapes/PartFile.h"

namespace {

bool ReadSize(const std::string& text, int& value) {
  std::int32_t v = 0;
  if (!TryStrToInt(Trim(text), v) || v < 1 || v > kMaxEntrySize) return false;
  value = v;
  return true;
}

bool IsCapital(char c) {
  return c >= 'A' && c <= 'Z';
}

template <class Piece>
std::unique_ptr<TBlock> Make(const PaletteEntry& e) {
  return std::make_unique<Piece>(0, 0, 0, e.Length, e.Width, e.Height, 0xFFFFFF, true, false, false,
                                 e.PartName);
}

std::unique_ptr<TBlock> MakePiece(const PaletteEntry& e) {
  switch (e.Letter) {
    case 'B':
      return Make<TBlock>(e);
    case 'C':
      return Make<TRoofCorner>(e);
    case 'D':
      return Make<TDoor>(e);
    case 'E':
      return Make<TRoofTopEnd>(e);
    case 'I':
      return Make<TRoofTopCorner>(e);
    case 'N':
      return Make<TRoofTop>(e);
    case 'O':
      return Make<TWheel>(e);
    case 'R':
      return Make<TRoundBlock>(e);
    case 'T':
      return Make<TRoof>(e);
    case 'W':
      return Make<TWindow>(e);
    default:
      return nullptr;
  }
}

}  // namespace

PaletteEntry ParsePaletteEntry(const std::string& text) {
  PaletteEntry e;
  const std::string trimmed = Trim(text);
  if (!trimmed.empty() && trimmed[0] == 'M') {
    e.Kind = PaletteEntryKind::Model;
    e.ModelName = Trim(trimmed.substr(1));
    // The model lies in the program's folder; a name cannot lead elsewhere.
    if (!IsPlainFileName(e.ModelName)) e.Kind = PaletteEntryKind::Invalid;
    return e;
  }
  std::string shape = text;
  const std::size_t bar = text.find('|');
  if (bar != std::string::npos) {
    shape = text.substr(0, bar);
    // The part name is one field of a model line; blanks around it or inside
    // it would shift the fields after it when the model is saved.
    e.PartName = AsWord(Trim(text.substr(bar + 1)));
  }
  if (!shape.empty() && IsCapital(shape[0])) {
    e.Letter = shape[0];
    shape.erase(0, 1);
  }
  if (e.Letter == 'G') {
    const std::size_t comma = shape.find(',');
    if (comma == std::string::npos) return e;
    e.FileName = Trim(shape.substr(0, comma));
    e.SectionName = Trim(shape.substr(comma + 1));
    // A model line names the shape in two blank-separated fields, so a name
    // with a blank could be placed but never saved.
    const bool oneWord = (e.FileName + e.SectionName).find(' ') == std::string::npos;
    if (!e.FileName.empty() && !e.SectionName.empty() && oneWord)
      e.Kind = PaletteEntryKind::General;
    return e;
  }
  const std::size_t x1 = shape.find('x');
  const std::size_t x2 = x1 == std::string::npos ? x1 : shape.find('x', x1 + 1);
  if (x2 == std::string::npos) return e;
  if (ReadSize(shape.substr(0, x1), e.Length) &&
      ReadSize(shape.substr(x1 + 1, x2 - x1 - 1), e.Width) &&
      ReadSize(shape.substr(x2 + 1), e.Height))
    e.Kind = PaletteEntryKind::Piece;
  return e;
}

std::unique_ptr<TBlock> CreatePaletteBlock(const std::string& text, TShapeCache& shapes) {
  const PaletteEntry e = ParsePaletteEntry(text);
  if (e.Kind == PaletteEntryKind::Piece) return MakePiece(e);
  if (e.Kind != PaletteEntryKind::General) return nullptr;
  auto piece =
      std::make_unique<TGeneralBlock>(0, 0, 0, 0, 0, 0, 0xFFFFFF, true, false, false, e.PartName);
  piece->BlockType = 'G';
  try {
    piece->LoadShape(shapes, e.FileName, e.SectionName);
  } catch (const std::exception&) {
    return nullptr;  // a missing file or section: the entry simply makes nothing
  }
  return piece;
}

PaletteLabel PaletteEntryLabel(const std::string& text) {
  const std::string trimmed = Trim(text);
  const std::size_t bar = trimmed.find('|');
  if (bar == std::string::npos) return {trimmed, false};
  return {trimmed.substr(bar + 1), true};
}

std::string GeneralEntryText(const std::string& fileName, const std::string& sectionName) {
  return "G " + fileName + ", " + sectionName;
}

std::vector<std::string> EntriesOfPartFile(const std::string& fileName,
                                           const std::vector<std::string>& lines) {
  const std::string name = FileBaseName(NativePath(fileName));
  std::vector<std::string> entries;
  for (const std::string& section : SectionNames(lines))
    entries.push_back(GeneralEntryText(name, section));
  return entries;
}

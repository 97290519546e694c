#include "output/MappingList.h"

#include "model/Block.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"

namespace {

bool StudsMatch(const TLDrawRecord& r, const TBlock& piece) {
  return (r.Studs == 1) == piece.HasStuds;
}

// How the record's footprint fits the piece: not at all, as it stands
// (width along y, length along x) or crossed.
enum class Fit { None, Straight, Crossed };

Fit FootprintFit(const TLDrawRecord& r, const TBlock& piece) {
  const int w = piece.SizeY / 20, l = piece.SizeX / 20;
  if (r.Width == w && r.Length == l) return Fit::Straight;
  if (r.Width == l && r.Length == w) return Fit::Crossed;
  return Fit::None;
}

// A record describes its part for a piece that has not been turned: length
// along x, width along y. A turned piece (odd Direction) fits it crossed. A
// piece whose footprint lies the other way round than its Direction says
// (a 4-by-2 brick made as such, or a baseplate resized to 8 by 16) needs one
// more quarter turn, or its part would lie across its box.
bool NeedsExtraQuarterTurn(const TLDrawRecord& r, const TBlock& piece) {
  if (r.Width == r.Length) return false;
  const Fit fit = FootprintFit(r, piece);
  if (fit == Fit::None) return false;
  const bool turned = piece.Direction % 2 != 0;
  return (fit == Fit::Crossed) != turned;
}

TMapping MappingOf(const TLDrawRecord& r, const TBlock& piece) {
  TMapping m;
  m.Found = true;
  m.OffsetAlong = r.OffsetAlong;
  m.OffsetUp = r.OffsetUp;
  m.OffsetAcross = r.OffsetAcross;
  m.Rotation = r.Rotation;
  if (NeedsExtraQuarterTurn(r, piece))
    m.Rotation = (r.Rotation & ~3) | (((r.Rotation & 3) + 1) & 3);
  return m;
}

}  // namespace

TMappingList TMappingList::FromLines(const std::vector<std::string>& lines) {
  TMappingList list;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    try {
      if (auto record = ParseMappingLine(lines[i])) {
        record->LineNumber = static_cast<int>(i + 1);
        list.records_.push_back(*record);
      }
    } catch (const ConversionError& error) {
      list.problems_.push_back(Format("line %zu: %s (line skipped)", i + 1, error.what()));
    }
  }
  return list;
}

TMappingList TMappingList::FromRecords(std::vector<TLDrawRecord> records) {
  TMappingList list;
  list.records_ = std::move(records);
  return list;
}

TMappingList TMappingList::Load(const std::string& fileName) {
  TMappingList list = FromLines(ReadTextLines(fileName));
  list.fileName_ = fileName;
  return list;
}

void TMappingList::Append(const TLDrawRecord& record) {
  records_.push_back(record);
  // A record whose line would not read back stays in memory: written, it
  // would be skipped or read as another record at the next export.
  if (!fileName_.empty() && MappingLineReadsBack(record))
    AppendTextLine(fileName_, FormatMappingLine(record));
}

void TMappingList::Replace(std::size_t index, const TLDrawRecord& record) {
  if (index >= records_.size()) throw FileError(Format("No record %zu in the mapping list", index));
  if (!fileName_.empty()) {
    // The record's line is found again the way the list was read: data lines only.
    std::vector<std::string> lines = ReadTextLines(fileName_);
    std::size_t seen = 0, at = lines.size();
    for (std::size_t i = 0; i < lines.size() && at == lines.size(); ++i) {
      try {
        if (ParseMappingLine(lines[i]) && seen++ == index) at = i;
      } catch (const ConversionError&) {
      }
    }
    if (at == lines.size())
      throw FileError(Format("\"%s\" no longer holds record %zu", fileName_.c_str(), index + 1));
    lines[at] = FormatMappingLine(record);
    WriteTextLines(fileName_, lines);
  }
  records_[index] = record;
}

TMapping TMappingList::FindMapping(TBlock& piece, std::vector<std::string>& problems) {
  const bool general = piece.BlockType == 'G';
  const TLDrawRecord* byName = nullptr;
  bool makeNew = false;

  // 1. By part name.
  if (!piece.PartName.empty()) {
    for (const TLDrawRecord& r : records_) {
      if (SameText(r.LDrawName, piece.PartName) && r.Marker == piece.Variant &&
          FootprintFit(r, piece) != Fit::None && StudsMatch(r, piece)) {
        byName = &r;
        break;
      }
    }
    makeNew = byName == nullptr;
  }

  // 2. By kind and size.
  const TLDrawRecord* byKind = nullptr;
  if (byName == nullptr) {
    const std::string file = general ? piece.ShapeFileName() : std::string();
    const std::string section = general ? piece.ShapeSectionName() : std::string();
    for (const TLDrawRecord& r : records_) {
      if (r.TypeLetter != piece.BlockType || !StudsMatch(r, piece) || r.Height != piece.SizeZ / 8 ||
          r.Marker != piece.Variant)
        continue;
      const bool fits = general ? SameText(r.DefinitionFile, file) && SameText(r.Section, section)
                                : FootprintFit(r, piece) != Fit::None;
      if (fits) {
        byKind = &r;
        break;
      }
    }
    // A general piece with a part name of its own keeps its own record.
    if (byKind != nullptr && !general) makeNew = false;
  }

  // 3. A new record for a part name the list does not know.
  TLDrawRecord created;
  const TLDrawRecord* chosen = byName != nullptr ? byName : byKind;
  if (makeNew) {
    if (byKind != nullptr) {
      created = *byKind;
    } else {
      created.TypeLetter = piece.BlockType;
      // Described as the piece stands unturned: length along x, width along y.
      const bool turned = piece.Direction % 2 != 0;
      created.Width = (turned ? piece.SizeX : piece.SizeY) / 20;
      created.Length = (turned ? piece.SizeY : piece.SizeX) / 20;
      created.Height = piece.SizeZ / 8;
      created.Studs = piece.HasStuds ? 1 : 0;
      created.Reserved = 16;
      created.OffsetAlong = created.OffsetUp = created.OffsetAcross = created.Rotation = 0;
    }
    created.LineNumber = 0;
    created.LDrawName = piece.PartName;
    created.Marker = piece.Variant;
    created.DefinitionFile = general ? piece.ShapeFileName() : std::string();
    created.Section = general ? piece.ShapeSectionName() : std::string();
    try {
      Append(created);
    } catch (const FileError& error) {
      problems.push_back(error.what());
    }
    chosen = &records_.back();
  }

  if (chosen == nullptr) return TMapping{};
  // 4. The piece takes the record's name.
  piece.PartName = chosen->LDrawName;
  return MappingOf(*chosen, piece);
}

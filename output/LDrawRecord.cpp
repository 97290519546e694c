#include "output/LDrawRecord.h"

#include "model/FieldScanner.h"
#include "platform/Error.h"

std::optional<TLDrawRecord> ParseMappingLine(const std::string& line) {
  if (line.size() < 24 || line[0] == ';') return std::nullopt;
  TLDrawRecord r;
  r.TypeLetter = line[0];
  FieldScanner fields(line, 2);
  r.Width = fields.Number();
  r.Length = fields.Number();
  r.Height = fields.Number();
  r.Studs = fields.Number();
  r.Reserved = fields.Number();
  r.OffsetAlong = fields.Number();
  r.OffsetUp = fields.Number();
  r.OffsetAcross = fields.Number();
  r.Rotation = fields.Number();
  std::string name = fields.Word();
  r.LDrawName = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
  r.Marker = fields.Number();
  r.DefinitionFile = fields.Word();
  r.Section = fields.Word();
  return r;
}

std::string FormatMappingLine(const TLDrawRecord& r) {
  return std::string(1, r.TypeLetter) +
         Format(" %d %d %d %d %d %d %d %d %d %s.DAT %d %s %s", r.Width, r.Length, r.Height, r.Studs,
                r.Reserved, r.OffsetAlong, r.OffsetUp, r.OffsetAcross, r.Rotation,
                r.LDrawName.c_str(), r.Marker, r.DefinitionFile.c_str(), r.Section.c_str());
}

#include "output/LDrawRecord.h"

#include "model/FieldScanner.h"

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

bool MappingLineReadsBack(const TLDrawRecord& r) {
  const std::optional<TLDrawRecord> back = ParseMappingLine(FormatMappingLine(r));
  return back && back->TypeLetter == r.TypeLetter && back->LDrawName == r.LDrawName &&
         back->DefinitionFile == r.DefinitionFile && back->Section == r.Section;
}

std::string FormatMappingLine(const TLDrawRecord& r) {
  FieldWriter line(std::string(1, r.TypeLetter));
  line.Number(r.Width).Number(r.Length).Number(r.Height).Number(r.Studs).Number(r.Reserved);
  line.Number(r.OffsetAlong).Number(r.OffsetUp).Number(r.OffsetAcross).Number(r.Rotation);
  line.Word(r.LDrawName).Text(".DAT").Number(r.Marker).Word(r.DefinitionFile).Word(r.Section);
  return line.Line();
}

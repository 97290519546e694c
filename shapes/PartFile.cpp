#include "shapes/PartFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <map>

#include "model/ColorTable.h"
#include "model/FieldScanner.h"
#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"
#include "shapes/DrawClass.h"

namespace {

// Hard limit on the faces of one section, far above any real shape, so that a
// damaged count cannot make the reader allocate without end.
constexpr int kMaxFaces = 100000;

bool IsSeparator(char c) {
  return c == '\t' || c == ' ' || c == ',' || c == ';';
}

// The numbers and names inside one value. Separators (tab, blank, comma,
// semicolon) before each number are skipped; a number is an optional '-' and
// digits. Where no digit follows, the number reads 0 and the position stays,
// so every later number of the value reads 0 as well.
class ValueReader {
 public:
  explicit ValueReader(const std::string& value) : s_(value) {}

  std::int32_t Number() {
    SkipSeparators();
    std::size_t p = pos_;
    const bool negative = p < s_.size() && s_[p] == '-';
    if (negative) ++p;
    const std::size_t digitsStart = p;
    std::int64_t magnitude = 0;
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (p < s_.size() && std::isdigit(static_cast<unsigned char>(s_[p]))) {
      magnitude = magnitude * 10 + (s_[p] - '0');
      if (magnitude > limit) Fail(p);
      ++p;
    }
    if (p == digitsStart) {
      if (negative) Fail(p);
      stuck_ = true;
      return 0;
    }
    if (!negative && magnitude == limit) Fail(p);
    pos_ = p;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  }

  // Characters after the separators up to the next comma or the end.
  std::string Name() {
    SkipSeparators();
    const std::size_t comma = s_.find(',', pos_);
    const std::size_t end = comma == std::string::npos ? s_.size() : comma;
    std::string name = s_.substr(pos_, end - pos_);
    pos_ = end;
    return name;
  }

  // A ";z" right after a stud position.
  bool HeightFollows() {
    std::size_t p = pos_;
    while (p < s_.size() && (s_[p] == ' ' || s_[p] == '\t')) ++p;
    return p < s_.size() && s_[p] == ';';
  }

  // No number can be read any more: every later number would read 0.
  bool Exhausted() {
    if (stuck_) return true;
    SkipSeparators();
    return pos_ >= s_.size();
  }

 private:
  void SkipSeparators() {
    if (stuck_) return;
    while (pos_ < s_.size() && IsSeparator(s_[pos_])) ++pos_;
  }
  [[noreturn]] void Fail(std::size_t p) {
    std::size_t end = p;
    while (end < s_.size() && !IsSeparator(s_[end])) ++end;
    throw ConversionError(
        Format("'%s' is not a valid integer value", s_.substr(pos_, end - pos_).c_str()));
  }

  const std::string& s_;
  std::size_t pos_ = 0;
  bool stuck_ = false;
};

// The key=value lines of one section; the first line with a key counts.
class SectionValues {
 public:
  void Add(const std::string& line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return;
    std::string key = line.substr(0, eq);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    values_.emplace(std::move(key), line.substr(eq + 1));
  }
  // The value of an upper-case key, or "" when the section has none.
  const std::string& Get(const std::string& key) const {
    static const std::string empty;
    auto it = values_.find(key);
    return it == values_.end() ? empty : it->second;
  }

 private:
  std::map<std::string, std::string> values_;
};

bool EndsSection(const std::string& line) {
  return line.empty() || line[0] == '[';
}

// The index of the section's header line, or lines.size().
std::size_t FindHeader(const std::vector<std::string>& lines, const std::string& section) {
  const std::string header = "[" + section + "]";
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (SameText(lines[i], header)) return i;
  return lines.size();
}

void ReadFace(const std::string& value, int number, const TDrawClass& shape, FaceRec& face) {
  ValueReader r(value);
  const std::int32_t count = r.Number();
  if (count > TDrawClass::kMaxCorners)
    throw BrikoloError(
        Format("Face %d of part %s in file %s has %d corners; at most %d are allowed", number,
               shape.SectionName.c_str(), shape.FileName.c_str(), count, TDrawClass::kMaxCorners));
  face.PointCount = count < 0 ? 0 : count;
  face.Outline = r.Number();
  face.Points.resize(static_cast<std::size_t>(face.PointCount));
  for (Point3& p : face.Points) {
    p.x = r.Number();
    p.y = r.Number();
    p.z = r.Number();
  }
  face.Detail = r.Number();
  face.Color = r.Number();
  // -1 announces an LDraw colour number.
  if (face.Color == -1) face.Color = static_cast<std::int32_t>(ColourOfLDrawCode(r.Number()));
}

void ReadOrder(const std::string& value, const TDrawClass& shape, TIntegerList& list) {
  ValueReader r(value);
  const std::int32_t count = r.Number();
  for (std::int32_t i = 0; i < count && !r.Exhausted(); ++i) {
    const std::int32_t face = r.Number();
    // Entries naming no face are dropped, so drawing never leaves the faces.
    if (face >= 1 && face <= shape.FaceCount) list.Add(face - 1);
  }
}

// TS and BS: face, count, then x,y per stud with an optional ";z". Values of
// eight characters or fewer are ignored; so is a face number that names no face.
// The face of a list that holds no stud stays 0, as writing it would not keep it.
void ReadStuds(const std::string& value, const TDrawClass& shape, std::int32_t& face,
               std::int32_t& count, std::vector<Point3>& studs) {
  if (value.size() <= 8) return;
  ValueReader r(value);
  const std::int32_t number = r.Number();
  if (number < 1 || number > shape.FaceCount) return;
  const std::int32_t announced = r.Number();
  const int z = shape.FirstCornerZ(number - 1);
  for (std::int32_t i = 0; i < announced && !r.Exhausted(); ++i) {
    Point3 p;
    p.x = r.Number();
    p.y = r.Number();
    p.z = r.HeightFollows() ? r.Number() : z;
    studs.push_back(p);
  }
  count = static_cast<std::int32_t>(studs.size());
  if (count > 0) face = number - 1;
}

}  // namespace

std::unique_ptr<TDrawClass> ParseShape(const std::vector<std::string>& lines,
                                       const std::string& fileName,
                                       const std::string& sectionName) {
  auto shape = TDrawClass::Create();
  shape->FileName = fileName;
  shape->SectionName = sectionName;
  std::size_t line = FindHeader(lines, sectionName);
  if (line == lines.size())
    throw BrikoloError(
        Format("Could not find part %s in file %s", sectionName.c_str(), fileName.c_str()));
  SectionValues values;
  for (++line; line < lines.size() && !EndsSection(lines[line]); ++line) values.Add(lines[line]);

  const std::int32_t faceCount = StrToInt(values.Get("NP"));
  if (faceCount < 0 || faceCount > kMaxFaces)
    throw BrikoloError(Format("Part %s in file %s has %d faces", sectionName.c_str(),
                              fileName.c_str(), faceCount));
  shape->FaceCount = faceCount;
  shape->Faces.resize(static_cast<std::size_t>(faceCount));

  ValueReader box(values.Get("BB"));
  shape->BoxX = box.Number();
  shape->BoxY = box.Number();
  shape->BoxZ = box.Number();

  for (int i = 0; i < faceCount; ++i)
    ReadFace(values.Get("P" + std::to_string(i + 1)), i + 1, *shape,
             shape->Faces[static_cast<std::size_t>(i)]);
  for (int o = 0; o < 8; ++o)
    ReadOrder(values.Get("Q" + std::to_string(o + 1)), *shape, shape->DrawOrder[o]);

  ReadStuds(values.Get("TS"), *shape, shape->TopFace, shape->TopStudCount, shape->TopStuds);
  ReadStuds(values.Get("BS"), *shape, shape->BottomFace, shape->BottomTubeCount,
            shape->BottomTubes);

  const std::string& variant = values.Get("LD");
  if (!variant.empty() && !TryStrToInt(variant, shape->Variant)) shape->Variant = 0;

  const std::string& bitmap = values.Get("BM");
  if (!bitmap.empty()) {
    ValueReader r(bitmap);
    const std::int32_t face = r.Number();
    const std::string name = r.Name();
    // A picture on no face is never drawn, nor written back.
    if (face >= 1 && face <= faceCount) {
      shape->BitmapFace = face - 1;
      shape->BitmapName = name;
    }
  }

  const std::string& shift = values.Get("RO");
  if (!shift.empty()) {
    ValueReader r(shift);
    for (std::int32_t& v : shape->TurnShift) v = r.Number();
  }
  return shape;
}

std::string PartFilePath(const std::string& partsFolder, const std::string& fileName) {
  if (!IsPlainFileName(fileName))
    throw BrikoloError(Format("%s is not a file name in the parts folder", fileName.c_str()));
  const std::string exact = partsFolder + NativePath(fileName);
  if (FileExists(exact)) return exact;
  const std::string folder = FileFolder(exact);
  const std::string name = FileBaseName(exact);
  std::error_code error;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
  for (; !error && it != end; it.increment(error)) {
    const std::string candidate = it->path().filename().string();
    if (SameText(candidate, name)) return folder + candidate;
  }
  return exact;
}

std::string FindPartFile(const std::vector<std::string>& partsFolders,
                         const std::string& fileName) {
  for (const std::string& folder : partsFolders) {
    const std::string path = PartFilePath(folder, fileName);
    if (FileExists(path)) return path;
  }
  return PartFilePath(partsFolders.empty() ? std::string() : partsFolders.front(), fileName);
}

std::unique_ptr<TDrawClass> ReadShape(const std::vector<std::string>& partsFolders,
                                      const std::string& fileName, const std::string& sectionName) {
  if (!IsPlainFileName(fileName))
    throw BrikoloError(
        Format("Could not find part %s in file %s: a part file is named without a "
               "folder",
               sectionName.c_str(), fileName.c_str()));
  auto shape = ParseShape(ReadTextLines(FindPartFile(partsFolders, fileName), kMaxPartFileBytes),
                          fileName, sectionName);
  shape->PartsFolders = partsFolders;
  return shape;
}

namespace {

std::string StudsLine(const char* key, std::int32_t face, const std::vector<Point3>& studs,
                      std::int32_t count, int faceZ) {
  const std::string head = Format("%d,%d", face + 1, count);
  std::string positions;
  for (std::int32_t i = 0; i < count && i < static_cast<std::int32_t>(studs.size()); ++i) {
    const Point3& p = studs[static_cast<std::size_t>(i)];
    positions += Format(", %d,%d", p.x, p.y);
    if (p.z != faceZ) positions += Format(";%d", p.z);
  }
  // A value of eight characters or fewer is ignored on reading, which would
  // lose a lone stud at a one-digit position ("1,1, 5,0"); one more blank
  // before it keeps it.
  if (!positions.empty() && head.size() + positions.size() <= 8) positions.insert(1, " ");
  return std::string(key) + "=" + head + positions;
}

}  // namespace

void WriteShape(const TDrawClass& shape, std::vector<std::string>& lines) {
  // Every older copy of the section goes: the reader takes the first one, so
  // a copy left further up would hide the section written at the end.
  for (std::size_t header; (header = FindHeader(lines, shape.SectionName)) < lines.size();) {
    std::size_t end = header + 1;
    while (end < lines.size() && !EndsSection(lines[end])) ++end;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(header),
                lines.begin() + static_cast<std::ptrdiff_t>(end));
  }
  lines.push_back("[" + shape.SectionName + "]");
  lines.push_back(Format("NP=%d", shape.FaceCount));
  lines.push_back(Format("BB=%d,%d,%d", shape.BoxX, shape.BoxY, shape.BoxZ));
  if (shape.Variant != 0) lines.push_back(Format("LD=%d", shape.Variant));
  for (std::size_t i = 0; i < shape.Faces.size(); ++i) {
    const FaceRec& f = shape.Faces[i];
    std::string line = Format("P%d=%d, %d", static_cast<int>(i + 1), f.PointCount, f.Outline);
    for (const Point3& p : f.Points) line += Format(", %d,%d,%d", p.x, p.y, p.z);
    // A negative detail left out would read back as 0.
    if (f.Detail != 0 || f.Color != 0) line += Format(", %d", f.Detail);
    if (f.Color != 0) line += Format(", %d", f.Color);
    lines.push_back(std::move(line));
  }
  if (shape.BitmapFace >= 0)
    lines.push_back(Format("BM=%d, ", shape.BitmapFace + 1) + shape.BitmapName);
  for (int o = 0; o < 8; ++o) {
    std::string line = Format("Q%d=%d ", o + 1, shape.DrawOrder[o].Count());
    for (const std::int32_t face : shape.DrawOrder[o]) line += Format(",%d", face + 1);
    lines.push_back(std::move(line));
  }
  lines.push_back(StudsLine("TS", shape.TopFace, shape.TopStuds, shape.TopStudCount,
                            shape.FirstCornerZ(shape.TopFace)));
  lines.push_back(StudsLine("BS", shape.BottomFace, shape.BottomTubes, shape.BottomTubeCount,
                            shape.FirstCornerZ(shape.BottomFace)));
  const std::int32_t* s = shape.TurnShift;
  if (std::any_of(s, s + 8, [](std::int32_t v) { return v != 0; }))
    lines.push_back(
        Format("RO=%d,%d, %d,%d, %d,%d, %d,%d", s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]));
}

std::vector<std::string> SectionNames(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines)
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
      names.push_back(line.substr(1, line.size() - 2));
  return names;
}

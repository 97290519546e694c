#include "ldraw/LDrawLine.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/Error.h"
#include "platform/TextCase.h"
#include "platform/TextFile.h"

std::string LDrawProblem::Text() const {
  if (line > 0) return Format("%s:%d: %s", file.c_str(), line, message.c_str());
  return Format("%s: %s", file.c_str(), message.c_str());
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

struct Token {
  std::size_t begin, end;
};

// The blank-separated tokens of the line, at most `limit`.
std::vector<Token> Tokens(const std::string& line, std::size_t limit) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (tokens.size() < limit) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    const std::size_t begin = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    tokens.push_back({begin, i});
  }
  return tokens;
}

std::string Trimmed(const std::string& text, std::size_t from) {
  std::size_t b = from, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && (IsBlank(text[e - 1]) || text[e - 1] == '\r')) --e;
  return text.substr(b, e - b);
}

bool ReadNumber(const std::string& line, Token t, double& value, std::string& error) {
  const char* first = line.data() + t.begin;
  const char* last = line.data() + t.end;
  if (first < last && *first == '+') ++first;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last || !std::isfinite(value)) {
    error = Format("'%s' is not a number", line.substr(t.begin, t.end - t.begin).c_str());
    return false;
  }
  // No part or model comes near a million LDU; refusing more keeps every
  // product of placements finite, however deep.
  if (std::fabs(value) > kLDrawLargestNumber) {
    error = Format("'%s' is out of range", line.substr(t.begin, t.end - t.begin).c_str());
    return false;
  }
  return true;
}

// Colour codes are whole numbers, decimal or hexadecimal ("0x2FF0000" or
// "#2FF0000" for a direct colour).
bool ReadColour(const std::string& line, Token t, int& value, std::string& error) {
  const char* first = line.data() + t.begin;
  const char* last = line.data() + t.end;
  int base = 10;
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    first += 2;
    base = 16;
  } else if (last - first > 1 && first[0] == '#') {
    first += 1;
    base = 16;
  }
  std::int32_t v = 0;
  const auto [end, ec] = std::from_chars(first, last, v, base);
  if (ec != std::errc() || end != last || v < 0) {
    error = Format("'%s' is not a colour code", line.substr(t.begin, t.end - t.begin).c_str());
    return false;
  }
  value = v;
  return true;
}

}  // namespace

bool ParseLDrawLine(const std::string& line, LDrawLine& out, std::string& error) {
  out = LDrawLine{};
  const std::vector<Token> first = Tokens(line, 1);
  if (first.empty()) return true;  // a blank line
  const std::string type = line.substr(first[0].begin, first[0].end - first[0].begin);
  if (type == "0") {
    out.type = 0;
    out.text = Trimmed(line, first[0].end);
    return true;
  }
  static const std::size_t kFields[] = {0, 14, 8, 11, 14, 14};  // type, colour and numbers
  if (type.size() != 1 || type[0] < '1' || type[0] > '5') {
    error = Format("unknown line type '%s'", type.c_str());
    return false;
  }
  out.type = type[0] - '0';
  const std::size_t needed = kFields[out.type];
  const std::vector<Token> tokens = Tokens(line, needed);
  if (tokens.size() < needed) {
    error = Format("type %d line needs %zu fields", out.type, needed + (out.type == 1 ? 1 : 0));
    return false;
  }
  if (!ReadColour(line, tokens[1], out.colour, error)) return false;
  if (out.type == 1) {
    double v[12];
    for (int i = 0; i < 12; ++i)
      if (!ReadNumber(line, tokens[2 + i], v[i], error)) return false;
    out.placement.x = v[0];
    out.placement.y = v[1];
    out.placement.z = v[2];
    for (int i = 0; i < 9; ++i) out.placement.m[i] = v[3 + i];
    out.file = Trimmed(line, tokens[13].end);
    if (out.file.empty()) {
      error = "type 1 line needs 15 fields";
      return false;
    }
    return true;
  }
  const int points = static_cast<int>(needed - 2) / 3;
  for (int p = 0; p < points; ++p) {
    double* xyz[3] = {&out.points[p].x, &out.points[p].y, &out.points[p].z};
    for (int i = 0; i < 3; ++i)
      if (!ReadNumber(line, tokens[2 + 3 * p + i], *xyz[i], error)) return false;
  }
  return true;
}

std::string LDrawMetaWord(const LDrawLine& line) {
  if (line.type != 0 || line.text.empty()) return std::string();
  std::size_t end = 0;
  while (end < line.text.size() && !IsBlank(line.text[end])) ++end;
  std::string word = line.text.substr(0, end);
  for (char& c : word)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return word;
}

namespace {

// "0 !LDRAW_ORG Part UPDATE 2004-03", "0 !LDRAW_ORG Unofficial_Primitive", and
// the old "0 LDRAW_ORG ..." and "0 Unofficial Part" headers.
bool MarksPart(const LDrawLine& line) {
  const std::string word = LDrawMetaWord(line);
  if (word != "!LDRAW_ORG" && word != "LDRAW_ORG" && word != "UNOFFICIAL") return false;
  const std::string rest = LowerCase(line.text);
  for (const char* kind : {"part", "primitive", "subpart", "shortcut", "alias"})
    if (rest.find(kind) != std::string::npos) return true;
  return false;
}

// `source` names the file whose line numbers these are (the whole .mpd for
// its entries).
void AddLine(LDrawFile& file, const std::string& source, const std::string& text, int number) {
  LDrawLine line;
  std::string error;
  if (!ParseLDrawLine(text, line, error)) {
    file.problems.push_back({source, number, error});
    return;
  }
  line.number = number;
  if (line.type == 0) {
    if (line.text.empty()) return;
    if (MarksPart(line)) file.markedAsPart = true;
  }
  file.lines.push_back(std::move(line));
}

}  // namespace

LDrawFile ParseLDrawFile(const std::string& name, const std::string& text) {
  LDrawFile file;
  file.name = name;
  const std::vector<std::string> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i)
    AddLine(file, name, lines[i], static_cast<int>(i + 1));
  return file;
}

std::vector<LDrawFile> ParseLDrawMultiFile(const std::string& name, const std::string& text) {
  std::vector<LDrawFile> files(1);
  files[0].name = name;
  bool inEntry = true;  // the text before the first "0 FILE" belongs to the first entry
  const std::vector<std::string> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    LDrawLine line;
    std::string error;
    if (ParseLDrawLine(lines[i], line, error) && line.type == 0) {
      const std::string word = LDrawMetaWord(line);
      if (word == "FILE") {
        LDrawFile entry;
        entry.name = Trimmed(line.text, 4);
        files.push_back(std::move(entry));
        inEntry = true;
        continue;
      }
      if (word == "NOFILE" || word == "!DATA") {
        inEntry = false;
        continue;
      }
    }
    if (inEntry) AddLine(files.back(), name, lines[i], number);
  }
  // The preamble is a model of its own only when it draws something.
  bool preambleDraws = false;
  for (const LDrawLine& line : files[0].lines) preambleDraws |= line.type != 0;
  if (files.size() > 1 && !preambleDraws) {
    files[1].problems.insert(files[1].problems.begin(), files[0].problems.begin(),
                             files[0].problems.end());
    files.erase(files.begin());
  }
  return files;
}

std::string LDrawNameKey(const std::string& name) {
  return LowerCase(NativePath(Trimmed(name, 0)));
}

#include "platform/IniFile.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "platform/TextFile.h"

std::string TrimIniValue(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

namespace {

std::string Trim(const std::string& s) {
  return TrimIniValue(s);
}

// "[name]" gives name; any other line gives false.
bool SectionHeader(const std::string& line, std::string& name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const std::size_t close = t.find(']');
  if (close == std::string::npos) return false;
  name = Trim(t.substr(1, close - 1));
  return true;
}

}  // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
  if (FileExists(fileName_)) Parse(ReadTextLines(fileName_));
}

TIniFile TIniFile::FromLines(const std::vector<std::string>& lines) {
  TIniFile ini;
  ini.Parse(lines);
  return ini;
}

void TIniFile::Parse(const std::vector<std::string>& lines) {
  sections_.clear();
  sections_.push_back(Section{});
  for (const std::string& text : lines) {
    std::string name;
    if (SectionHeader(text, name)) {
      sections_.push_back(Section{name, {}});
      continue;
    }
    Line line{text, {}, {}};
    const std::size_t eq = text.find('=');
    const std::string trimmed = Trim(text);
    if (eq != std::string::npos && !trimmed.empty() && trimmed[0] != ';') {
      line.key = Trim(text.substr(0, eq));
      line.value = Trim(text.substr(eq + 1));
    }
    sections_.back().lines.push_back(std::move(line));
  }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
  for (const Section& s : sections_)
    if (!s.name.empty() && SameText(s.name, name)) return &s;
  return nullptr;
}

TIniFile::Section* TIniFile::FindSection(const std::string& name) {
  return const_cast<Section*>(static_cast<const TIniFile*>(this)->FindSection(name));
}

const TIniFile::Line* TIniFile::FindKey(const Section& section, const std::string& key) {
  for (const Line& l : section.lines)
    if (!l.key.empty() && SameText(l.key, key)) return &l;
  return nullptr;
}

bool TIniFile::SectionExists(const std::string& section) const {
  return FindSection(section) != nullptr;
}

bool TIniFile::KeyExists(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  return s && FindKey(*s, key);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  const Section* s = FindSection(section);
  const Line* l = s ? FindKey(*s, key) : nullptr;
  return l ? l->value : defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
  const std::string text = ReadString(section, key, std::string());
  if (text.empty()) return defaultValue;
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return defaultValue;
  return static_cast<int>(v);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  if (sections_.empty()) sections_.push_back(Section{});
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back(Section{section, {}});
    s = &sections_.back();
  }
  Line line{key + "=" + value, key, value};
  for (Line& l : s->lines)
    if (!l.key.empty() && SameText(l.key, key)) {
      l = std::move(line);
      return;
    }
  // A new key goes after the last key of the section, before trailing blank lines.
  auto at = s->lines.end();
  while (at != s->lines.begin() && Trim((at - 1)->text).empty()) --at;
  s->lines.insert(at, std::move(line));
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::EraseSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end();)
    it = (!it->name.empty() && SameText(it->name, section)) ? sections_.erase(it) : it + 1;
}

std::vector<std::string> TIniFile::Lines() const {
  std::vector<std::string> out;
  for (const Section& s : sections_) {
    if (!s.name.empty()) out.push_back("[" + s.name + "]");
    for (const Line& l : s.lines) out.push_back(l.text);
  }
  return out;
}

void TIniFile::UpdateFile() const {
  WriteTextLines(fileName_, Lines());
}

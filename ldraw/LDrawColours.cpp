#include "ldraw/LDrawColours.h"

#include <charconv>
#include <sstream>

namespace {

struct BuiltIn {
  int code;
  const char* name;
  std::uint32_t rgb;
};

// The common colours, so that a library without LDConfig.ldr (or no library)
// still gives every code the program writes a colour. Edges are dark grey,
// black's is grey; codes 32 and up are transparent.
const BuiltIn kBuiltIn[] = {
    {0, "Black", 0x212121},
    {1, "Blue", 0x0055BF},
    {2, "Green", 0x257A3E},
    {3, "Dark_Turquoise", 0x00838F},
    {4, "Red", 0xC91A09},
    {5, "Dark_Pink", 0xC870A0},
    {6, "Brown", 0x583927},
    {7, "Light_Grey", 0x9BA19D},
    {8, "Dark_Grey", 0x6D6E5C},
    {9, "Light_Blue", 0xB4D2E3},
    {10, "Bright_Green", 0x4B9F4A},
    {11, "Light_Turquoise", 0x55A5AF},
    {12, "Salmon", 0xF2705E},
    {13, "Pink", 0xFC97AC},
    {14, "Yellow", 0xF2CD37},
    {15, "White", 0xFFFFFF},
    {256, "Rubber_Black", 0x212121},
    {334, "Chrome_Gold", 0xBBA53D},
    {382, "Tan", 0xE4CD9E},
    {383, "Chrome_Silver", 0xE0E0E0},
    {495, "Light_Yellow", 0xFBE696},
    {33, "Trans_Dark_Blue", 0x0020A0},
    {34, "Trans_Green", 0x84B68D},
    {36, "Trans_Red", 0xC91A09},
    {37, "Trans_Dark_Pink", 0xDF6695},
    {41, "Trans_Medium_Blue", 0x559AB7},
    {42, "Trans_Neon_Green", 0xC0FF00},
    {43, "Trans_Light_Blue", 0xAEE9EF},
    {46, "Trans_Yellow", 0xF5CD2F},
    {47, "Trans_Clear", 0xFCFCFC},
};

bool ParseHex(const std::string& text, std::uint32_t& value) {
  if (text.size() != 7 || text[0] != '#') return false;
  const auto [end, ec] = std::from_chars(text.data() + 1, text.data() + text.size(), value, 16);
  return ec == std::errc() && end == text.data() + text.size();
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

}  // namespace

LDrawColourTable::LDrawColourTable() {
  for (const BuiltIn& b : kBuiltIn) {
    LDrawColour c;
    c.code = b.code;
    c.name = b.name;
    c.rgb = b.rgb;
    c.edgeRgb = b.code == 0 || b.code == 256 ? 0x595959 : 0x333333;
    c.alpha = b.code >= 32 && b.code < 48 ? 128 : 255;
    colours_[b.code] = c;
  }
}

int LDrawColourTable::ReadConfig(const LDrawFile& config) {
  int read = 0;
  for (const LDrawLine& line : config.lines) {
    if (LDrawMetaWord(line) != "!COLOUR") continue;
    std::istringstream words(line.text);
    std::string word;
    words >> word;  // !COLOUR
    LDrawColour c;
    words >> c.name;
    bool haveCode = false, haveValue = false;
    std::string edge;
    while (words >> word) {
      const std::string key = Upper(word);
      std::string value;
      if (key == "CODE" && words >> value) {
        int code = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), code);
        haveCode = ec == std::errc() && end == value.data() + value.size() && code >= 0;
        c.code = code;
      } else if (key == "VALUE" && words >> value) {
        haveValue = ParseHex(value, c.rgb);
      } else if (key == "EDGE" && words >> value) {
        edge = value;
      } else if (key == "ALPHA" && words >> value) {
        int alpha = 255;
        std::from_chars(value.data(), value.data() + value.size(), alpha);
        c.alpha = alpha < 0 ? 0 : alpha > 255 ? 255 : alpha;
      }
    }
    if (!haveCode || !haveValue) continue;
    // The edge is a value or the code of a colour read before.
    if (!ParseHex(edge, c.edgeRgb)) {
      LDrawColour other;
      int code = -1;
      std::from_chars(edge.data(), edge.data() + edge.size(), code);
      c.edgeRgb = Find(code, other) ? other.rgb : 0x333333;
    }
    colours_[c.code] = c;
    ++read;
  }
  return read;
}

bool LDrawColourTable::Find(int code, LDrawColour& out) const {
  const auto it = colours_.find(code);
  if (it != colours_.end()) {
    out = it->second;
    return true;
  }
  if (!IsDirectColour(code)) return false;
  out = LDrawColour{};
  out.code = code;
  out.rgb = static_cast<std::uint32_t>(code) & 0xFFFFFF;
  out.edgeRgb = 0x333333;
  out.alpha = (code >> 24) == 3 ? 128 : 255;
  return true;
}

int LDrawColourTable::EdgeCodeOf(int code) const {
  LDrawColour c;
  if (!Find(code, c)) return 0;
  return static_cast<int>(0x2000000u | c.edgeRgb);
}

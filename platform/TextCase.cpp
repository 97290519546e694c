#include "platform/TextCase.h"

#include <algorithm>
#include <cctype>

namespace {

unsigned char Lower(unsigned char c) {
  return static_cast<unsigned char>(std::tolower(c));
}

}  // namespace

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](unsigned char x, unsigned char y) { return Lower(x) == Lower(y); });
}

bool TextLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(
      a.begin(), a.end(), b.begin(), b.end(),
      [](unsigned char x, unsigned char y) { return Lower(x) < Lower(y); });
}

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
  return text;
}

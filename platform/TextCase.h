#pragma once
#include <string>

// Names in files (sections, keys, part and file names) are compared without
// regard to the case of ASCII letters.
bool SameText(const std::string& a, const std::string& b);
bool TextLess(const std::string& a, const std::string& b);
std::string LowerCase(std::string text);

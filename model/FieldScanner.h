#pragma once
#include <cstdint>
#include <string>

// Reads the blank-separated fields of one text line (model files, the LDraw
// mapping list). A number token must start with '-' or a digit; anything else
// reads 0 and leaves the position where it is, so every later number of the
// line reads 0 too. A token that starts like a number but is not a valid
// integer raises ConversionError "'%s' is not a valid integer value".
class FieldScanner {
 public:
  explicit FieldScanner(std::string line, std::size_t start = 0)
      : line_(std::move(line)), pos_(start) {}

  std::int32_t Number();
  std::string Word(const std::string& fallback = std::string());
  bool AtEnd() const { return pos_ >= line_.size(); }

 private:
  std::string line_;
  std::size_t pos_;
};

// A whole text as one decimal integer (leading blanks and a sign allowed,
// nothing after the digits); raises ConversionError otherwise.
std::int32_t StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, std::int32_t& value);
std::string Trim(const std::string& text);

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

// A name written as one blank-separated field: a blank inside it would split
// the field in two and shift every field after it, so it is written as '_'.
std::string AsWord(const std::string& name);

// Builds a line of blank-separated fields. Names go in byte for byte (a NUL
// or a control character inside one stays), unlike through printf's %s.
class FieldWriter {
 public:
  explicit FieldWriter(std::string start) : line_(std::move(start)) {}
  FieldWriter& Number(long long value);
  FieldWriter& Word(const std::string& name);
  // Appends text as it stands, without a blank before it.
  FieldWriter& Text(const std::string& text);
  const std::string& Line() const { return line_; }

 private:
  std::string line_;
};

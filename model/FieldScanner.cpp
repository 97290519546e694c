#include "model/FieldScanner.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include "platform/Error.h"

bool TryStrToInt(const std::string& text, std::int32_t& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  std::size_t digits = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
  if (i == digits || i != text.size()) return false;
  errno = 0;
  long long v = std::strtoll(text.c_str() + start, nullptr, 10);
  if (errno == ERANGE || v < std::numeric_limits<std::int32_t>::min() ||
      v > std::numeric_limits<std::int32_t>::max())
    return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

std::int32_t StrToInt(const std::string& text) {
  std::int32_t value = 0;
  if (!TryStrToInt(text, value))
    throw ConversionError(Format("'%s' is not a valid integer value", text.c_str()));
  return value;
}

std::string Trim(const std::string& text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return text.substr(b, e - b);
}

std::string AsWord(const std::string& name) {
  std::string word = name;
  for (char& c : word)
    if (c == ' ') c = '_';
  return word;
}

FieldWriter& FieldWriter::Number(long long value) {
  line_ += ' ';
  line_ += std::to_string(value);
  return *this;
}

FieldWriter& FieldWriter::Word(const std::string& name) {
  line_ += ' ';
  line_ += AsWord(name);
  return *this;
}

FieldWriter& FieldWriter::Text(const std::string& text) {
  line_ += text;
  return *this;
}

std::int32_t FieldScanner::Number() {
  if (pos_ >= line_.size()) return 0;
  char c = line_[pos_];
  if (c != '-' && !std::isdigit(static_cast<unsigned char>(c))) return 0;
  std::size_t end = line_.find(' ', pos_);
  if (end == std::string::npos) end = line_.size();
  std::string token = line_.substr(pos_, end - pos_);
  pos_ = end + 1;
  return StrToInt(token);
}

std::string FieldScanner::Word(const std::string& fallback) {
  if (pos_ >= line_.size()) return fallback;
  std::size_t end = line_.find(' ', pos_);
  if (end == std::string::npos) end = line_.size();
  std::string token = line_.substr(pos_, end - pos_);
  pos_ = end + 1;
  return token;
}

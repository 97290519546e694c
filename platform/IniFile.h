#pragma once
#include <string>
#include <vector>

#include "platform/TextCase.h"

// A settings file of sections in brackets and key=value lines. Names of
// sections and keys are compared without regard to case; lines we do not
// understand and keys we never touch are kept as they were, and values are
// written exactly as key=value.
// A value as the reader keeps it: without the white space around it.
std::string TrimIniValue(const std::string& text);

class TIniFile {
 public:
  TIniFile() = default;
  // Reads the file when it exists; a missing file is an empty one.
  explicit TIniFile(std::string fileName);
  static TIniFile FromLines(const std::vector<std::string>& lines);

  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

  bool SectionExists(const std::string& section) const;
  bool KeyExists(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // A value that is not a decimal integer reads as the default.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void EraseSection(const std::string& section);

  // The whole file as text lines, in the order they will be written.
  std::vector<std::string> Lines() const;
  // Writes the lines to FileName through a temporary file; raises FileError.
  void UpdateFile() const;

 private:
  struct Line {
    std::string text;  // the line as read or written
    std::string key;   // empty for lines that hold no key
    std::string value;
  };
  struct Section {
    std::string name;  // empty for the lines before the first section
    std::vector<Line> lines;
  };
  void Parse(const std::vector<std::string>& lines);
  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);
  static const Line* FindKey(const Section& section, const std::string& key);

  std::string fileName_;
  std::vector<Section> sections_;
};

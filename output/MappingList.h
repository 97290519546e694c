#pragma once
#include <string>
#include <vector>

#include "output/LDrawRecord.h"

class TBlock;

// What FindMapping tells the exporter about one piece.
struct TMapping {
  bool Found = false;
  int OffsetAlong = 0, OffsetUp = 0, OffsetAcross = 0;
  int Rotation = 0;
};

// The mapping list bo2ld.lst in memory (data lines only) together with the
// file it came from, so that new records can be appended to it.
class TMappingList {
 public:
  // Reads the list; raises FileError with the system's message when the
  // file cannot be opened. Lines whose numbers cannot be read are skipped and
  // reported through LineProblems().
  static TMappingList Load(const std::string& fileName);
  // A list that lives in memory only (appending writes nothing).
  static TMappingList FromLines(const std::vector<std::string>& lines);
  static TMappingList FromRecords(std::vector<TLDrawRecord> records);

  const std::vector<TLDrawRecord>& Records() const { return records_; }
  const std::vector<std::string>& LineProblems() const { return problems_; }

  // Adds the record to the list and, for a list read from a file, as a new
  // line at the end of that file; the file's other bytes stay as they were.
  // Raises FileError when the line cannot be written; the record is kept in
  // memory all the same.
  void Append(const TLDrawRecord& record);

  // Stores the record in place of the one at the index and, for a list read
  // from a file, writes the whole file again through a temporary file and a
  // rename; every other line, comments included, stays as it was. Raises
  // FileError with the system's message when the file cannot be read or
  // written, or no longer holds that record; the list and the file then keep
  // the old record.
  void Replace(std::size_t index, const TLDrawRecord& record);

  // Finds the record of a piece (making a new one for a part name that the
  // list does not know yet) and gives the piece the record's LDraw name as
  // its PartName. A record line that cannot be appended to the file is added
  // to `problems`; the piece still counts as mapped.
  TMapping FindMapping(TBlock& piece, std::vector<std::string>& problems);

 private:
  std::string fileName_;
  std::vector<TLDrawRecord> records_;
  std::vector<std::string> problems_;
};

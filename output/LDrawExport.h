#pragma once
#include <string>
#include <vector>

class TBlock;
class TBlockList;
class TMappingList;

// The rotation matrices of a type-1 line as the exporter writes them: index =
// the final quarter-turn direction 0..3, plus 4 for the diagonal matrices.
extern const char* const kLDrawMatrices[8];

struct LDrawExportResult {
  std::vector<std::string> lines;     // the LDraw file, one type-1 line each
  std::vector<std::string> problems;  // record lines that could not be appended, list lines skipped
  int piecesLeftOut = 0;              // pieces without a mapping
};

// Converts one piece into its LDraw lines (none when it has no mapping, a
// second one for the tyre of a wheel rim). The piece's PartName becomes its
// record's LDraw name and a blank type letter becomes 'B'.
void ConvertPiece(TBlock& piece, TMappingList& mapping, LDrawExportResult& out);

// Converts every piece of the list, in list order.
LDrawExportResult ExportLDraw(TBlockList& list, TMappingList& mapping);

// The mapping list in a folder ("bo2ld.lst" in it): the program's folder, or
// the user's data folder of an installed program.
std::string MappingListPath(const std::string& listFolder);

// Reads the folder's mapping list afresh, converts the list and
// writes the LDraw file through a temporary file, so that the target is
// replaced only when the export succeeded. Raises FileError when the
// mapping list cannot be read or the file cannot be written; the target is
// then left as it was. This is what saving a model under a .DAT name does
// (it leaves the unsaved-changes flag alone).
LDrawExportResult SaveLDrawFile(const std::string& fileName, TBlockList& list,
                                const std::string& listFolder);

// A file name that is saved in the LDraw form: one ending in ".dat", any case.
bool IsLDrawFileName(const std::string& fileName);

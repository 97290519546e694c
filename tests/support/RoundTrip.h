#pragma once
// Round trips of the program's text files: what is read, written and read
// again must be what was read the first time. Shared by the unit tests and
// the fuzz targets. Each check returns "" or a note of the first difference.
#include <string>
#include <vector>

class TBlock;
class TDrawClass;
class TShapeCache;

std::string PieceDifference(const TBlock& a, const TBlock& b);
// Every field that is stored or copied.
std::string ShapeDifference(const TDrawClass& a, const TDrawClass& b);

// Model file: read as a complete model and as a subassembly, saved, read again.
std::string ModelRoundTrip(const std::vector<std::string>& lines, TShapeCache& shapes);
// Part file: each of the first sections read is written back into the file;
// then it and every other section read as before.
std::string PartFileRoundTrip(const std::vector<std::string>& lines);
// Settings file: read (an old form turned into the current one as at start-up),
// written as at the program's end, read again.
std::string SettingsRoundTrip(const std::vector<std::string>& lines);
// Mapping list: every record read, and every record the export makes for a
// piece, written as a line that reads back as the record.
std::string MappingListRoundTrip(const std::vector<std::string>& lines);
// The converter's test.pov, edited for a view and background taken from its
// first bytes: a camera the edited scene holds has the angle, and editing the
// edited scene again changes nothing.
std::string PovSceneEditCheck(const std::string& bytes);
// An LDraw model, loaded through the shipped mapping list and the test parts
// library of `sourceDir`, then saved as a model file: it loads back to the
// pieces the LDraw model gave.
std::string LDrawImportRoundTrip(const std::string& bytes, const std::string& sourceDir);

// Damaged copies of lines for the round-trip tests: cut, doubled, with
// separators, NULs, control bytes, signs, digits and long runs put in.
std::vector<std::vector<std::string>> HostileVariants(const std::vector<std::string>& lines,
                                                      int count, unsigned seed);

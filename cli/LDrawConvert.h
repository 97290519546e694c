#pragma once
#include <string>

class TBlockList;

// Writes the pieces as an LDraw file through the mapping list in listFolder,
// appending records for part names it does not know yet, as the
// desktop program does. Problems go to stderr; returns the exit code (0, or
// 1 when the mapping list or the output file fails).
int ConvertToLDraw(TBlockList& pieces, const std::string& outFile, const std::string& listFolder);

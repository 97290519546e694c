#pragma once
#include <string>
#include <vector>

#include "workspace/WorkspaceState.h"

class TIniFile;

// The settings file Brikolo.ini: the palette pages, the paths of the outside
// tools and the display preferences. Read once at start-up, written once at
// the end.

// Reads everything into the state and returns the form the pages were in
// (1 old, 2 current). The old form is read from the file's lines.
int ReadSettings(const TIniFile& ini, WorkspaceState& state);

// The paths of the outside tools, this platform's defaults for keys the file
// does not hold.
ToolPaths ReadToolPaths(const TIniFile& ini);

// One page in the current form: section with Title, Height, Scale, Count, Brick0...
void ReadPage(const TIniFile& ini, const std::string& section, PalettePage& page);
// One page in the old form: the "[Page%d]" line, a line "height scale", then
// one entry per line up to an empty line, a line starting with '[' or the end.
void ReadOldPage(const std::vector<std::string>& lines, const std::string& section,
                 PalettePage& page);

// Writes every key we own; keys we do not write stay as they are.
void WriteSettings(TIniFile& ini, const WorkspaceState& state);

// Erases the sections of the old form and writes the settings in the current form.
void TurnIntoCurrentForm(TIniFile& ini, const WorkspaceState& state);

// Start-up: reads the file (a missing file gives the defaults) and turns a
// file in the old form into the current form at once.
void LoadSettingsFile(const std::string& fileName, WorkspaceState& state);
// The end: writes the settings into the file, keeping what else it holds.
void SaveSettingsFile(const std::string& fileName, const WorkspaceState& state);

// The LDraw viewer's full name: inside the library folder, or (for a bare
// program name) on the PATH; empty when it cannot be found.
std::string FindLDrawViewer(const ToolPaths& tools);

// The page scale as the file holds it, " 0.50" for 0.5.
std::string FormatPageScale(float scale);

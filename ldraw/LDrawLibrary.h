#pragma once
// The LDraw reader: finds files in an LDraw parts library, reads them, and
// resolves a part into its faces; reads models (ldraw/LDrawModel.h). Nothing
// here needs a window.
//
// A typical use (the POV-Ray converter):
//
//   LDrawLibrary library(ldrawFolder);           // "" or a missing folder: no library
//   LDrawModel model = ReadLDrawModel(file, library);
//   for (const LDrawPlacedPart& p : model.parts) {
//     const LDrawGeometry& g = library.Geometry(p.name);   // read once, then cached
//     if (!g.found) { ...fall back to the mapping list's piece... }
//     // g.faces are in the part's own coordinates; place them with p.placement
//     // and draw colour 16 in p.colour (24 in its edge colour).
//   }
//   for (const LDrawProblem& problem : library.Problems()) ...report problem.Text()...
//
// Everything is in LDraw units with -y up (ldraw/LDrawTypes.h).
#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "ldraw/LDrawColours.h"
#include "ldraw/LDrawLine.h"
#include "ldraw/LDrawTypes.h"

// A triangle (count 3) or quad (count 4) of a resolved part.
struct LDrawFace {
  // 16: the colour of the line that places the part; 24: that colour's edge
  // colour; otherwise a colour code or a direct colour (LDrawColourTable).
  int colour = kLDrawMainColour;
  int count = 3;
  // Part of a stud on top: a sub-file whose name starts with "stud" or "stug"
  // and whose title does not call it a tube or an underside.
  bool stud = false;
  LDrawVector v[4];
};

// A line of type 2, or an optional line of type 5 with its two control points.
struct LDrawEdgeLine {
  int colour = kLDrawEdgeColour;
  bool optional = false;
  LDrawVector v[4];
};

// A part (or any sub-file) resolved down to faces: every sub-file placed with
// its matrices multiplied down, 16 and 24 inside a sub-file placed in another
// colour replaced by that colour and its edge colour.
struct LDrawGeometry {
  bool found = false;  // the file itself was found; missing sub-files are only listed
  std::vector<LDrawFace> faces;
  std::vector<LDrawEdgeLine> edges;  // only for a library made with edges
  LDrawBox bounds;                   // of all faces
  LDrawBox bodyBounds;               // of the faces that are not studs
  // The origin of every stud on top (the centre of its foot).
  std::vector<LDrawVector> studs;
  std::vector<std::string> missing;    // sub-files that could not be found, each once
  std::vector<LDrawProblem> problems;  // damaged lines of this file and its sub-files,
                                       // circular references, too deep or too large
};

// Guards against absurd files.
struct LDrawLimits {
  int maxDepth = 32;  // sub-files nested deeper are left out
  std::size_t maxElements =
      4000000;  // faces + edge lines of one resolved file / placed parts of a model
};

// Where a file was found.
enum class LDrawSource { Memory, Folder, Library };

struct LDrawFoundFile {
  const LDrawFile* file = nullptr;  // nullptr: found nowhere
  LDrawSource source = LDrawSource::Library;
};

class LDrawLibrary {
 public:
  // `root` is the library's folder (the one holding parts/ and p/); an empty
  // or missing folder gives a library that finds only files added below.
  // Edge lines (types 2 and 5) are kept only when asked for.
  explicit LDrawLibrary(const std::string& root = std::string(), bool withEdges = false);

  LDrawLimits limits;

  // True when the root folder holds a parts/ folder.
  bool HasParts();

  // A folder searched before the library (the model's own folder); files are
  // found in it and below it as in the library's folders.
  void AddFolder(const std::string& folder);
  // A file held in memory (an entry of a .mpd), found before any folder.
  void AddFile(LDrawFile file);

  // Finds a file by the name a type-1 line gives it: '\' or '/' between
  // folders, any case. Searched in the added files, the added folders, then
  // the library's parts/, p/, parts/s/ and p/48/. Each file is read once.
  LDrawFoundFile Find(const std::string& name);

  // The library's colours: built in, updated from LDConfig.ldr in the root
  // folder when it is there.
  const LDrawColourTable& Colours();

  // The file resolved into faces, computed once per name and then cached.
  // A name found nowhere gives a geometry with found == false.
  const LDrawGeometry& Geometry(const std::string& name);

  // Every problem met so far, each once: damaged lines with file and line
  // number, files that could not be read, circular references.
  std::vector<LDrawProblem> Problems() const;

 private:
  // The entries of one folder by their lower-case names.
  using FolderListing = std::unordered_map<std::string, std::string>;
  const FolderListing& Listing(const std::string& folder);
  std::string Locate(const std::string& folder, const std::string& relative);
  const LDrawGeometry& Resolve(const std::string& name, int depth, std::vector<std::string>& stack);
  void Note(const LDrawProblem& problem);

  std::string root_;
  bool withEdges_;
  bool coloursRead_ = false;
  LDrawColourTable colours_;
  std::vector<std::string> folders_;         // added folders, then the library's
  std::vector<std::string> libraryFolders_;  // resolved lazily
  bool libraryFoldersFound_ = false;
  std::map<std::string, FolderListing> listings_;
  std::unordered_map<std::string, std::unique_ptr<LDrawFile>> files_;  // nullptr: not found
  std::unordered_map<std::string, LDrawSource> sources_;
  std::unordered_map<std::string, std::unique_ptr<LDrawGeometry>> geometry_;
  std::vector<LDrawProblem> problems_;
  std::set<std::string> problemSeen_;
};

#include "ldraw/LDrawModel.h"

#include <algorithm>

#include "platform/Error.h"
#include "platform/TextFile.h"

namespace {

bool DrawsOwnGeometry(const LDrawFile& file) {
  return std::any_of(file.lines.begin(), file.lines.end(),
                     [](const LDrawLine& line) { return line.type >= 2; });
}

bool IsStep(const LDrawLine& line) {
  const std::string word = LDrawMetaWord(line);
  return word == "STEP" || word == "ROTSTEP";
}

class ModelFlattener {
 public:
  ModelFlattener(LDrawLibrary& library, LDrawModel& model, std::string modelName)
      : library_(library), model_(model), modelName_(std::move(modelName)) {}

  // `key` is the name the file is placed by; `where` names it in problems.
  void Expand(const LDrawFile& file, const std::string& key, const std::string& where,
              const LDrawTransform& placement, int colour, int step, bool main) {
    stack_.push_back(key);
    for (const LDrawLine& line : file.lines) {
      if (main && IsStep(line)) ++step;
      if (line.type != 1) continue;
      const LDrawTransform at = placement * line.placement;
      const int c = line.colour == kLDrawMainColour ? colour : line.colour;
      if (const LDrawFile* sub = SubModel(line.file)) {
        if (std::find(stack_.begin(), stack_.end(), LDrawNameKey(line.file)) != stack_.end()) {
          Problem(where, line.number, Format("circular reference to %s", line.file.c_str()));
        } else if (static_cast<int>(stack_.size()) > library_.limits.maxDepth) {
          Problem(where, line.number,
                  Format("%s is nested deeper than %d files", line.file.c_str(),
                         library_.limits.maxDepth));
        } else {
          Expand(*sub, LDrawNameKey(line.file), sub->path.empty() ? modelName_ : sub->path, at, c,
                 step, false);
        }
        continue;
      }
      if (model_.parts.size() >= library_.limits.maxElements) {
        if (!full_)
          Problem(where, line.number,
                  Format("more than %zu parts: the rest is left out", library_.limits.maxElements));
        full_ = true;
        continue;
      }
      LDrawPlacedPart part;
      part.name = line.file;
      part.colour = c;
      part.placement = at;
      part.step = step;
      part.file = where;
      part.line = line.number;
      model_.parts.push_back(std::move(part));
      model_.lastStep = step;
    }
    stack_.pop_back();
  }

 private:
  // The sub-model a type-1 line names, or nullptr for a part.
  const LDrawFile* SubModel(const std::string& name) {
    const LDrawFoundFile found = library_.Find(name);
    if (found.file == nullptr || found.source == LDrawSource::Library) return nullptr;
    if (found.file->markedAsPart || DrawsOwnGeometry(*found.file)) return nullptr;
    return found.file;
  }

  void Problem(const std::string& file, int line, const std::string& message) {
    model_.problems.push_back({file, line, message});
  }

  LDrawLibrary& library_;
  LDrawModel& model_;
  std::string modelName_;
  std::vector<std::string> stack_;
  bool full_ = false;
};

}  // namespace

LDrawModel ReadLDrawModelText(const std::string& name, const std::string& text,
                              const std::string& folder, LDrawLibrary& library) {
  LDrawModel model;
  if (!folder.empty()) library.AddFolder(folder);
  std::vector<LDrawFile> files = ParseLDrawMultiFile(name, text);
  for (const LDrawFile& file : files)
    model.problems.insert(model.problems.end(), file.problems.begin(), file.problems.end());
  // Entries after the first are what the main model may place; the main
  // model itself stays out of the library, so an entry may share its name.
  LDrawFile main = std::move(files.front());
  for (std::size_t i = 1; i < files.size(); ++i) {
    files[i].problems.clear();  // reported above, once
    library.AddFile(std::move(files[i]));
  }
  ModelFlattener(library, model, name)
      .Expand(main, LDrawNameKey(FileBaseName(name)), name, LDrawTransform{}, kLDrawMainColour, 0,
              true);
  return model;
}

LDrawModel ReadLDrawModel(const std::string& path, LDrawLibrary& library) {
  const std::string text = ReadFileBytes(path);
  std::string folder = FileFolder(path);
  if (folder.empty()) folder = ".";
  return ReadLDrawModelText(path, text, folder, library);
}

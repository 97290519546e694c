// Resolving a file into faces: the part of the reader that multiplies
// matrices down and passes colours on.
#include <algorithm>
#include <set>

#include "ldraw/LDrawLibrary.h"
#include "platform/Error.h"
#include "platform/TextCase.h"

namespace {

// Studs and stud groups on top are primitives named stud*.dat and stug*.dat;
// the tubes underneath share the names but fill the body and say "Tube" or
// "Underside" in their titles.
bool IsStudFile(const std::string& key, const LDrawFile& file) {
  const std::size_t slash = key.find_last_of('/');
  const std::string base = slash == std::string::npos ? key : key.substr(slash + 1);
  if (base.compare(0, 4, "stud") != 0 && base.compare(0, 4, "stug") != 0) return false;
  for (const LDrawLine& line : file.lines) {
    if (line.type != 0) continue;
    const std::string title = LowerCase(line.text);
    return title.find("tube") == std::string::npos && title.find("underside") == std::string::npos;
  }
  return true;
}

// The colour an element of a sub-file placed in `outer` takes.
int Inherit(int inner, int outer, const LDrawColourTable& colours) {
  if (inner == kLDrawMainColour) return outer;
  if (inner == kLDrawEdgeColour)
    return outer == kLDrawMainColour ? kLDrawEdgeColour : colours.EdgeCodeOf(outer);
  return inner;
}

void AddOnce(std::vector<std::string>& list, const std::string& name) {
  if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

}  // namespace

const LDrawGeometry& LDrawLibrary::Geometry(const std::string& name) {
  std::vector<std::string> stack;
  return Resolve(name, 0, stack);
}

const LDrawGeometry& LDrawLibrary::Resolve(const std::string& name, int depth,
                                           std::vector<std::string>& stack) {
  const std::string key = LDrawNameKey(name);
  if (auto cached = geometry_.find(key); cached != geometry_.end()) return *cached->second;

  auto geometry = std::make_unique<LDrawGeometry>();
  LDrawGeometry& g = *geometry;
  const LDrawFile* file = Find(name).file;
  const LDrawColourTable& colours = Colours();
  if (file != nullptr) {
    g.found = true;
    g.problems = file->problems;
    stack.push_back(key);
    bool full = false;
    std::set<std::string> merged;  // sub-files whose lists were taken over
    auto problem = [&](int line, const std::string& message) {
      LDrawProblem p{file->path.empty() ? file->name : file->path, line, message};
      g.problems.push_back(p);
      Note(p);
    };
    auto room = [&](std::size_t more) {
      if (g.faces.size() + g.edges.size() + more <= limits.maxElements) return true;
      if (!full)
        problem(0,
                Format("more than %zu faces and lines: the rest is left out", limits.maxElements));
      full = true;
      return false;
    };
    for (const LDrawLine& line : file->lines) {
      if (line.type == 0) continue;
      if (line.type == 3 || line.type == 4) {
        if (!room(1)) continue;
        LDrawFace face;
        face.colour = line.colour;
        face.count = line.type;
        for (int i = 0; i < face.count; ++i) {
          face.v[i] = line.points[i];
          g.bounds.Add(face.v[i]);
          g.bodyBounds.Add(face.v[i]);
        }
        g.faces.push_back(face);
        continue;
      }
      if (line.type == 2 || line.type == 5) {
        if (!withEdges_ || !room(1)) continue;
        LDrawEdgeLine edge;
        edge.colour = line.colour;
        edge.optional = line.type == 5;
        std::copy(line.points, line.points + 4, edge.v);
        g.edges.push_back(edge);
        continue;
      }
      // Type 1: a sub-file.
      const std::string subKey = LDrawNameKey(line.file);
      if (std::find(stack.begin(), stack.end(), subKey) != stack.end()) {
        problem(line.number, Format("circular reference to %s", line.file.c_str()));
        continue;
      }
      if (depth + 1 > limits.maxDepth) {
        problem(line.number,
                Format("%s is nested deeper than %d files", line.file.c_str(), limits.maxDepth));
        continue;
      }
      const LDrawGeometry& sub = Resolve(line.file, depth + 1, stack);
      if (!sub.found) {
        AddOnce(g.missing, line.file);
        continue;
      }
      if (merged.insert(subKey).second) {
        for (const std::string& m : sub.missing) AddOnce(g.missing, m);
        g.problems.insert(g.problems.end(), sub.problems.begin(), sub.problems.end());
      }
      const LDrawTransform& t = line.placement;
      const bool stud = IsStudFile(subKey, *Find(line.file).file);
      if (stud && sub.studs.empty()) g.studs.push_back({t.x, t.y, t.z});
      for (const LDrawVector& s : sub.studs) g.studs.push_back(t.Apply(s));
      if (room(sub.faces.size())) {
        for (const LDrawFace& f : sub.faces) {
          LDrawFace face;
          face.colour = Inherit(f.colour, line.colour, colours);
          face.count = f.count;
          face.stud = f.stud || stud;
          for (int i = 0; i < f.count; ++i) {
            face.v[i] = t.Apply(f.v[i]);
            g.bounds.Add(face.v[i]);
            if (!face.stud) g.bodyBounds.Add(face.v[i]);
          }
          g.faces.push_back(face);
        }
      }
      if (withEdges_ && room(sub.edges.size())) {
        for (const LDrawEdgeLine& e : sub.edges) {
          LDrawEdgeLine edge = e;
          edge.colour = Inherit(e.colour, line.colour, colours);
          for (LDrawVector& v : edge.v) v = t.Apply(v);
          g.edges.push_back(edge);
        }
      }
    }
    stack.pop_back();
  }
  return *geometry_.emplace(key, std::move(geometry)).first->second;
}

#include "output/LDrawTiling.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

#include "model/Block.h"
#include "model/Bounds.h"
#include "output/MappingList.h"

namespace {

// More cells than this in one layer are not tiled (a 1000-by-1000 stud box).
constexpr std::int64_t kMaxCells = 1000000;

// A footprint a layer can use, in studs along x and y.
struct Tile {
  int x, y;
};

// The footprints of the plain box records of one height and stud kind, both
// ways round, largest first.
std::vector<Tile> TilesOf(const TMappingList& mapping, int height, bool studs) {
  std::set<std::pair<int, int>> seen;
  std::vector<Tile> tiles;
  for (const TLDrawRecord& r : mapping.Records()) {
    if (r.TypeLetter != 'B' || r.Height != height || (r.Studs == 1) != studs || r.Marker != 0 ||
        r.Width < 1 || r.Length < 1 || !r.DefinitionFile.empty())
      continue;
    for (Tile t : {Tile{r.Length, r.Width}, Tile{r.Width, r.Length}})
      if (seen.insert({t.x, t.y}).second) tiles.push_back(t);
  }
  std::stable_sort(tiles.begin(), tiles.end(), [](const Tile& a, const Tile& b) {
    return std::int64_t{a.x} * a.y > std::int64_t{b.x} * b.y;
  });
  return tiles;
}

// Covers a length-by-width footprint (studs) with the tiles, row by row from
// the first free cell, each time with the largest tile that fits there.
// Returns the tiles' corners and footprints, or nothing when a cell is left
// that no tile fits.
bool CoverFootprint(int length, int width, const std::vector<Tile>& tiles,
                    std::vector<std::pair<Tile, Tile>>& placed) {
  std::vector<char> used(static_cast<std::size_t>(length) * width, 0);
  auto cell = [&](int x, int y) -> char& { return used[static_cast<std::size_t>(y) * length + x]; };
  auto fits = [&](int x0, int y0, const Tile& t) {
    if (x0 + t.x > length || y0 + t.y > width) return false;
    for (int y = y0; y < y0 + t.y; ++y)
      for (int x = x0; x < x0 + t.x; ++x)
        if (cell(x, y)) return false;
    return true;
  };
  for (int y0 = 0; y0 < width; ++y0)
    for (int x0 = 0; x0 < length; ++x0) {
      if (cell(x0, y0)) continue;
      const auto t = std::find_if(tiles.begin(), tiles.end(),
                                  [&](const Tile& tile) { return fits(x0, y0, tile); });
      if (t == tiles.end()) return false;
      for (int y = y0; y < y0 + t->y; ++y)
        for (int x = x0; x < x0 + t->x; ++x) cell(x, y) = 1;
      placed.push_back({Tile{x0, y0}, *t});
    }
  return true;
}

// The layers from the bottom, in plates: the height in bricks and plates,
// so that a piece without studs ends in a layer of one plate (tiles).
std::vector<int> Layers(int plates, bool studs) {
  std::vector<int> layers;
  int bricks = plates / 3, rest = plates % 3;
  if (!studs && rest == 0 && bricks > 0) --bricks, rest = 3;
  layers.assign(static_cast<std::size_t>(rest), 1);
  layers.insert(layers.end(), static_cast<std::size_t>(bricks), 3);
  // Bricks below, plates on top: the stack is built the way the pieces stand.
  std::reverse(layers.begin(), layers.end());
  return layers;
}

}  // namespace

std::vector<std::unique_ptr<TBlock>> TileBox(const TBlock& piece, const TMappingList& mapping) {
  std::vector<std::unique_ptr<TBlock>> out;
  if ((piece.BlockType != 'B' && piece.BlockType != ' ') || piece.SizeX <= 0 || piece.SizeY <= 0 ||
      piece.SizeZ <= 0 || piece.SizeX % 20 != 0 || piece.SizeY % 20 != 0 || piece.SizeZ % 8 != 0)
    return out;
  const int length = piece.SizeX / 20, width = piece.SizeY / 20, plates = piece.SizeZ / 8;
  if (std::int64_t{length} * width > kMaxCells || plates > 10000) return out;

  // A baseplate is one layer of the list's baseplates when they come in its height.
  std::vector<int> layers = Layers(plates, piece.HasStuds);
  if (piece.IsBaseplate && !TilesOf(mapping, plates, piece.HasStuds).empty()) layers = {plates};

  std::int64_t z = piece.Z;
  for (std::size_t i = 0; i < layers.size(); ++i) {
    const bool top = i + 1 == layers.size();
    // Hidden layers take studded parts where there are any.
    bool studs = top ? piece.HasStuds : true;
    std::vector<Tile> tiles = TilesOf(mapping, layers[i], studs);
    std::vector<std::pair<Tile, Tile>> placed;
    if (!CoverFootprint(length, width, tiles, placed)) {
      if (top) return {};
      studs = false;
      placed.clear();
      if (!CoverFootprint(length, width, TilesOf(mapping, layers[i], false), placed)) return {};
    }
    for (const auto& [corner, size] : placed) {
      auto tile = std::make_unique<TBlock>();
      tile->BlockType = 'B';
      tile->X = Clamp32(piece.X + std::int64_t{corner.x} * 20);
      tile->Y = Clamp32(piece.Y + std::int64_t{corner.y} * 20);
      tile->Z = Clamp32(z);
      tile->SizeX = size.x * 20;
      tile->SizeY = size.y * 20;
      tile->SizeZ = layers[i] * 8;
      tile->Color = piece.Color;
      tile->Transparent = piece.Transparent;
      tile->HasStuds = studs;
      tile->IsBaseplate = piece.IsBaseplate;
      tile->Step = piece.Step;
      out.push_back(std::move(tile));
    }
    z += std::int64_t{layers[i]} * 8;
  }
  return out;
}

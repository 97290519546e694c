// What every shaped piece shares with the box piece: the colour, selection,
// wireframe and hatch set-up, the canvas left at rest, and its model-file line.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "pieces/Roof.h"
#include "pieces/RoofCorner.h"
#include "pieces/RoundBlock.h"
#include "pieces/Window.h"
#include "platform/TextFile.h"
#include "shapes/ShapeCache.h"
#include "tests/pieces/PieceDrawing.h"
#include "workspace/ModelFile.h"

namespace {

constexpr const char* kLetters = "TNCEIRWDO";

std::unique_ptr<TBlock> MakeShaped(char letter, TColor colour) {
  const int x = 0, y = 0, z = 0, sx = 2, sy = 2, sz = 6;
  switch (letter) {
    case 'T':
      return std::make_unique<TRoof>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'N':
      return std::make_unique<TRoofTop>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'C':
      return std::make_unique<TRoofCorner>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'E':
      return std::make_unique<TRoofTopEnd>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'I':
      return std::make_unique<TRoofTopCorner>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'R':
      return std::make_unique<TRoundBlock>(x, y, z, sx, sy, sz, colour, true, false, false, "");
    case 'W':
      return std::make_unique<TWindow>(x, y, z, sx, 1, sz, colour, true, false, false, "");
    case 'D':
      return std::make_unique<TDoor>(x, y, z, sx, 1, sz, colour, true, false, false, "");
    default:
      return std::make_unique<TWheel>(x, y, z, sx, 1, sz, colour, true, false, false, "");
  }
}

// The filled shapes a piece draws with its own colours (the glass pane and the
// wheel's tyre and tread have fixed colours of their own).
std::vector<RecordingCanvas::Call> OwnFaces(const RecordingCanvas& canvas) {
  std::vector<RecordingCanvas::Call> out;
  for (const auto& call : canvas.calls) {
    const bool filled =
        call.kind == Kind::Polygon || call.kind == Kind::Rectangle || call.kind == Kind::Ellipse;
    const bool glass = call.style == BrushStyle::DiagCross && call.pen == call.brush;
    const bool tyre = call.pen == TWheel::kTyreColor || call.pen == TWheel::kTreadColor;
    if (filled && !glass && !tyre) out.push_back(call);
  }
  return out;
}

class ShapedPieces : public ::testing::Test {
 protected:
  void SetUp() override { SetView(rc, 60, 30); }
  void ForEachView(const std::function<void(char, const RecordingCanvas&)>& check,
                   TColor colour = 0x3060C0, bool selected = false, bool transparent = false) {
    for (const char* l = kLetters; *l; ++l) {
      for (int rotZ : {30, 120, 210, 300}) {
        for (int rotX : {60, 120}) {
          SetView(rc, rotX, rotZ);
          auto piece = MakeShaped(*l, colour);
          piece->Selected = selected;
          piece->Transparent = transparent;
          RecordingCanvas canvas;
          piece->Draw(canvas, rc);
          check(*l, canvas);
        }
      }
    }
  }
  RenderContext rc;
};

TEST_F(ShapedPieces, SelectionOutlinesInTheSelectionColourOrWhite) {
  ForEachView(
      [&](char letter, const RecordingCanvas& canvas) {
        for (const auto& face : OwnFaces(canvas)) {
          if (face.kind == Kind::Rectangle && face.pen == face.brush) continue;  // painting out
          EXPECT_EQ(face.pen, 0x0000FFu) << letter;
        }
      },
      0x3060C0, true);
  ForEachView(
      [&](char letter, const RecordingCanvas& canvas) {
        for (const auto& face : OwnFaces(canvas)) {
          if (face.kind == Kind::Rectangle && face.pen == face.brush) continue;
          EXPECT_EQ(face.pen, 0xFFFFFFu) << letter;
        }
      },
      0x0000FF, true);
}

TEST_F(ShapedPieces, ShadingDarkensTheOutlineAndWireframeTurnsItOff) {
  rc.switches.Shading = true;
  const TColor outline = OutlineColor(0x3060C0, 0, TView::kOutlineDarkening, 0x333333);
  ForEachView([&](char letter, const RecordingCanvas& canvas) {
    for (const auto& face : OwnFaces(canvas)) {
      if (face.kind == Kind::Rectangle && face.pen == face.brush) continue;
      EXPECT_EQ(face.pen, outline) << letter;
      EXPECT_EQ(face.style, BrushStyle::Solid) << letter;
    }
  });
  rc.switches.Wireframe = true;
  ForEachView([&](char letter, const RecordingCanvas& canvas) {
    for (const auto& face : OwnFaces(canvas)) {
      EXPECT_EQ(face.style, BrushStyle::Clear) << letter;
      EXPECT_EQ(face.brush, 0x3060C0u) << letter;  // no shades in wireframe
    }
  });
}

TEST_F(ShapedPieces, SeeThroughPiecesAreHatchedAndTheCanvasIsLeftAtRest) {
  auto check = [&](char letter, const RecordingCanvas& canvas) {
    for (const auto& face : OwnFaces(canvas))
      EXPECT_EQ(face.style, BrushStyle::DiagCross) << letter;
    EXPECT_EQ(canvas.brushColor(), 0xC0C0C0u) << letter;
    EXPECT_EQ(canvas.brushStyle(), BrushStyle::Solid) << letter;
    EXPECT_EQ(canvas.penColor(), 0x333333u) << letter;
  };
  ForEachView(check, 0x3060C0, false, true);
  ForEachView(check, 0xFFFF00, false, false);
}

TEST_F(ShapedPieces, APieceOfNoWidthDrawsNothing) {
  for (const char* l = kLetters; *l; ++l) {
    auto piece = MakeShaped(*l, 0x3060C0);
    piece->SizeX = 0;  // at one turn its row of studs would still have a length
    piece->Direction = 1;
    RecordingCanvas canvas;
    piece->Draw(canvas, rc);
    EXPECT_TRUE(canvas.calls.empty()) << *l;
  }
}

TEST_F(ShapedPieces, ModelFileLinesRoundTripForEveryLetter) {
  TShapeCache noShapes;
  for (const char* l = kLetters; *l; ++l) {
    for (int direction = 0; direction < 4; ++direction) {
      const std::string line = std::string(1, *l) + " -40 20 8 60 40 24 204 1 0 " +
                               std::to_string(direction) + " 1 3 3040 7";
      const ModelReadResult read = ReadModelLines({"= 70 30 10 0 0 1 1", line}, noShapes);
      ASSERT_EQ(read.pieces.size(), 1u) << line;
      const TBlock& piece = *read.pieces[0];
      EXPECT_EQ(piece.BlockType, *l);
      EXPECT_EQ(FormatPieceLine(piece), line);
      // The class follows the letter: a clone keeps it.
      EXPECT_EQ(piece.Clone()->BlockType, *l);
      const bool isRoof = dynamic_cast<const TRoof*>(&piece) != nullptr;
      EXPECT_EQ(isRoof, std::string("TNCEI").find(*l) != std::string::npos) << *l;
      // Only the straight roof 3 studs along its ridge and 2 across is the other part.
      EXPECT_EQ(piece.Variant, *l == 'T' && direction % 2 == 0 ? 1 : 0) << line;
    }
  }
}

TEST(ShapedExample, HoldsEveryShapedClassInAllFourDirections) {
  TShapeCache noShapes;
  const ModelReadResult read = ReadModelLines(
      ReadTextLines(std::string(BRIKOLO_SOURCE_DIR) + "/data/examples/shaped.lgo"), noShapes);
  EXPECT_TRUE(read.errors.empty());
  std::set<std::pair<char, int>> seen;
  for (const auto& piece : read.pieces) seen.insert({piece->BlockType, piece->Direction});
  for (const char* l = kLetters; *l; ++l)
    for (int direction = 0; direction < 4; ++direction)
      EXPECT_TRUE(seen.count({*l, direction})) << *l << " at " << direction;
}

}  // namespace

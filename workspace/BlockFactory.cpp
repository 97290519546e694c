#include "workspace/BlockFactory.h"

#include "pieces/Roof.h"
#include "pieces/RoofCorner.h"
#include "pieces/RoundBlock.h"
#include "pieces/Window.h"
#include "shapes/GeneralBlock.h"

std::unique_ptr<TBlock> CreateEmptyBlock(char letter) {
  std::unique_ptr<TBlock> piece;
  switch (letter) {
    case 'C': piece = std::make_unique<TRoofCorner>(); break;
    case 'D': piece = std::make_unique<TDoor>(); break;
    case 'E': piece = std::make_unique<TRoofTopEnd>(); break;
    case 'G': piece = std::make_unique<TGeneralBlock>(); break;
    case 'I': piece = std::make_unique<TRoofTopCorner>(); break;
    case 'N': piece = std::make_unique<TRoofTop>(); break;
    case 'O': piece = std::make_unique<TWheel>(); break;
    case 'R': piece = std::make_unique<TRoundBlock>(); break;
    case 'T': piece = std::make_unique<TRoof>(); break;
    case 'W': piece = std::make_unique<TWindow>(); break;
    default: piece = std::make_unique<TBlock>(); break;
  }
  // A blank reads as a box; so does a control character, which could not be
  // written back into a text line.
  piece->BlockType = static_cast<unsigned char>(letter) <= ' ' ? 'B' : letter;
  return piece;
}

// The keys that move, turn, put down or drop what is carried.
#include "model/Bounds.h"
#include "render/Carrying.h"
#include "render/KeyTable.h"

void TCarrying::MoveCarriedByKey(const KeyAction& a) {
  TBlock& p = *CarriedPiece;
  const int across = GridStepXY(Grid), up = GridStepZ(Grid);
  auto move = [](std::int32_t& value, std::int64_t by) { value = Clamp32(value + by); };
  switch (a.command) {
    case KeyCommand::RaiseCarried:
      move(p.Z, a.byGrid ? up : p.SizeZ);
      break;
    case KeyCommand::LowerCarried:
      // Nothing goes below the baseplate's top by key.
      if (p.Z > 0) move(p.Z, -std::int64_t{a.byGrid ? up : p.SizeZ});
      break;
    case KeyCommand::MoveCarriedLeft:
      move(p.X, -std::int64_t{a.byGrid ? across : p.SizeX});
      break;
    case KeyCommand::MoveCarriedRight:
      move(p.X, a.byGrid ? across : p.SizeX);
      break;
    case KeyCommand::MoveCarriedBack:
      move(p.Y, -std::int64_t{a.byGrid ? across : p.SizeY});
      break;
    case KeyCommand::MoveCarriedForward:
      move(p.Y, a.byGrid ? across : p.SizeY);
      break;
    default:
      break;
  }
}

void TCarrying::CarriedKey(const KeyAction& a) {
  if (!CarriedPiece) return;
  switch (a.command) {
    case KeyCommand::EndCarrying:
      PointerMode();
      return;
    case KeyCommand::PutDownHere:
      PutDown();  // where it stands, not where the mouse is
      break;
    case KeyCommand::TurnCarried:
      TurnCarried();
      break;
    default:
      MoveCarriedByKey(a);
      break;
  }
  if (!CarriedPiece) return;
  TBlock& p = *CarriedPiece;
  if (SafePositioning) p.Z = document_.ModelList.MaxTopUnder(p.X, p.Y, p.SizeX, p.SizeY);
  ShowCarriedAgain();
}

void TCarrying::ShowCarriedAgain() {
  if (!CarriedPiece) return;
  RedrawCarried();
  // The pointer sits on the ground under the corner, where the next mouse move finds it.
  MovePointerTo(CarriedPiece->X, CarriedPiece->Y, 0);
}

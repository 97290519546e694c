#pragma once
#include "model/Block.h"

// Window frame with a hatched glass pane.
class TWindow : public TBlock {
 public:
  TWindow() { BlockType = 'W'; }
  TWindow(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
          bool baseplate, bool transparent, const std::string& partName)
      : TBlock(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'W';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TWindow>(); }
};

// Door frame with two leaves.
class TDoor : public TWindow {
 public:
  TDoor() { BlockType = 'D'; }
  TDoor(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
        bool baseplate, bool transparent, const std::string& partName)
      : TWindow(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'D';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TDoor>(); }
};

// Wheel turning about the local y axis.
class TWheel : public TWindow {
 public:
  TWheel() { BlockType = 'O'; }
  TWheel(int x, int y, int z, int sizeX, int sizeY, int sizeZ, TColor color, bool studs,
         bool baseplate, bool transparent, const std::string& partName)
      : TWindow(x, y, z, sizeX, sizeY, sizeZ, color, studs, baseplate, transparent, partName) {
    BlockType = 'O';
  }

 protected:
  std::unique_ptr<TBlock> NewEmpty() const override { return std::make_unique<TWheel>(); }
};

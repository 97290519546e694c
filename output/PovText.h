#pragma once
#include <string>
#include <vector>

#include "ldraw/LDrawTypes.h"
#include "output/PovFallback.h"

struct LDrawGeometry;

// The POV-Ray text that the converter writes: numbers, colours as textures,
// parts as meshes, stand-in pieces as boxes with studs, placed parts.

// A number as POV-Ray reads it, with six significant digits and no "-0".
std::string PovNumber(double value);
std::string PovVector(double x, double y, double z);

struct PovColour {
  double red = 0, green = 0, blue = 0;  // 0..1
  bool transparent = false;
};

// The texture of a colour code: "Color4", "Color50266112"; a code below zero
// (which no colour has) gives "ColorM1".
std::string PovTextureName(int code);

// "#declare Color4 = texture {", its pigment on the next line, the finish,
// "}"; see-through colours filter most of the light.
void AppendPovTexture(std::vector<std::string>& out, int code, const PovColour& colour);

// A part's faces as one mesh named `name`: faces in the placing colour (16)
// take the texture of the object that places the mesh, the others their own.
// Faces that have no area are left out.
void AppendPovMesh(std::vector<std::string>& out, const std::string& name,
                   const LDrawGeometry& geometry);

// A stand-in piece as a union named `name`: its box, hanging below the origin
// (the middle of its top face), and its studs rising above it.
void AppendPovPiece(std::vector<std::string>& out, const std::string& name,
                    const FallbackPiece& piece);

// "  object { NAME matrix <...> texture { ColorN } }" for a part placed as an
// LDraw line places it.
std::string PovPlacedObject(const std::string& name, const LDrawTransform& placement, int colour);

#include "output/PovText.h"

#include <charconv>
#include <cmath>

#include "ldraw/LDrawLibrary.h"
#include "platform/Error.h"

namespace {

// A stand-in baseplate of a thousand studs square would draw a million
// studs; beyond this many it is drawn smooth.
constexpr long kMostStuds = 4096;

constexpr double kStudRadius = 6, kStudHeight = 4;

bool HasArea(const LDrawVector& a, const LDrawVector& b, const LDrawVector& c) {
  const double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
  const double vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
  const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
  return nx * nx + ny * ny + nz * nz > 1e-12;
}

std::string Point(const LDrawVector& p) {
  return PovVector(p.x, p.y, p.z);
}

void AppendTriangle(std::vector<std::string>& out, const LDrawVector& a, const LDrawVector& b,
                    const LDrawVector& c, int colour) {
  if (!HasArea(a, b, c)) return;
  std::string line = "  triangle { " + Point(a) + ", " + Point(b) + ", " + Point(c);
  // The edge colour cannot follow each placing colour in a shared mesh; such
  // faces take the placing colour itself.
  if (colour != kLDrawMainColour && colour != kLDrawEdgeColour)
    line += " texture { " + PovTextureName(colour) + " }";
  out.push_back(line + " }");
}

}  // namespace

std::string PovNumber(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
  std::string text(buffer, result.ptr);
  return text == "-0" ? "0" : text;
}

std::string PovVector(double x, double y, double z) {
  return "<" + PovNumber(x) + "," + PovNumber(y) + "," + PovNumber(z) + ">";
}

std::string PovTextureName(int code) {
  return code < 0 ? "ColorM" + std::to_string(-static_cast<long long>(code))
                  : "Color" + std::to_string(code);
}

void AppendPovTexture(std::vector<std::string>& out, int code, const PovColour& c) {
  out.push_back("#declare " + PovTextureName(code) + " = texture {");
  const std::string rgb = PovNumber(c.red) + "," + PovNumber(c.green) + "," + PovNumber(c.blue);
  out.push_back(c.transparent ? "pigment { srgbf <" + rgb + ",0.85> }"
                              : "pigment { srgb <" + rgb + "> }");
  out.push_back(c.transparent ? "finish { BO_Finish reflection 0.1 }" : "finish { BO_Finish }");
  out.push_back("}");
}

void AppendPovMesh(std::vector<std::string>& out, const std::string& name,
                   const LDrawGeometry& geometry) {
  out.push_back("#declare " + name + " = mesh {");
  for (const LDrawFace& f : geometry.faces) {
    AppendTriangle(out, f.v[0], f.v[1], f.v[2], f.colour);
    if (f.count == 4) AppendTriangle(out, f.v[0], f.v[2], f.v[3], f.colour);
  }
  out.push_back("}");
}

void AppendPovPiece(std::vector<std::string>& out, const std::string& name,
                    const FallbackPiece& p) {
  const double hx = p.sizeX / 2.0, hz = p.sizeZ / 2.0;
  out.push_back("#declare " + name + " = union {");
  out.push_back("  box { " + PovVector(-hx, 0, -hz) + ", " + PovVector(hx, p.height, hz) + " }");
  const long across = p.sizeX / 20, deep = p.sizeZ / 20;
  if (p.studs && across * deep <= kMostStuds)
    for (long i = 0; i < across; ++i)
      for (long j = 0; j < deep; ++j) {
        const double x = -hx + 10 + 20.0 * i, z = -hz + 10 + 20.0 * j;
        out.push_back("  cylinder { " + PovVector(x, 0, z) + ", " + PovVector(x, -kStudHeight, z) +
                      ", " + PovNumber(kStudRadius) + " }");
      }
  out.push_back("}");
}

std::string PovPlacedObject(const std::string& name, const LDrawTransform& t, int colour) {
  // POV-Ray's matrix takes the columns of the LDraw matrix as its rows.
  const double* m = t.m;
  std::string line = "  object { " + name + " matrix <";
  const double numbers[12] = {m[0], m[3], m[6], m[1], m[4], m[7], m[2], m[5], m[8], t.x, t.y, t.z};
  for (int i = 0; i < 12; ++i) line += (i ? "," : "") + PovNumber(numbers[i]);
  return line + "> texture { " + PovTextureName(colour) + " } }";
}

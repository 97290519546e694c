#pragma once
#include <cstdint>
#include <string>

// A polygon shape of a general piece (to be completed with faces, draw orders
// and studs).
class TDrawClass {
 public:
  std::int32_t BoxX = 0, BoxY = 0, BoxZ = 0;
  std::string FileName;
  std::string SectionName;
  std::int32_t Variant = 0;
};
